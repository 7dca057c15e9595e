#include "systools/Processes.h"

#include <psapi.h>
#include <tlhelp32.h>

#include "core/PathText.h"
#include "core/ProcessNames.h"
#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "platform/Handles.h"

namespace {

UniqueHandle ProcessSnapshot()
{
    return UniqueHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
}

// The process's executable path, or empty when the process cannot be opened or read.
std::string ExecutablePath(DWORD id)
{
    UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    if (!process.Valid())
        return {};
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameExA(process.Get(), nullptr, path, MAX_PATH);
    return std::string(path, length);
}

} // namespace

bool ListRunningProcesses(std::vector<RunningProcess>& list)
{
    UniqueHandle snapshot = ProcessSnapshot();
    if (!snapshot.Valid())
        return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        RunningProcess process;
        process.Id = entry.th32ProcessID;
        if (entry.th32ProcessID == 0) {
            process.Text = "System Idle Process";
        } else {
            process.Text = ExecutablePath(entry.th32ProcessID);
            if (process.Text.empty())
                process.Text = entry.szExeFile;
        }
        list.push_back(process);
    }
    return true;
}

void EndProcessesByName(const std::string& name)
{
    UniqueHandle snapshot = ProcessSnapshot();
    if (!snapshot.Valid())
        return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry)) {
        if (!ProcessNameMatches(entry.szExeFile, name))
            continue;
        UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
        if (process.Valid())
            TerminateProcess(process.Get(), 0);
    }
}

std::vector<std::string> UsableProcessPaths(const std::vector<RunningProcess>& processes)
{
    std::vector<std::string> rows;
    for (const RunningProcess& process : processes)
        if (FileUsable(process.Text))
            rows.push_back(process.Text);
    return rows;
}

std::vector<std::string> ProcessPageRows(const MessageTable& messages, const LineSink& report)
{
    std::vector<RunningProcess> processes;
    ListRunningProcesses(processes);
    const std::vector<std::string> rows = UsableProcessPaths(processes);
    if (report)
        for (const std::string& line : ProcessReportLines(messages, rows))
            report(line);
    return rows;
}

void EndTaskForRows(const std::vector<std::string>& checkedRows, bool deleteFiles,
                    const std::function<void(const std::string& row)>& deleteFailed)
{
    for (const std::string& row : checkedRows) {
        EndProcessesByName(FileNamePart(row));
        if (deleteFiles && FileUsable(row) && !DeleteFileA(row.c_str()) && deleteFailed)
            deleteFailed(row);
    }
}
