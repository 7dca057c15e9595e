#include "scan/RecordMachineLive.h"

#include "database/FileHelpers.h"
#include "database/FileMd5.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "scan/FolderPlaceholders.h"

LiveRecordMachine::LiveRecordMachine(const StringList& startupEntries, ProcessAccess processes, Pump pump,
                                     const bool& abortRequested)
    : startupEntries_(startupEntries), processes_(std::move(processes)), pump_(std::move(pump)),
      abortRequested_(abortRequested)
{
}

bool LiveRecordMachine::FileUsable(const std::string& path)
{
    return Usable(path);
}

bool LiveRecordMachine::Usable(const std::string& path)
{
    return !listings_.NamesNothing(path) && ::FileUsable(path);
}

bool LiveRecordMachine::FolderExists(const std::string& path)
{
    return !listings_.NamesNothing(path) && DirectoryExists(path);
}

std::string LiveRecordMachine::ListMatching(const std::string& pattern)
{
    if (listings_.MatchesNothing(pattern))
        return std::string();
    return ::ListMatching(pattern, pump_);
}

std::string LiveRecordMachine::FileMd5Text(const std::string& path)
{
    return Md5Text(FileMd5(path));
}

const std::vector<ResolvedEntry>& LiveRecordMachine::StartupEntries()
{
    if (!resolved_) {
        resolved_.emplace();
        for (const std::string& line : startupEntries_.Lines())
            resolved_->push_back(ResolvedEntry{
                line, ResolveCommandFile(line, [this](const std::string& path) { return Usable(path); })});
    }
    return *resolved_;
}

const std::vector<std::string>& LiveRecordMachine::RunningPrograms()
{
    if (!running_) {
        running_.emplace();
        if (processes_.ListRunningProcesses)
            for (const std::string& path : processes_.ListRunningProcesses())
                if (Usable(path))
                    running_->push_back(path);
    }
    return *running_;
}

void LiveRecordMachine::EndProcessesByName(const std::string& fileName)
{
    if (!processes_.EndProcessesByName)
        return;
    processes_.EndProcessesByName(fileName);
    running_.reset();
}

bool LiveRecordMachine::KeepGoing()
{
    if (pump_)
        pump_();
    return !abortRequested_;
}

RootFolders MachineRootFolders()
{
    return RootFolders{WindowsFolder(), SystemFolder(), ProgramFilesFolder()};
}
