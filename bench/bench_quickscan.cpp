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

namespace {

const char RunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Names no machine has: consonant runs that no system file or process uses.
std::string Nonsense(std::mt19937& random, int length)
{
    static const char letters[] = "bcdfghjklmnpqrstvwxz";
    std::string name;
    for (int i = 0; i < length; ++i)
        name += letters[random() % 20];
    return name;
}

// A database that uses every record form, with root lines every few records.
std::string MakeDatabase(int records, int onlyForm)
{
    std::mt19937 random(7);
    std::string text = "2026-12-10\r\n";
    static const char* roots[] = {"[System32Root]", "[Win32Root]", "[ProgramFiles32Root]", "[System32Root]\\drivers\\",
                                  "[Start]"};
    for (int i = 0; i < records; ++i) {
        if (i % 50 == 0)
            text += std::string(roots[(i / 50) % 5]) + "\r\n";
        const std::string n = Nonsense(random, 6 + random() % 5), name = "[Bench." + std::to_string(i) + "]";
        char md5[33];
        std::snprintf(md5, sizeof md5, "%08x%08x%08x%08x", static_cast<unsigned>(random()),
                      static_cast<unsigned>(random()), static_cast<unsigned>(random()),
                      static_cast<unsigned>(random()));
        const bool absolute = (i / 50) % 5 == 4; // under "[Start]" a record names a whole path
        const std::string at = absolute ? "C:\\" + Nonsense(random, 5) + "\\" : "";
        switch (onlyForm >= 0 ? onlyForm : i % 20) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            text += name + ":" + at + n + ".exe";
            break;
        case 6:
            text += ":" + at + n + ".dll"; // the default name
            break;
        case 7:
            text += name + ":" + at + Nonsense(random, 5) + "\\" + n + ".exe";
            break;
        case 8:
            text += name + ":" + at + n + "\\\\"; // a folder
            break;
        case 9:
        case 10:
            text += "/" + std::string(md5) + "/" + name + "::"; // fingerprint only
            break;
        case 11:
            text += "/0/" + name + ":" + at + n + ".exe";
            break;
        case 12:
            text += name + ":" + at + n + "<>.exe"; // wildcard
            break;
        case 13:
            text += name + ":" + at + n + "??a?d?.exe"; // letters a to c
            break;
        case 14:
            text += name + ":" + at + n + "??1?4?.dll"; // numbers 1 to 3
            break;
        case 15:
            text += name + ":" + at + n + "&0123456789!.exe";
            break;
        case 16:
            text += name + ":" + at + n.substr(0, 3) + "?" + n.substr(3) + "?.exe";
            break;
        case 17:
            text += name + ":" + at + (i % 100 == 17 ? std::string("randomA.exe") : n + ".sys");
            break;
        case 18:
            text += name + ":%%WinTemp%%\\" + n + ".exe";
            break;
        default:
            text += "/" + std::string(md5) + "/" + name + ":" + at + n + ".scr";
            break;
        }
        text += "\r\n";
    }
    return text + "_end\r\n";
}

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

struct Planted {
    std::string folder;
    int runValues = 0;
    std::vector<std::string> programs;
    std::vector<PROCESS_INFORMATION> processes;

    // Starts the running copies that are not running: the fixture ends itself after a
    // minute, and every round of the scan must see them all.
    void KeepRunning()
    {
        processes.resize(programs.size());
        bool started = false;
        for (size_t i = 0; i < programs.size(); ++i) {
            PROCESS_INFORMATION& p = processes[i];
            if (p.hProcess && WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT)
                continue;
            Close(p);
            std::string command = "\"" + programs[i] + "\" 60";
            STARTUPINFOA startup{};
            startup.cb = sizeof startup;
            CreateProcessA(programs[i].c_str(), command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                           nullptr, &startup, &p);
            started = true;
        }
        if (started)
            Sleep(2000); // until every copy shows its module path
    }

    static void Close(PROCESS_INFORMATION& p)
    {
        if (!p.hProcess)
            return;
        TerminateProcess(p.hProcess, 1);
        WaitForSingleObject(p.hProcess, 10000);
        CloseHandle(p.hProcess);
        CloseHandle(p.hThread);
        p = PROCESS_INFORMATION{};
    }

    ~Planted()
    {
        for (PROCESS_INFORMATION& p : processes)
            Close(p);
        RegKey key;
        if (key.Open(HKEY_CURRENT_USER, RunKey, KEY_READ | KEY_WRITE))
            for (int i = 0; i < runValues; ++i)
                key.DeleteValue("PyrafixBench" + std::to_string(i));
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
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

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    Planted planted;
    planted.folder = std::string(temp) + "pyrafix-bench-scan-" + std::to_string(GetCurrentProcessId());
    std::filesystem::create_directories(planted.folder);

    RegKey run;
    if (!run.Create(HKEY_CURRENT_USER, RunKey)) {
        std::fprintf(stderr, "cannot open the Run key\n");
        return 1;
    }
    for (int i = 0; i < runValues; ++i) {
        const std::string copy = planted.folder + "\\Startup Program " + std::to_string(i) + ".exe";
        CopyFileA(fixture.c_str(), copy.c_str(), FALSE);
        run.WriteString("PyrafixBench" + std::to_string(i), "\"" + copy + "\" /background -n " + std::to_string(i));
        planted.runValues = i + 1;
    }
    for (int i = 0; i < processes; ++i) {
        const std::string copy = planted.folder + "\\resident" + std::to_string(i) + ".exe";
        CopyFileA(fixture.c_str(), copy.c_str(), FALSE);
        planted.programs.push_back(copy);
    }
    planted.KeepRunning();

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
