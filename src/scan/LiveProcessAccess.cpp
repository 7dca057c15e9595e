#include "scan/LiveProcessAccess.h"

#include "systools/Processes.h"

std::vector<std::string> RunningProcessTexts()
{
    std::vector<RunningProcess> processes;
    ListRunningProcesses(processes);
    std::vector<std::string> texts;
    texts.reserve(processes.size());
    for (const RunningProcess& process : processes)
        texts.push_back(process.Text);
    return texts;
}

ProcessAccess LiveProcessAccess()
{
    ProcessAccess access;
    access.ListRunningProcesses = RunningProcessTexts;
    access.EndProcessesByName = [](const std::string& name) { EndProcessesByName(name); };
    return access;
}
