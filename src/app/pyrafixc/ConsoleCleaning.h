#pragma once
#include <cstdint>
#include <ostream>
#include <string>

#include "scan/Cleaning.h"

// Cleaning as the console shows it: log lines and reports on `out`, the files that
// could not be cleaned on `err`. The command line already said what to do, so the
// fix question is answered Yes and the log upload No. The clean timer is the
// real clock.
class ConsoleCleaningView : public CleaningView {
public:
    ConsoleCleaningView(SharedState& state, std::ostream& out, std::ostream& err);

    void Log(const std::string& line) override;
    void Status(const std::string&) override {}
    std::string Now() override;
    // The console has no alert list: every line counts as checked.
    bool LineChecked(int) override { return true; }
    void SetLine(int, const std::string&) override {}
    void Pump() override;
    void SetCleanTimer(bool on) override;
    void SetRunning(bool) override {}
    void SetFixEnabled(bool) override {}
    void ShowError(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    bool Ask(const std::string& text) override;

private:
    SharedState& state_;
    std::ostream& out_;
    std::ostream& err_;
    bool timing_ = false;
    uint64_t started_ = 0;
};

// The full scan for the console: walks the drive roots or folders of a ";"-ended
// list (all fixed drives when empty) for copies of the file alerts, printing the
// scan log. Returns how many copies became alerts.
int ConsoleFullScan(SharedState& state, const std::string& drives, std::ostream& out);
