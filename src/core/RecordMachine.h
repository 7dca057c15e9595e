#pragma once
#include <string>
#include <vector>

// A startup entry (a line of StartupEntries) with the file it resolves to; the
// file is empty when the entry resolves to none.
struct ResolvedEntry {
    std::string Line;
    std::string File; // lower case, as ResolveCommandFile gives it
};

// What matching a record needs from the machine. The scan implements it over the
// file system, the startup entries and the process list; tests implement it over
// a table, so the grammar and the patterns run without Windows.
class RecordMachine {
public:
    virtual ~RecordMachine() = default;

    // The existence test that decides hits (FileUsable).
    virtual bool FileUsable(const std::string& path) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    // The files a pattern matches, each followed by ";" (ListMatching).
    virtual std::string ListMatching(const std::string& pattern) = 0;
    virtual std::string FileMd5Text(const std::string& path) = 0;
    // The startup entries in their order, each resolved to a file.
    virtual const std::vector<ResolvedEntry>& StartupEntries() = 0;
    // The executable paths of the running processes that are usable files.
    virtual const std::vector<std::string>& RunningPrograms() = 0;
    // Ends the processes running from a file of this name; failures are ignored.
    virtual void EndProcessesByName(const std::string& fileName) = 0;
    // Processes pending window messages; false once the user asked to abort.
    virtual bool KeepGoing() = 0;
};
