// Times the quick scan of a generated database against its floor, the bare existence
// tests of the same candidate paths, on a machine with planted startup programs:
//   bench_quickscan [RECORDS [RUN_VALUES [PROCESSES [FORM]]]]     (100000, 200, 30, all)
// FORM 0 to 19 makes every record of that one form (see MakeDatabase), to see what each costs.
// Plants copies of the waiting fixture (Run values under HKCU and running copies),
// prints "name value" lines, then removes everything it planted.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"
#include "scan/FolderPlaceholders.h"
#include "scan/LiveProcessAccess.h"
#include "scan/QuickScan.h"
#include "scan/StartupCollector.h"
#include "systools/StartupValuesPage.h"

#include "BenchMachine.h"

namespace {

using namespace bench;

struct NullView : QuickScanView {
    int lines = 0;
    std::vector<std::string> log;
    void Log(const std::string& line) override { log.push_back(line); }
    int AlertLineCount() override { return lines; }
    void AddAlertLine(const std::string&) override { ++lines; }
    void Report(const std::string&) override {}
    std::string Now() override { return "T"; }
};

// The live machine, noting every path whose existence a record asks for.
class NotingMachine : public LiveRecordMachine {
public:
    using LiveRecordMachine::LiveRecordMachine;
    bool FileUsable(const std::string& path) override
    {
        paths.push_back(path);
        return LiveRecordMachine::FileUsable(path);
    }
    bool FolderExists(const std::string& path) override
    {
        paths.push_back(path);
        return LiveRecordMachine::FolderExists(path);
    }
    std::vector<std::string> paths;
};

} // namespace

int main(int argc, char** argv)
{
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runValues = argc > 2 ? std::atoi(argv[2]) : 200;
    const int processes = argc > 3 ? std::atoi(argv[3]) : 30;
    const int form = argc > 4 ? std::atoi(argv[4]) : -1;
    const std::string self = ModuleFileName();
    const std::string fixture = self.substr(0, self.find_last_of('\\') + 1) + "idle_process.exe";

    Planted planted;
    Plant(planted, fixture, runValues, processes);

    SharedState state;
    state.DatabaseStream = MemoryStream(MakeDatabase(records, form));
    auto start = std::chrono::steady_clock::now();
    RefreshStartupRecords(state);
    StartupSources sources;
    sources.Processes = RunningProcessTexts();
    CollectStartupLocations(state, sources);
    const double collect = Since(start);

    const RootFolders roots = MachineRootFolders();
    double best = 1e9;
    NullView view;
    for (int round = 0; round < 3; ++round) {
        planted.KeepRunning();
        ResetScanState(state);
        view = NullView();
        start = std::chrono::steady_clock::now();
        LiveRecordMachine machine(state.StartupEntries, LiveProcessAccess(), Pump{}, state.AbortRequested);
        ScanRecords(state, machine, roots, MachineFolder, view);
        best = std::min(best, Since(start));
    }
    for (size_t i = 0; i < view.log.size() && i < 5; ++i)
        std::fprintf(stderr, "hit: %s\n", view.log[i].c_str());

    ResetScanState(state);
    NullView noting;
    NotingMachine machine(state.StartupEntries, LiveProcessAccess(), Pump{}, state.AbortRequested);
    ScanRecords(state, machine, roots, MachineFolder, noting);
    double floor = 1e9;
    int present = 0;
    for (int round = 0; round < 3; ++round) {
        present = 0;
        start = std::chrono::steady_clock::now();
        for (const std::string& path : machine.paths)
            present += GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        floor = std::min(floor, Since(start));
    }

    std::printf("records %d\nentries %d\nprocesses %zu\ncandidates %zu\npresent %d\nhits %zu\n", records,
                state.StartupEntries.Count(), sources.Processes.size(), machine.paths.size(), present, view.log.size());
    std::printf("collect %.4f\nscan %.4f\nfloor %.4f\n", collect, best, floor);
    std::printf("ratio %.2f\nratio_with_collect %.2f\n", best / floor, (best + collect) / floor);
    return 0;
}
