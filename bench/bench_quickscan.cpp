// Times the quick scan of a generated database against its floor, the bare existence
// tests of the same candidate paths, on a machine with planted startup programs:
//   bench_quickscan [RECORDS [RUN_VALUES [PROCESSES [FORM [RUNS]]]]]     (100000, 200, 30, all, 7)
// FORM 0 to 19 makes every record of that one form (see MakeDatabase), to see what each costs;
// -1 is all forms. The scan and the floor are each the median of RUNS rounds. While the
// scan runs, a thread samples the working set for its peak.
// Plants copies of the waiting fixture (Run values under HKCU and running copies),
// prints "name value" lines, then removes everything it planted.
#include <windows.h>

#include <psapi.h>

#include <atomic>
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
#include "scan/RunQuickScan.h"
#include "scan/StartupCollector.h"
#include "systools/StartupValuesPage.h"

#include "BenchMachine.h"
#include "BenchTiming.h"

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

size_t WorkingSet()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

// Samples the working set every millisecond while it lives; Peak is the largest seen.
class WorkingSetSampler {
public:
    WorkingSetSampler() : thread_(CreateThread(nullptr, 0, Run, this, 0, nullptr)) {}
    ~WorkingSetSampler()
    {
        stop_ = true;
        if (thread_) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
        }
    }
    size_t Peak() const { return peak_; }

private:
    static DWORD WINAPI Run(void* self)
    {
        auto* sampler = static_cast<WorkingSetSampler*>(self);
        while (!sampler->stop_) {
            sampler->peak_ = std::max<size_t>(sampler->peak_, WorkingSet());
            Sleep(1);
        }
        return 0;
    }
    std::atomic<bool> stop_{false};
    std::atomic<size_t> peak_{0};
    HANDLE thread_;
};

} // namespace

int main(int argc, char** argv)
{
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runValues = argc > 2 ? std::atoi(argv[2]) : 200;
    const int processes = argc > 3 ? std::atoi(argv[3]) : 30;
    const int form = argc > 4 ? std::atoi(argv[4]) : -1;
    const int runs = argc > 5 ? std::max(1, std::atoi(argv[5])) : 7;
    const std::string self = ModuleFileName();
    const std::string fixture = self.substr(0, self.find_last_of('\\') + 1) + "idle_process.exe";

    Planted planted;
    Plant(planted, fixture, runValues, processes);

    const size_t workingSetBefore = WorkingSet();
    SharedState state;
    state.DatabaseStream = MemoryStream(MakeDatabase(records, form));
    // The collector as each quick scan runs it: the first of a run fills the pages'
    // lists (services above all), later ones take them as they stand.
    const auto collectOnce = [&state] {
        const auto start = std::chrono::steady_clock::now();
        RefreshStartupRecords(state);
        CollectStartupLocations(state, PageStartupSources(state));
        return Since(start);
    };
    const double collectFirst = collectOnce();
    const size_t processCount = RunningProcessTexts().size();
    auto start = std::chrono::steady_clock::now();

    const RootFolders roots = MachineRootFolders();
    Timings scans, collects;
    NullView view;
    size_t peakWorkingSet = 0;
    for (int round = 0; round < runs; ++round) {
        planted.KeepRunning();
        collects.Add(collectOnce());
        ResetScanState(state);
        view = NullView();
        WorkingSetSampler sampler;
        start = std::chrono::steady_clock::now();
        LiveRecordMachine machine(state.StartupEntries, LiveProcessAccess(), Pump{}, state.AbortRequested);
        ScanRecords(state, machine, roots, MachineFolder, view);
        scans.Add(Since(start));
        peakWorkingSet = std::max({peakWorkingSet, sampler.Peak(), WorkingSet()});
    }
    const double scan = scans.Median(), collect = collects.Median();
    for (size_t i = 0; i < view.log.size() && i < 5; ++i)
        std::fprintf(stderr, "hit: %s\n", view.log[i].c_str());

    ResetScanState(state);
    NullView noting;
    NotingMachine machine(state.StartupEntries, LiveProcessAccess(), Pump{}, state.AbortRequested);
    ScanRecords(state, machine, roots, MachineFolder, noting);
    Timings floors;
    int present = 0;
    for (int round = 0; round < runs; ++round) {
        present = 0;
        start = std::chrono::steady_clock::now();
        for (const std::string& path : machine.paths)
            present += GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
        floors.Add(Since(start));
    }
    const double floor = floors.Median();

    std::printf("records %d\nentries %d\nprocesses %zu\ncandidates %zu\npresent %d\nhits %zu\n", records,
                state.StartupEntries.Count(), processCount, machine.paths.size(), present, view.log.size());
    std::printf("collect_first %.4f\ncollect %.4f\nscan %.4f\nfloor %.4f\n", collectFirst, collect, scan, floor);
    std::printf("ratio %.2f\nratio_with_collect %.2f\n", scan / floor, (scan + collect) / floor);
    std::printf("database_bytes %zu\nworking_set_before %zu\npeak_working_set %zu\n", state.DatabaseStream.Size(),
                workingSetBefore, peakWorkingSet);
    return 0;
}
