#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "RecordByRecordMachine.h"
#include "RecordingView.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "database/FileMd5.h"
#include "database/PathRoots.h"
#include "scan/LiveProcessAccess.h"
#include "scan/StartupCollector.h"
#include "systools/Fixtures.h"

namespace {

// What one hit leaves, written out: its alert record ("path|name|md5|flags|line"),
// its alert line, its log line and its InfectedList line.
struct Hit {
    std::string Alert, Line, Log, Infected;
};

// One record form on a planted machine. In every text, %D% stands for the row's own
// folder, %S% for System32, %P% for the process id, %F% for the MD5 text of a planted
// file (all hold the 13 bytes "scenario file"), and %M% and %Z% for the MD5 text and
// the size of the first running program.
struct Row {
    const char* Title;
    // Files to plant: "name" with the planted text, "name<1975" the same dated 1975 (so
    // folder listings skip it), "name=other" a copy of another planted file.
    std::vector<std::string> Files;
    std::vector<std::string> Running; // copies of the waiting fixture, started
    std::vector<std::string> RunValues;
    std::string Records;
    std::vector<Hit> Hits;
    std::vector<std::string> Ended = {}; // running programs the scan must end
    bool MachineRoots = false;           // root lines name this machine's folders (else all are %D%)
    bool InCurrentFolder = false;        // %D% is the current folder while scanning
};

const char PlantedText[] = "scenario file";
const char PlantedMd5[] = "535b3272de90795168d5b51e0373a0d7";

const std::vector<Row>& Rows()
{
    static const std::vector<Row> rows = {
        {"a System32 root with \\drivers\\",
         {"%S%\\drivers\\pyrafix-evil-%P%.sys"},
         {},
         {},
         "[System32Root]\\drivers\\\r\n[Bad.A]:pyrafix-evil-%P%.sys\r\n",
         {{"%S%\\drivers\\pyrafix-evil-%P%.sys|Bad.A|%F%|000|0", "Infected with Bad.A",
           "T: Infected file (Bad.A) %S%\\drivers\\pyrafix-evil-%P%.sys",
           "!Infected pyrafix-evil-%P%.sys=;%S%\\drivers\\;bad.a;%F%;13;"}},
         {},
         true},
        {"a bare name after [Start]",
         {"pyrafix-bare-%P%.exe"},
         {},
         {},
         "[Start]\r\n[Bare]:pyrafix-bare-%P%.exe\r\n[Start]\r\n[Bare.Absent]:pyrafix-absent-%P%.exe\r\n",
         {{"pyrafix-bare-%P%.exe|Bare|%F%|000|0", "Infected with Bare", "T: Infected file (Bare) pyrafix-bare-%P%.exe",
           "!Infected pyrafix-bare-%P%.exe=;;bare;%F%;13;"}},
         {},
         false,
         true},
        {"/0/ takes the file in the folder, never the running copy",
         {"zero-%P%.exe"},
         {"run\\zero-%P%.exe"},
         {},
         "[System32Root]\r\n[Zero.Running]:zero-%P%.exe\r\n/0/[Zero]:zero-%P%.exe\r\n",
         {{"%D%\\run\\zero-%P%.exe|Zero.Running|%M%|000|0", "Infected with Zero.Running",
           "T: Infected file (Zero.Running) %D%\\run\\zero-%P%.exe",
           "!Infected zero-%P%.exe=;%D%\\run\\;zero.running;%M%;%Z%;"},
          {"%D%\\zero-%P%.exe|Zero|%F%|000|1", "Infected with Zero", "T: Infected file (Zero) %D%\\zero-%P%.exe",
           "!Infected zero-%P%.exe=;%D%\\;zero;%F%;13;"}},
         {"run\\zero-%P%.exe"}},
        {"a fingerprint-only record takes the first startup entry in order: Proc before RegRun",
         {"fprun-%P%.exe=fpproc-%P%.exe"},
         {"fpproc-%P%.exe"},
         {"%D%\\fprun-%P%.exe /s"},
         "/%M%/[Fp.Only]::\r\n/d41d8cd98f00b204e9800998ecf8427f/[Fp.Absent]::\r\n",
         {{"%D%\\fpproc-%P%.exe|Fp.Only|%M%|000|0", "Infected with Fp.Only",
           "T: Infected file (Fp.Only) %D%\\fpproc-%P%.exe", "!Infected fpproc-%P%.exe=;%D%\\;fp.only;%M%;%Z%;"}},
         {"fpproc-%P%.exe"}},
        {"a Run value under %SystemRoot%\\System32 names the file there",
         {"%S%\\pyrafix-envrun-%P%.exe"},
         {},
         {"%SystemRoot%\\System32\\pyrafix-envrun-%P%.exe /s"},
         "/%F%/[Fp.Env]::\r\n",
         {{"%S%\\pyrafix-envrun-%P%.exe|Fp.Env|%F%|000|0", "Infected with Fp.Env",
           "T: Infected file (Fp.Env) %S%\\pyrafix-envrun-%P%.exe",
           "!Infected pyrafix-envrun-%P%.exe=;%S%\\;fp.env;%F%;13;"}}},
        {"the three random-name families",
         {"msaa.exe", "msab.exe", "msac.exe", "msad.exe", "run1.exe", "run2.exe", "run3.exe", "run4.exe", "xq.exe",
          "xr.exe", "xs.exe", "xt.exe"},
         {},
         {},
         "[System32Root]\r\n[Fam]:msa??a?d?.exe\r\n[Num]:run??1?4?.exe\r\n[Rst]:x??r?t?.exe\r\n",
         {{"%D%\\msaa.exe|Sys32.msaa|%F%|000|0", "Infected with Sys32.msaa",
           "T: Infected file (Sys32.msaa) %D%\\msaa.exe", "!Infected msaa.exe=;%D%\\;sys32.msaa;%F%;13;"},
          {"%D%\\msab.exe|Sys32.msab|%F%|000|1", "Infected with Sys32.msab",
           "T: Infected file (Sys32.msab) %D%\\msab.exe", "!Infected msab.exe=;%D%\\;sys32.msab;%F%;13;"},
          {"%D%\\msac.exe|Sys32.msac|%F%|000|2", "Infected with Sys32.msac",
           "T: Infected file (Sys32.msac) %D%\\msac.exe", "!Infected msac.exe=;%D%\\;sys32.msac;%F%;13;"},
          {"%D%\\run1.exe|Sys32.run1|%F%|000|3", "Infected with Sys32.run1",
           "T: Infected file (Sys32.run1) %D%\\run1.exe", "!Infected run1.exe=;%D%\\;sys32.run1;%F%;13;"},
          {"%D%\\run2.exe|Sys32.run2|%F%|000|4", "Infected with Sys32.run2",
           "T: Infected file (Sys32.run2) %D%\\run2.exe", "!Infected run2.exe=;%D%\\;sys32.run2;%F%;13;"},
          {"%D%\\run3.exe|Sys32.run3|%F%|000|5", "Infected with Sys32.run3",
           "T: Infected file (Sys32.run3) %D%\\run3.exe", "!Infected run3.exe=;%D%\\;sys32.run3;%F%;13;"},
          {"%D%\\xr.exe|Sys32.xr|%F%|000|6", "Infected with Sys32.xr", "T: Infected file (Sys32.xr) %D%\\xr.exe",
           "!Infected xr.exe=;%D%\\;sys32.xr;%F%;13;"},
          {"%D%\\xs.exe|Sys32.xs|%F%|000|7", "Infected with Sys32.xs", "T: Infected file (Sys32.xs) %D%\\xs.exe",
           "!Infected xs.exe=;%D%\\;sys32.xs;%F%;13;"},
          {"%D%\\xq.exe|Sys32.xq|%F%|000|8", "Infected with Sys32.xq", "T: Infected file (Sys32.xq) %D%\\xq.exe",
           "!Infected xq.exe=;%D%\\;sys32.xq;%F%;13;"}}},
        {"a wildcard matched through the startup programs of its folder",
         {"toolkit.exe<1975", "other\\toolbox.exe"},
         {},
         {"%D%\\toolkit.exe /min", "%D%\\other\\toolbox.exe"},
         "[System32Root]\r\n[Tool.W]:tool<>.exe\r\n",
         {{"%D%\\toolkit.exe|Lock:Sys32.toolkit|%F%|000|0", "Infected with Sys32.toolkit",
           "T: Infected file (Sys32.toolkit) %D%\\toolkit.exe",
           "!Infected toolkit.exe=;%D%\\;lock:sys32.toolkit;%F%;13;"}}},
    };
    return rows;
}

void MakeParentFolder(const std::string& path)
{
    CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
}

// Plants a row, scans it with the live machine and compares everything it leaves.
void CheckRow(const Row& row, const TestFolder& base, int index)
{
    const std::string d = base / ("row" + std::to_string(index));
    CreateDirectoryA(d.c_str(), nullptr);
    std::string md5OfRunning, sizeOfRunning;
    // InfectedList lines hold the folders in lower case.
    auto expand = [&](const std::string& text, bool lowerFolders = false) {
        const auto folder = [&](const std::string& path) { return lowerFolders ? LowerCase(path) : path; };
        std::string out = ReplaceAll(text, "%D%", folder(d));
        out = ReplaceAll(out, "%S%", folder(SystemFolder()));
        out = ReplaceAll(out, "%P%", std::to_string(GetCurrentProcessId()));
        out = ReplaceAll(out, "%F%", PlantedMd5);
        out = ReplaceAll(out, "%Z%", sizeOfRunning);
        return ReplaceAll(out, "%M%", md5OfRunning);
    };
    auto where = [&](const std::string& name) {
        const std::string path = expand(name);
        return path.find(':') != std::string::npos ? path : d + "\\" + path;
    };

    std::vector<std::unique_ptr<RunningFixture>> running;
    for (const std::string& name : row.Running) {
        MakeParentFolder(where(name));
        running.push_back(std::make_unique<RunningFixture>(where(name), "scenario " + expand(name)));
    }
    if (!row.Running.empty()) {
        md5OfRunning = Md5Text(FileMd5(where(row.Running.front())));
        sizeOfRunning = std::to_string(std::filesystem::file_size(where(row.Running.front())));
    }
    std::vector<std::string> planted;
    for (const std::string& entry : row.Files) {
        const size_t copy = entry.find('='), old = entry.find('<');
        const std::string path = where(entry.substr(0, std::min(copy, old)));
        MakeParentFolder(path);
        if (copy != std::string::npos) {
            EXPECT_TRUE(CopyFileA(where(entry.substr(copy + 1)).c_str(), path.c_str(), FALSE)) << path;
        } else {
            const std::string content = PlantedText;
            HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            EXPECT_TRUE(WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr)) << path;
            CloseHandle(h);
            if (old != std::string::npos) {
                EXPECT_TRUE(SetWriteYear(path, 1975));
            }
        }
        planted.push_back(path);
    }

    SharedState state;
    for (const std::string& command : row.RunValues)
        state.StartupRecords.push_back({0, "Software\\Run", "scenario", expand(command)});
    StartupSources sources;
    sources.Processes = RunningProcessTexts();
    CollectStartupLocations(state, sources);

    char saved[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, saved);
    if (row.InCurrentFolder)
        SetCurrentDirectoryA(d.c_str());

    state.DatabaseStream = MemoryStream("2026-12-10\r\n" + expand(row.Records) + "_end\r\n");
    const RootFolders roots = row.MachineRoots ? MachineRootFolders() : RootFolders{d, d, d};
    // First the scan that asks the system about every path; it ends no process, so
    // that the scan after it finds the same programs running.
    ProcessAccess sparing = LiveProcessAccess();
    sparing.EndProcessesByName = nullptr;
    ResetScanState(state);
    RecordingView uncachedView;
    RecordByRecordMachine reference(state.StartupEntries, sparing, state.AbortRequested);
    ScanRecords(state, reference, roots, FolderLookup{}, uncachedView);
    const ScanOutcome uncached = OutcomeOf(state, uncachedView);

    ResetScanState(state);
    RecordingView view;
    LiveRecordMachine machine(state.StartupEntries, LiveProcessAccess(), Pump{}, state.AbortRequested);
    ScanRecords(state, machine, roots, FolderLookup{}, view);
    ScanOutcome got = OutcomeOf(state, view);
    EXPECT_EQ(got.alerts, uncached.alerts);
    EXPECT_EQ(got.lines, uncached.lines);
    EXPECT_EQ(got.log, uncached.log);
    EXPECT_EQ(got.infected, uncached.infected);

    ScanOutcome want;
    want.lines.push_back("Scanning...");
    for (const Hit& hit : row.Hits) {
        want.alerts.push_back(expand(hit.Alert));
        want.lines.push_back(hit.Line);
        want.log.push_back(expand(hit.Log));
        want.infected.push_back(expand(hit.Infected, true));
    }
    SetCurrentDirectoryA(saved);

    // Paths come back in lower case where the startup entries or the process list gave them.
    for (ScanOutcome* outcome : {&got, &want}) {
        for (std::string& alert : outcome->alerts)
            alert = LowerCase(alert.substr(0, alert.find('|'))) + alert.substr(alert.find('|'));
        for (std::string& line : outcome->log)
            line = LowerCase(line);
    }
    std::sort(want.infected.begin(), want.infected.end());
    std::sort(got.infected.begin(), got.infected.end());
    EXPECT_EQ(got.alerts, want.alerts);
    EXPECT_EQ(got.lines, want.lines);
    EXPECT_EQ(got.log, want.log);
    EXPECT_EQ(got.infected, want.infected);
    EXPECT_EQ(state.DetectionCount, static_cast<int>(row.Hits.size()));
    EXPECT_EQ(state.ScanFoundAny, !row.Hits.empty());

    for (size_t i = 0; i < row.Running.size(); ++i) {
        const bool shouldEnd = std::find(row.Ended.begin(), row.Ended.end(), row.Running[i]) != row.Ended.end();
        EXPECT_EQ(running[i]->Ended(shouldEnd ? 10000 : 0), shouldEnd) << row.Running[i];
    }
    running.clear();
    for (const std::string& path : planted)
        DeleteFileA(path.c_str());
}

} // namespace

TEST(QuickScanScenario, EachRecordFormOnAPlantedMachine)
{
    TestFolder dir;
    for (size_t i = 0; i < Rows().size(); ++i) {
        SCOPED_TRACE(Rows()[i].Title);
        CheckRow(Rows()[i], dir, static_cast<int>(i));
    }
}
