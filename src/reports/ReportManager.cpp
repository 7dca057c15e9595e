#include "reports/ReportManager.h"

#include "core/RegistryRoots.h"
#include "database/FileHelpers.h"
#include "reports/FullReport.h"
#include "scan/RegBase.h"
#include "scan/StartupCollector.h"
#include "systools/Processes.h"

namespace {

ReportManagerRow FileRow(const std::string& kind, const std::string& path)
{
    return ReportManagerRow{kind, path, std::to_string(FileSizeOf(path)), ""};
}

} // namespace

void AppendStartupValueRows(std::vector<ReportManagerRow>& rows)
{
    EnumStartupValues([&rows](const StartupValue& value) {
        std::string root;
        RootNameOf(value.RootCode, root);
        rows.push_back(FileRow("RegStartup", value.ValueData));
        rows.back().Key = root + "\\" + value.KeyPath + "\\";
    });
}

std::vector<ReportManagerRow> FullLogRows(SharedState& state, const Pump& pump)
{
    std::vector<ReportManagerRow> rows;
    std::vector<RunningProcess> processes;
    ListRunningProcesses(processes);
    for (const std::string& path : UsableProcessPaths(processes))
        rows.push_back(FileRow("Proc", path));
    try {
        CollectClsidPaths(state.RegistryLocations, pump);
        for (const std::string& path : state.RegistryLocations.Lines())
            if (!path.empty())
                rows.push_back(FileRow("Clsid", path));
    } catch (const std::exception&) {
    }
    AppendStartupValueRows(rows);

    const ReportLists lists = LoadReportLists(state.Messages, pump);
    const auto addResolved = [&](const char* kind, const std::string& command, bool pumped) {
        if (pumped && pump)
            pump();
        const std::string file = ResolveCommandFile(command);
        if (!file.empty())
            rows.push_back(FileRow(kind, file));
    };
    try {
        for (const StartupRow& entry : lists.StartupFolders)
            addResolved("Startup", entry.Command, true);
    } catch (const std::exception&) {
    }
    try {
        for (const ServiceRow& service : lists.Services)
            addResolved("Service", service.Path(), true);
    } catch (const std::exception&) {
    }
    try {
        for (const IniRow& entry : lists.SystemIni)
            addResolved("System.ini", entry.Text, false);
    } catch (const std::exception&) {
    }
    return rows;
}
