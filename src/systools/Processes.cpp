#include "systools/Processes.h"

#include <psapi.h>

#include "core/PathText.h"
#include "core/ProcessNames.h"
#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "platform/AccessRights.h"
#include "platform/Handles.h"
#include "platform/ProcessSnapshot.h"

namespace {

using QueryFullProcessImageNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);

// Looked up at run time: XP's kernel32 does not have it, and a direct import would
// keep the program from starting there.
QueryFullProcessImageNameFunction QueryFullProcessImageName()
{
    static const auto function = reinterpret_cast<QueryFullProcessImageNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    return function;
}

} // namespace

std::string ProcessExecutablePath(DWORD id, bool limitedQuery)
{
    const DWORD rights = limitedQuery ? PROCESS_QUERY_LIMITED_INFORMATION : PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
    if (!RightsGranted(Securable::Process, rights))
        return {};
    UniqueHandle process(OpenProcess(rights, FALSE, id));
    if (!process.Valid())
        return {};
    char path[MAX_PATH + 1] = {};
    DWORD length = MAX_PATH;
    if (limitedQuery) {
        const QueryFullProcessImageNameFunction query = QueryFullProcessImageName();
        if (!query || !query(process.Get(), 0, path, &length))
            return {};
    } else {
        length = GetModuleFileNameExA(process.Get(), nullptr, path, MAX_PATH);
    }
    return std::string(path, length);
}

bool ListRunningProcesses(std::vector<RunningProcess>& list)
{
    ProcessSnapshot snapshot;
    if (!snapshot.Valid())
        return false;
    // Vista came with both the limited query and the call that reads a path through it.
    const bool limitedQuery = QueryFullProcessImageName() != nullptr;
    while (snapshot.Next()) {
        const PROCESSENTRY32& entry = snapshot.Entry();
        RunningProcess process;
        process.Id = entry.th32ProcessID;
        if (entry.th32ProcessID == 0) {
            process.Text = "System Idle Process";
        } else {
            process.Text = ProcessExecutablePath(entry.th32ProcessID, limitedQuery);
            if (process.Text.empty())
                process.Text = entry.szExeFile;
        }
        list.push_back(process);
    }
    return true;
}

void EndProcessesByName(const std::string& name)
{
    ProcessSnapshot snapshot;
    while (snapshot.Next()) {
        const PROCESSENTRY32& entry = snapshot.Entry();
        if (!ProcessNameMatches(entry.szExeFile, name))
            continue;
        if (!RightsGranted(Securable::Process, PROCESS_TERMINATE))
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
