#pragma once
#include <ostream>

#include "scan/RunQuickScan.h"

// The quick scan as the console shows it: every scan log line as it comes, every
// message as one line, caption then text; questions are answered No (the command
// line says what to do next).
class ConsoleScanWindow : public QuickScanWindow, public ScanQuestions {
public:
    ConsoleScanWindow(SharedState& state, std::ostream& out) : state_(state), out_(out) {}

    void Log(const std::string& line) override;
    int AlertLineCount() override { return alertLines_; }
    void AddAlertLine(const std::string&) override { ++alertLines_; }
    void Report(const std::string& line) override { WriteReportLine(state_, line); }
    std::string Now() override;
    void ClearLog() override {}
    void ClearAlertLines() override { alertLines_ = 0; }
    void ShowScanningLine() override {}
    void RemoveScanningLine() override {}
    void AddCleanLine(const std::string&) override {}
    void SetScanning(bool) override {}
    void SetFixEnabled(bool) override {}
    void RefreshStartupPrograms() override;
    void Pump() override {}

    bool AskAlert(const std::string& text) override;
    void Inform(const std::string& text) override;
    bool Ask(const std::string& text) override;
    void StartFullScan() override {}

private:
    void Print(Msg caption, const std::string& text);

    SharedState& state_;
    std::ostream& out_;
    int alertLines_ = 0;
};
