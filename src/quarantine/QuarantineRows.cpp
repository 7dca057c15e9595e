#include "quarantine/QuarantineRows.h"
#include "core/PathText.h"

#include <windows.h>

namespace {

// Runs `work` on the entry of each checked row; `work` says whether it succeeded.
void ForCheckedRows(QuarantineStore& store, const std::vector<bool>& checked, const RowReport& report,
                    const std::function<bool(const TQFileList&)>& work)
{
    if (!EnsureQuarantineLoaded(store))
        return;
    RowEntryMapping mapping;
    for (size_t row = 0; row < checked.size(); ++row) {
        if (!checked[row])
            continue;
        const int index = mapping.EntryOf(static_cast<int>(row), store.QuarantineList.size());
        if (index < 0)
            continue;
        const TQFileList entry = store.QuarantineList[static_cast<size_t>(index)];
        if (report)
            report(static_cast<int>(row), entry, RowStep::Started);
        const size_t before = store.QuarantineList.size();
        const bool ok = work(entry);
        if (store.QuarantineList.size() < before)
            mapping.EntryLeft();
        if (report)
            report(static_cast<int>(row), entry, ok ? RowStep::Succeeded : RowStep::Failed);
    }
}

} // namespace

int RowEntryMapping::EntryOf(int row, size_t listSize) const
{
    const int index = row - left_;
    return index >= 0 && static_cast<size_t>(index) < listSize ? index : -1;
}

std::vector<TQFileList> RefreshQuarantineList(QuarantineStore& store)
{
    if (GetFileAttributesA(store.IndexFile().c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    (void)LoadQuarantineIndex(store, store.IndexFile()); // an unreadable index shows as empty
    return store.QuarantineList;
}

void RestoreCheckedRows(QuarantineStore& store, const std::vector<bool>& checked, const RowReport& report)
{
    ForCheckedRows(store, checked, report, [&](const TQFileList& entry) {
        return QuarantineRestore(store, entry.FileName, FolderPart(entry.FileName));
    });
}

bool RemoveCheckedRows(QuarantineStore& store, const std::vector<bool>& checked, const RowReport& report)
{
    ForCheckedRows(store, checked, report,
                   [&](const TQFileList& entry) { return QuarantineRemove(store, entry.FileName); });
    return SaveQuarantineIndex(store, store.IndexFile());
}
