#include "scan/RunQuickScan.h"

#include "database/DatabaseFile.h"
#include "platform/LocalTime.h"
#include "scan/FolderPlaceholders.h"
#include "scan/LiveProcessAccess.h"
#include "scan/RecordMachineLive.h"
#include "systools/IniFiles.h"
#include "systools/Services.h"
#include "systools/StartupPrograms.h"

namespace {

const char CR[] = "\r";

void PrepareStartupData(SharedState& state, QuickScanWindow& window)
{
    try {
        window.RefreshStartupPrograms();
        CollectStartupLocations(
            state, PageStartupSources(state), [&window](const std::string& path) { window.Status(path); },
            [&window] { window.Pump(); });
    } catch (const std::exception&) {
        window.Status(state.Messages.Text(Msg::InitializeError));
    }
}

void EndScan(SharedState& state, QuickScanWindow& window, ScanQuestions& questions)
{
    const MessageTable& m = state.Messages;
    const std::string now = window.Now();

    if (state.ScanFoundAny) {
        window.SetFixEnabled(true);
        const std::string count = std::to_string(window.AlertLineCount());
        window.Log(now + ": " + count + m.Text(Msg::DangerousFilesFound));
        window.Log(m.Text(Msg::ClickFixToFix));
        if (questions.AskAlert(m.Text(Msg::YouHave) + count + m.Text(Msg::DangerousVirusesByQuickReport) + CR +
                               m.Text(Msg::FullScanQuestion))) {
            // The full scan window finishes the alert list, the buttons and the status.
            questions.StartFullScan();
            return;
        }
        questions.Inform(m.Text(Msg::ClickFixByQuickReport));
    } else {
        window.Log(now + m.Text(Msg::ComputerCleanLine));
        window.AddCleanLine(m.Text(Msg::ComputerCleanListLine));
        questions.Inform(m.Text(Msg::ComputerCleanOfThisKind));
        if (state.LogRequested && questions.Ask(m.Text(Msg::SendLogQuestion)))
            questions.SendLog();
        window.SetFixEnabled(false);
    }
    window.RemoveScanningLine();
    window.SetScanning(false);
    window.Status(m.Text(state.AbortRequested ? Msg::ScanAborted : Msg::ScanFinished));
}

} // namespace

std::vector<std::string> StartupFolderCommandsNow()
{
    std::vector<std::string> commands;
    for (const StartupRow& entry : LoadStartupPrograms().Folders)
        commands.push_back(entry.Command);
    return commands;
}

std::vector<std::string> ServiceImagePathsNow(const MessageTable& messages)
{
    std::vector<std::string> paths;
    for (const ServiceRow& service : ServiceListRows(messages.Text(Msg::CannotGetServiceList)))
        paths.push_back(service.Path());
    return paths;
}

std::vector<std::string> SystemIniEntriesNow()
{
    std::vector<std::string> entries;
    std::vector<IniRow> drivers;
    if (ScanSystemINI("System.ini", drivers))
        for (const IniRow& driver : drivers)
            entries.push_back(driver.Text);
    return entries;
}

StartupSources CurrentStartupSources(const MessageTable& messages)
{
    StartupSources sources;
    sources.Processes = RunningProcessTexts();
    sources.StartupFolderCommands = StartupFolderCommandsNow();
    sources.ServiceImagePaths = ServiceImagePathsNow(messages);
    sources.SystemIniEntries = SystemIniEntriesNow();
    return sources;
}

StartupSources PageStartupSources(SharedState& state)
{
    PageLists& pages = state.Pages;
    // Enumerating the services and reading each one's version resource is most of
    // the collector's time; the pages' lists are what the user sees anyway.
    if (!pages.StartupFolderCommands)
        pages.StartupFolderCommands = StartupFolderCommandsNow();
    if (!pages.ServiceImagePaths)
        pages.ServiceImagePaths = ServiceImagePathsNow(state.Messages);
    if (!pages.SystemIniEntries)
        pages.SystemIniEntries = SystemIniEntriesNow();
    StartupSources sources;
    sources.Processes = RunningProcessTexts();
    sources.StartupFolderCommands = *pages.StartupFolderCommands;
    sources.ServiceImagePaths = *pages.ServiceImagePaths;
    sources.SystemIniEntries = *pages.SystemIniEntries;
    return sources;
}

void RunQuickScan(SharedState& state, QuickScanWindow& window, ScanQuestions& questions)
{
    const MessageTable& m = state.Messages;
    // Taken once: an abort of the report clears ReportMode while the scan runs, and
    // the scan it stops is still the report's, without the end questions.
    const bool reportMode = state.ReportMode;
    window.ClearLog();
    window.Log(window.Now() + m.Text(Msg::ScanningPleaseWait));
    ResetScanState(state);
    const std::string ignoreProblem = LoadIgnoreList(ProgramFolder(), m, window.Now(), state.Ignore);
    if (!ignoreProblem.empty())
        window.Log(ignoreProblem);
    window.ClearAlertLines();
    if (!reportMode) {
        window.ShowScanningLine();
        window.SetFixEnabled(false);
        window.SetScanning(true);
        window.Status(m.Text(Msg::InitializingSettings));
        PrepareStartupData(state, window);
    }

    LiveRecordMachine machine(
        state.StartupEntries, LiveProcessAccess(), [&window] { window.Pump(); }, state.AbortRequested);
    ScanRecords(state, machine, MachineRootFolders(), MachineFolder, window);
    if (!reportMode)
        EndScan(state, window, questions);
}
