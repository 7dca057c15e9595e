#pragma once
#include <functional>
#include <vector>

#include "quarantine/QuarantineStore.h"

// The quarantine window's rows are filled from QuarantineList in order and keep their
// places while a run over the checked rows takes entries out of the list. A row's
// entry is found by skipping as many entries as rows above it gave up theirs.
class RowEntryMapping {
public:
    // The list index of the row's entry, or -1 when the list holds no such entry.
    int EntryOf(int row, size_t listSize) const;
    // The row's entry has left the list.
    void EntryLeft() { ++left_; }

private:
    int left_ = 0;
};

// The window's Refresh: reloads QuarantineList from the index file and returns the
// entries to show, one row each in list order. Without an index file nothing is shown
// and QuarantineList stays as it was.
std::vector<TQFileList> RefreshQuarantineList(QuarantineStore& store);

enum class RowStep { Started, Succeeded, Failed };
// Told about each checked row before and after its entry is worked on; `entry` is a
// copy taken before the work, so it stays valid when the entry leaves the list.
using RowReport = std::function<void(int row, const TQFileList& entry, RowStep step)>;

// Restores the entries of the checked rows, top to bottom, each into the folder of
// its FileName. A failed restore keeps its entry and the rows below still find theirs.
void RestoreCheckedRows(QuarantineStore& store, const std::vector<bool>& checked, const RowReport& report);

// Removes the entries of the checked rows, top to bottom, then saves the index.
// False when the index could not be saved.
bool RemoveCheckedRows(QuarantineStore& store, const std::vector<bool>& checked, const RowReport& report);
