#include "ConsoleCleaning.h"

#include <windows.h>

#include "core/TextHelpers.h"
#include "platform/LocalTime.h"
#include "scan/FullScan.h"

namespace {

// Message boxes break lines with a single CR; a terminal wants LF.
std::string ConsoleLines(const std::string& text)
{
    return ReplaceAll(text, "\r", "\n");
}

} // namespace

ConsoleCleaningView::ConsoleCleaningView(SharedState& state, std::ostream& out, std::ostream& err)
    : state_(state), out_(out), err_(err)
{
}

void ConsoleCleaningView::Log(const std::string& line)
{
    out_ << line << "\n";
}

std::string ConsoleCleaningView::Now()
{
    return LongTimeText();
}

void ConsoleCleaningView::Pump()
{
    if (!timing_)
        return;
    // A retry every 10 ms, as the window's timer would count them.
    Sleep(10);
    state_.CleanSeconds = static_cast<long double>(GetTickCount64() - started_) / 1000;
}

void ConsoleCleaningView::SetCleanTimer(bool on)
{
    timing_ = on;
    if (on)
        started_ = GetTickCount64();
}

void ConsoleCleaningView::ShowError(const std::string& text)
{
    err_ << "pyrafixc: " << ConsoleLines(text) << "\n";
}

void ConsoleCleaningView::ShowInformation(const std::string& text)
{
    out_ << ConsoleLines(text) << "\n";
}

bool ConsoleCleaningView::Ask(const std::string& text)
{
    return text == state_.Messages.Text(Msg::FixQuestion);
}

int ConsoleFullScan(SharedState& state, const std::string& drives, std::ostream& out)
{
    const int before = state.DetectionCount;
    FullScanEvents events;
    events.Log = [&out](const std::string& line) { out << line << "\n"; };
    events.Now = [] { return LongTimeText(); };
    out << LongTimeText() << state.Messages.Text(Msg::ScanningPleaseWait) << "\n";
    WalkDrivesForCopies(drives.empty() ? LocalDrives(-1, FixedDrive) : drives, FullScanSeeds(state.AlertRecords), state,
                        events);
    return state.DetectionCount - before;
}
