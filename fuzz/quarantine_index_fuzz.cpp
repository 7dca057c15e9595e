// Longest input: 4096
// Quarantine.info: whatever it holds reads as entries, and the entries written again
// read back as the same entries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/QuarantineIndex.h"

namespace {

bool Same(const std::vector<TQFileList>& a, const std::vector<TQFileList>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].FileName != b[i].FileName || a[i].StoredName != b[i].StoredName || a[i].Task != b[i].Task ||
            a[i].Added != b[i].Added || a[i].Checksum != b[i].Checksum)
            return false;
    return true;
}

bool HasLineBreak(const TQFileList& entry)
{
    for (const std::string* field : {&entry.FileName, &entry.StoredName, &entry.Task, &entry.Added, &entry.Checksum})
        if (field->find_first_of("\r\n") != std::string::npos)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<TQFileList> entries = ParseQuarantineIndex(text);
    bool plain = true;
    for (const TQFileList& entry : entries)
        plain = plain && !HasLineBreak(entry);
    if (plain)
        FUZZ_CHECK(Same(ParseQuarantineIndex(QuarantineIndexText(entries)), entries));
    // The names that the text holds are taken.
    const auto taken = [&](const std::string& candidate) { return text.find(candidate) != std::string::npos; };
    const std::string name = UniqueStoredName(text.substr(0, 64), taken);
    FUZZ_CHECK(name.empty() || !taken(name));
    return 0;
}
