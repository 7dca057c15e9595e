#pragma once
#include "scan/Cleaning.h"
#include "shell/AppContext.h"

// Cleaning as the main window shows it: Memo2, the alert list List1, status panel 0,
// Timer1 for CleanSeconds, and message boxes of the application.
class MainWindowCleaningView : public CleaningView {
public:
    explicit MainWindowCleaningView(AppContext& context) : context_(context) {}

    void Log(const std::string& line) override;
    void Status(const std::string& text) override;
    std::string Now() override;
    bool LineChecked(int index) override;
    void SetLine(int index, const std::string& text) override;
    void Pump() override;
    void SetCleanTimer(bool on) override;
    void SetRunning(bool running) override;
    void SetFixEnabled(bool on) override;
    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    bool Ask(const std::string& text) override;
    void SendLog() override;

private:
    AppContext& context_;
};

// The main window's "Fix" (Button2, menu mm1) and "Add to Quarantine" (xpButton5,
// menu mm2). Both do nothing while "Fix" is disabled.
void FixCommand(AppContext& context);
void QuarantineCommand(AppContext& context);
