#include "ConsoleReport.h"

#include "ConsoleScan.h"
#include "ConsoleTexts.h"
#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "platform/LocalTime.h"
#include "reports/FullReport.h"
#include "reports/JsonReport.h"
#include "reports/WindowsVersion.h"
#include "systools/Processes.h"
#include "systools/StartupValuesPage.h"

namespace {

constexpr int Done = 0;
constexpr int Failed = 2;

// Swallows the scan's log: the report itself is the command's output.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

// The full report without windows: the same work the main window's pages do.
class ConsoleReportView : public FullReportView {
public:
    explicit ConsoleReportView(SharedState& state) : state_(state), quiet_(&null_), window_(state, quiet_) {}
    void ScanInReportMode() override { RunQuickScan(state_, window_, window_); }
    std::vector<std::string> RefreshProcesses(const LineSink& report) override
    {
        return ProcessPageRows(state_.Messages, report);
    }
    void RefreshStartupRecords(const LineSink& report) override { ::RefreshStartupRecords(state_, report); }
    ReportLists ReloadLists() override { return LoadReportLists(state_.Messages); }
    void Pump() override {}

private:
    SharedState& state_;
    NullBuffer null_;
    std::ostream quiet_;
    ConsoleScanWindow window_;
};

struct ReportOptions {
    std::string out;
    std::string json;
};

bool ParseReportOptions(const std::vector<std::string>& args, ReportOptions& options, std::ostream& err)
{
    for (size_t i = 0; i < args.size(); ++i) {
        std::string* file = args[i] == "--out" ? &options.out : args[i] == "--json" ? &options.json : nullptr;
        if (!file) {
            err << "pyrafixc: " << ConsoleText(Msg::ConsoleUnknownOptionFor) << args[i] << "\n";
            return false;
        }
        if (i + 1 >= args.size()) {
            err << "pyrafixc: " << args[i] << ConsoleText(Msg::ConsoleOptionNeedsFile) << "\n";
            return false;
        }
        *file = args[++i];
    }
    return true;
}

} // namespace

FullReportResult BuildConsoleReport(SharedState& state, const std::string& path, const std::string& windowsName)
{
    ConsoleReportView view(state);
    const SYSTEMTIME now = LocalNow();
    return BuildFullReport(state, path,
                           ReportHeaderLines(state.Messages, ShortDateText(now), LongTimeText(now), windowsName), view);
}

int ConsoleReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ReportOptions options;
    if (!ParseReportOptions(args, options, err))
        return Failed;
    const std::string folder = ProgramFolder();
    const std::string path = options.out.empty() ? folder + "Information.txt" : options.out;

    SharedState state;
    state.Messages = ConsoleMessages();
    // Without a database the report still lists the machine, says so, and has no detections.
    if (!LoadDatabase(folder + "files.dat", state.DatabaseStream)) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleCannotReadDatabase) << folder << "files.dat\n";
        state.ReportInfectedFiles = false;
    }
    const std::string isoTime = IsoLocalTime();
    const std::string windowsName = WindowsVersionName();
    const FullReportResult result = BuildConsoleReport(state, path, windowsName);
    if (!result.Written) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleCannotWriteReport) << path << "\n";
        return Failed;
    }
    out << ConsoleText(Msg::ConsoleReportWritten) << path << "\n";
    if (options.json.empty())
        return Done;
    const std::string json = JsonReport(state, result, windowsName, isoTime);
    if (!WriteFileReplacing(options.json, json.data(), json.size())) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleCannotWriteReport) << options.json << "\n";
        return Failed;
    }
    out << ConsoleText(Msg::ConsoleJsonWritten) << options.json << "\n";
    return Done;
}
