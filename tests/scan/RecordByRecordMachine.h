#pragma once
#include <list>
#include <string>
#include <vector>

#include "database/FileHelpers.h"
#include "platform/FileSystem.h"
#include "scan/RecordMachineLive.h"

// The reference for LiveRecordMachine's caches: asks the system about every path,
// and reads the process list and resolves every startup entry afresh for each
// query, as a record-by-record reading does. Everything else is the live machine's. Each answer is kept until the
// machine goes, so a caller may hold one while asking again.
class RecordByRecordMachine : public RecordMachine {
public:
    RecordByRecordMachine(const StringList& startupEntries, ProcessAccess processes, const bool& abortRequested)
        : entries_(startupEntries), processes_(processes), live_(startupEntries, processes, Pump{}, abortRequested)
    {
    }

    bool FileUsable(const std::string& path) override { return ::FileUsable(path); }
    bool FolderExists(const std::string& path) override { return DirectoryExists(path); }
    std::string ListMatching(const std::string& pattern) override { return ::ListMatching(pattern); }
    std::string FileMd5Text(const std::string& path) override { return live_.FileMd5Text(path); }
    bool KeepGoing() override { return live_.KeepGoing(); }

    const std::vector<ResolvedEntry>& StartupEntries() override
    {
        std::vector<ResolvedEntry>& resolved = resolved_.emplace_back();
        for (const std::string& line : entries_.Lines())
            resolved.push_back(ResolvedEntry{line, ResolveCommandFile(line)});
        return resolved;
    }

    const std::vector<std::string>& RunningPrograms() override
    {
        std::vector<std::string>& running = running_.emplace_back();
        if (processes_.ListRunningProcesses)
            for (const std::string& path : processes_.ListRunningProcesses())
                if (::FileUsable(path))
                    running.push_back(path);
        return running;
    }

    void EndProcessesByName(const std::string& fileName) override
    {
        if (processes_.EndProcessesByName)
            processes_.EndProcessesByName(fileName);
    }

private:
    const StringList& entries_;
    ProcessAccess processes_;
    LiveRecordMachine live_;
    std::list<std::vector<ResolvedEntry>> resolved_;
    std::list<std::vector<std::string>> running_;
};
