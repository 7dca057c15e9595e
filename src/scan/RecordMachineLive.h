#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/DatabaseLines.h"
#include "core/DatabaseText.h"
#include "core/RecordMachine.h"
#include "core/SignatureRecord.h"
#include "core/StringList.h"
#include "scan/FolderListings.h"

// How record matching reaches the running processes; the process list functions
// fill it. Either may be empty: no processes are then seen, or none is ended.
struct ProcessAccess {
    std::function<std::vector<std::string>()> ListRunningProcesses; // executable paths
    std::function<void(const std::string&)> EndProcessesByName;
};

// Record matching against this machine. Make one per scan: the startup entries are
// resolved once, at first use, and the running programs are read once and again
// after a process was ended, since nothing else a scan does changes either. Paths
// that a folder's listing shows to name nothing are not asked about one by one, so
// a file made during the scan is found by the next one. The entries and the abort
// flag are read where they are, so they must outlive it.
class LiveRecordMachine : public RecordMachine {
public:
    LiveRecordMachine(const StringList& startupEntries, ProcessAccess processes, Pump pump, const bool& abortRequested);

    bool FileUsable(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::string ListMatching(const std::string& pattern) override;
    std::string FileMd5Text(const std::string& path) override;
    const std::vector<ResolvedEntry>& StartupEntries() override;
    const std::vector<std::string>& RunningPrograms() override;
    void EndProcessesByName(const std::string& fileName) override;
    bool KeepGoing() override;

private:
    // FileUsable for the machine's own use: the entries and the running programs.
    bool Usable(const std::string& path);

    const StringList& startupEntries_;
    ProcessAccess processes_;
    Pump pump_;
    const bool& abortRequested_;
    std::optional<std::vector<ResolvedEntry>> resolved_;
    std::optional<std::vector<std::string>> running_;
    FolderListings listings_;
};

// The Windows, System32 and Program Files folders that root lines name.
RootFolders MachineRootFolders();
