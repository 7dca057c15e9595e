#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/LineSink.h"
#include "core/MessageTable.h"

// One running process: the full path of its executable where it can be read, else
// the snapshot's executable name ("System Idle Process" for identifier 0).
struct RunningProcess {
    std::string Text;
    DWORD Id = 0;
};

// The full path of a process's executable; empty when it cannot be opened or read.
// `limitedQuery` asks for the limited query right, which a standard user gets for
// other users' processes too, where the system has it (Vista on); XP knows only the
// full query with memory reads. ListRunningProcesses picks what the system has.
std::string ProcessExecutablePath(DWORD id, bool limitedQuery);

// Appends one entry per running process, in the platform's order. False when the
// process snapshot cannot be taken.
bool ListRunningProcesses(std::vector<RunningProcess>& list);

// Ends every running process whose executable has this file name (no folder),
// ignoring the case of ASCII letters, in whatever folder it lies. Does not wait for
// them to exit; a process that refuses is passed over.
void EndProcessesByName(const std::string& name);

// The rows of the process page: the running processes that name a usable file, in
// order. Writes the page's report lines to `report` when one is given.
std::vector<std::string> ProcessPageRows(const MessageTable& messages, const LineSink& report = {});
// The same filter over a list already taken.
std::vector<std::string> UsableProcessPaths(const std::vector<RunningProcess>& processes);

// "End Task" for the checked rows: ends each row's processes by file name and, when
// `deleteFiles` is set, deletes the row's file if it is still usable. Each row whose
// file could not be deleted goes to `deleteFailed` (the page shows message 66 and it).
void EndTaskForRows(const std::vector<std::string>& checkedRows, bool deleteFiles,
                    const std::function<void(const std::string& row)>& deleteFailed);
