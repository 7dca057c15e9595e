#pragma once
#include <string>

#include "model/SharedState.h"
#include "scan/QuickScan.h"
#include "scan/StartupCollector.h"

// The window around a quick scan: its log, alert list, buttons and the startup page.
// The main window gives its own; the console prints the log.
class QuickScanWindow : public QuickScanView {
public:
    virtual void ClearLog() = 0;
    virtual void ClearAlertLines() = 0;
    // The disabled "Scanning..." line that heads the alert list while the scan runs.
    virtual void ShowScanningLine() = 0;
    virtual void RemoveScanningLine() = 0;
    // The disabled "Your computer is clean..." line.
    virtual void AddCleanLine(const std::string& text) = 0;
    virtual void SetScanning(bool scanning) = 0;
    virtual void SetFixEnabled(bool on) = 0;
    // Rebuilds StartupRecords and whatever shows them, as the startup page's "Refresh".
    virtual void RefreshStartupPrograms() = 0;
    // Lets pending window messages run ("Abort" among them).
    virtual void Pump() = 0;
};

// What the end of a quick scan asks and tells.
class ScanQuestions {
public:
    virtual ~ScanQuestions() = default;
    // A Yes/No alert box (caption message 21); true only for Yes.
    virtual bool AskAlert(const std::string& text) = 0;
    // An information box (caption message 23).
    virtual void Inform(const std::string& text) = 0;
    // A Yes/No question (caption message 28); true only for Yes.
    virtual bool Ask(const std::string& text) = 0;
    // Yes to the full-scan offer: the full-scan window takes over the scan's end.
    virtual void StartFullScan() = 0;
    // The log upload, offered when the update server asked for logs.
    virtual void SendLog() {}
};

// The whole quick scan: preparation, every record of DatabaseStream against this
// machine, and (outside report mode) the end with its questions.
void RunQuickScan(SharedState& state, QuickScanWindow& window, ScanQuestions& questions);

// The lists the collector reads, taken from the system tools as they are now.
StartupSources CurrentStartupSources(const MessageTable& messages);

// The lists the collector reads as the pages hold them (state.Pages): a list no page
// has filled in this run is read from the system once and kept there. The running
// processes are always read anew.
StartupSources PageStartupSources(SharedState& state);

// Each list as its page reads it from the system.
std::vector<std::string> StartupFolderCommandsNow();
std::vector<std::string> ServiceImagePathsNow(const MessageTable& messages);
std::vector<std::string> SystemIniEntriesNow();
