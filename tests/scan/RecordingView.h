#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scan/QuickScan.h"

// Collects what the scan shows; the alert list starts with its "Scanning..." line.
struct RecordingView : QuickScanView {
    std::vector<std::string> log, lines{"Scanning..."}, report;
    std::function<void()> onLog;
    void Log(const std::string& line) override
    {
        log.push_back(line);
        if (onLog)
            onLog();
    }
    int AlertLineCount() override { return static_cast<int>(lines.size()) - 1; }
    void AddAlertLine(const std::string& text) override { lines.push_back(text); }
    void Report(const std::string& line) override { report.push_back(line); }
    std::string Now() override { return "T"; }
};

// Everything a scan leaves for the user and for cleaning, as text lines.
struct ScanOutcome {
    std::vector<std::string> lines, log, infected, alerts;
};

inline ScanOutcome OutcomeOf(const SharedState& state, const RecordingView& view)
{
    ScanOutcome outcome{view.lines, view.log, state.InfectedList.Lines(), {}};
    for (const TFileList& a : state.AlertRecords)
        outcome.alerts.push_back(a.Path + "|" + a.Name + "|" + a.Md5 + "|" + std::to_string(a.InfectedFolder) +
                                 std::to_string(a.SubFolder) + std::to_string(a.FileInFolder) + "|" +
                                 std::to_string(a.ListIndex));
    return outcome;
}
