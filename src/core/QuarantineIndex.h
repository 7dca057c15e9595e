#pragma once
#include <functional>
#include <string>
#include <vector>

// One file kept in the quarantine.
struct TQFileList {
    std::string FileName;   // full path of the source, as the add received it
    std::string StoredName; // full path of the stored copy when it was added
    std::string Task;       // detection name; "Unknown" for a file added by hand
    std::string Added;      // local short date, ", ", local long time
    std::string Checksum;   // the alert's MD5 text; empty for a file added by hand
};

// The index file "Quarantine.info": five CR LF lines per entry in the field order
// above, no header, no separator. A last entry cut short gets empty fields; lines
// ended by a bare LF are read too.
std::vector<TQFileList> ParseQuarantineIndex(const std::string& text);
std::string QuarantineIndexText(const std::vector<TQFileList>& entries);

// A name for a stored copy that `taken` does not claim: the name itself first, then
// "x (2).exe", "x (3).exe", ... Empty when every one of a bounded number of tries is taken.
std::string UniqueStoredName(const std::string& name, const std::function<bool(const std::string&)>& taken);
