#include "reports/FullReport.h"

#include "core/ProgramVersion.h"
#include "database/FileHelpers.h"
#include "reports/ReportFileWriter.h"
#include "scan/LiveProcessAccess.h"
#include "scan/StartupCollector.h"
#include "systools/IniFiles.h"
#include "systools/Services.h"

namespace {

const char* const ContactLines[] = {
    "Author: Tomas Ferrant",
    "http://pyrafix.example.com/",
    "support@pyrafix.example.com",
};

void Section(const LineSink& report, const std::string& header, size_t count)
{
    report("");
    report(header + std::to_string(count) + ")");
}

StartupSources SourcesOf(const ReportLists& lists)
{
    StartupSources sources;
    sources.Processes = RunningProcessTexts();
    for (const StartupRow& entry : lists.StartupFolders)
        sources.StartupFolderCommands.push_back(entry.Command);
    for (const ServiceRow& service : lists.Services)
        sources.ServiceImagePaths.push_back(service.Path());
    for (const IniRow& entry : lists.SystemIni)
        sources.SystemIniEntries.push_back(entry.Text);
    return sources;
}

} // namespace

ReportLists LoadReportLists(const MessageTable& messages, const Pump& pump)
{
    ReportLists lists;
    lists.StartupFolders = LoadStartupPrograms().Folders;
    lists.KeyboardDrivers = ScanKeyboardFilterDriver();
    ScanSystemINI("System.ini", lists.SystemIni);
    ScanSystemINI("Win.ini", lists.WinIni);
    lists.Services = ServiceListRows(messages.Text(Msg::CannotGetServiceList), pump);
    return lists;
}

std::vector<std::string> ReportHeaderLines(const MessageTable& messages, const std::string& date,
                                           const std::string& time, const std::string& windowsName)
{
    std::vector<std::string> lines;
    lines.push_back(VersionBanner + messages.Text(Msg::FullInformationLog));
    lines.push_back(messages.Text(Msg::GeneratedAt) + date + messages.Text(Msg::On) + time);
    lines.push_back(windowsName);
    lines.insert(lines.end(), std::begin(ContactLines), std::end(ContactLines));
    lines.emplace_back();
    return lines;
}

ReportLists BuildReportSections(SharedState& state, FullReportView& view, const LineSink& report)
{
    if (!state.ReportMode)
        return {};
    const MessageTable& m = state.Messages;
    ReportLists lists = view.ReloadLists();
    CollectStartupLocations(state, SourcesOf(lists), {}, [&view] { view.Pump(); });

    Section(report, m.Text(Msg::DetailReport), state.StartupEntries.Count());
    for (const std::string& line : state.StartupEntries.Lines())
        report(line);

    if (state.ReportStartupFiles) {
        Section(report, m.Text(Msg::StartupFolderSection), lists.StartupFolders.size());
        for (const StartupRow& entry : lists.StartupFolders) {
            report(m.Text(Msg::StartupName) + entry.Caption);
            report(m.Text(Msg::Command) + entry.Command);
        }
        Section(report, m.Text(Msg::WinIniSection), lists.WinIni.size());
        for (const IniRow& entry : lists.WinIni)
            report(m.Text(Msg::PathLabel) + entry.Text);
        Section(report, m.Text(Msg::SystemIniSection), lists.SystemIni.size());
        for (const IniRow& entry : lists.SystemIni)
            report(m.Text(Msg::PathLabel) + entry.Text);
    }

    Section(report, m.Text(Msg::KeyboardDriversSection), lists.KeyboardDrivers.size());
    for (const KeyboardFilterRow& driver : lists.KeyboardDrivers) {
        report(m.Text(Msg::NameLabel) + driver.Name);
        report(m.Text(Msg::PathLabel) + driver.Path + (FileUsable(driver.Path) ? "" : m.Text(Msg::NoFile)));
    }

    if (state.ReportActiveServices) {
        Section(report, m.Text(Msg::ServicesSection), lists.Services.size());
        for (const ServiceRow& service : lists.Services) {
            // A row whose details could not be read holds a message instead: no status, no path.
            const bool complete = service.SubItems.size() >= 4;
            report(m.Text(Msg::ServiceName) + service.Caption + " [" + (complete ? service.Status() : "") + "], ");
            if (complete)
                report(m.Text(Msg::PathLabel) + service.Path());
        }
    }
    return lists;
}

FullReportResult BuildFullReport(SharedState& state, const std::string& path, const std::vector<std::string>& header,
                                 FullReportView& view)
{
    FullReportResult result;
    ReportFileWriter file(path);
    state.ReportFile = [&file](const std::string& line) { file.Write(line); };
    state.ReportMode = !file.Failed();
    const LineSink report = [&state](const std::string& line) { WriteReportLine(state, line); };
    // Each step runs only while the report goes on: a write failure or an abort ends it.
    const auto goingOn = [&] { return state.ReportMode && !file.Failed(); };

    for (const std::string& line : header)
        report(line);
    if (goingOn() && state.ReportInfectedFiles)
        view.ScanInReportMode();
    report("");
    if (goingOn() && state.ReportActiveProcesses)
        result.Processes = view.RefreshProcesses(report);
    if (goingOn() && state.ReportStartupFiles)
        view.RefreshStartupRecords(report);
    if (goingOn())
        result.Lists = BuildReportSections(state, view, report);

    file.Write(state.Messages.Text(Msg::FinishedDots));
    result.Written = file.Close();
    state.ReportMode = false;
    state.ReportFile = nullptr;
    return result;
}
