// Times the full report as `pyrafixc report` writes it against the quick scan alone
// plus the startup locations collector, on the same planted machine and database:
//   bench_report [RECORDS [RUN_VALUES [PROCESSES [RUNS]]]]     (100000, 200, 30, 7)
// Each side is the median of RUNS rounds.
// Prints "name value" lines, then removes everything it planted.
#include <algorithm>
#include <cstdlib>

#include "BenchMachine.h"
#include "BenchTiming.h"
#include "ConsoleReport.h"
#include "platform/FileSystem.h"
#include "scan/FolderPlaceholders.h"
#include "scan/LiveProcessAccess.h"
#include "scan/QuickScan.h"
#include "scan/RunQuickScan.h"
#include "systools/StartupValuesPage.h"

namespace {

using namespace bench;

struct NullView : QuickScanView {
    int lines = 0;
    void Log(const std::string&) override {}
    int AlertLineCount() override { return lines; }
    void AddAlertLine(const std::string&) override { ++lines; }
    void Report(const std::string&) override {}
    std::string Now() override { return "T"; }
};

} // namespace

int main(int argc, char** argv)
{
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runValues = argc > 2 ? std::atoi(argv[2]) : 200;
    const int processes = argc > 3 ? std::atoi(argv[3]) : 30;
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 7;
    const std::string self = ModuleFileName();
    const std::string folder = self.substr(0, self.find_last_of('\\') + 1);
    Planted planted;
    Plant(planted, folder + "idle_process.exe", runValues, processes);
    const MemoryStream database(MakeDatabase(records, -1));
    const std::string reportPath = planted.folder + "\\Information.txt";

    Timings peers, reports;
    size_t lines = 0;
    for (int round = 0; round < runs; ++round) {
        planted.KeepRunning();
        {
            SharedState state;
            state.DatabaseStream = database;
            const auto start = std::chrono::steady_clock::now();
            RefreshStartupRecords(state);
            CollectStartupLocations(state, CurrentStartupSources(state.Messages));
            ResetScanState(state);
            NullView view;
            LiveRecordMachine machine(state.StartupEntries, LiveProcessAccess(), Pump{}, state.AbortRequested);
            ScanRecords(state, machine, MachineRootFolders(), MachineFolder, view);
            peers.Add(Since(start));
        }
        planted.KeepRunning();
        {
            SharedState state;
            state.DatabaseStream = database;
            const auto start = std::chrono::steady_clock::now();
            if (!BuildConsoleReport(state, reportPath, "bench").Written) {
                std::fprintf(stderr, "cannot write %s\n", reportPath.c_str());
                return 1;
            }
            reports.Add(Since(start));
        }
    }
    const double peer = peers.Median(), ours = reports.Median();
    std::vector<uint8_t> report;
    if (ReadWholeFile(reportPath, report))
        lines = static_cast<size_t>(std::count(report.begin(), report.end(), '\n'));
    std::printf("records %d\nrun_values %d\nprocesses %d\nreport_lines %zu\n", records, runValues, processes, lines);
    std::printf("scan_and_collect %.4f\nreport %.4f\nratio %.2f\n", peer, ours, ours / peer);
    return 0;
}
