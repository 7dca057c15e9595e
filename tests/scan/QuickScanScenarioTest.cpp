#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

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

struct Hit {
    std::string Path;
    std::string Name;
};

// One record form on a planted machine. In every text, %D% stands for the row's own
// folder, %S% for System32, %P% for the process id and %M% for the MD5 text of the
// first running program.
struct Row {
    const char* Title;
    // Files to plant: "name" with text of its own, "name<1975" the same dated 1975 (so
    // folder listings skip it), "name=other" a copy of another planted file.
    std::vector<std::string> Files;
    std::vector<std::string> Running; // copies of the waiting fixture, started
    std::vector<std::string> RunValues;
    std::string Records;
    std::vector<Hit> Hits;
    std::vector<std::string> Ended = {}; // running programs the scan must end
    bool MachineRoots = false;      // root lines name this machine's folders (else all are %D%)
    bool InCurrentFolder = false;   // %D% is the current folder while scanning
};

const std::vector<Row>& Rows()
{
    static const std::vector<Row> rows = {
        {"a System32 root with \\drivers\\",
         {"%S%\\drivers\\pyrafix-evil-%P%.sys"},
         {},
         {},
         "[System32Root]\\drivers\\\r\n[Bad.A]:pyrafix-evil-%P%.sys\r\n",
         {{"%S%\\drivers\\pyrafix-evil-%P%.sys", "Bad.A"}},
         {},
         true},
        {"a bare name after [Start]",
         {"pyrafix-bare-%P%.exe"},
         {},
         {},
         "[Start]\r\n[Bare]:pyrafix-bare-%P%.exe\r\n[Start]\r\n[Bare.Absent]:pyrafix-absent-%P%.exe\r\n",
         {{"pyrafix-bare-%P%.exe", "Bare"}},
         {},
         false,
         true},
        {"/0/ takes the file in the folder, never the running copy",
         {"zero-%P%.exe"},
         {"run\\zero-%P%.exe"},
         {},
         "[System32Root]\r\n[Zero.Running]:zero-%P%.exe\r\n/0/[Zero]:zero-%P%.exe\r\n",
         {{"%D%\\run\\zero-%P%.exe", "Zero.Running"}, {"%D%\\zero-%P%.exe", "Zero"}},
         {"run\\zero-%P%.exe"}},
        {"a fingerprint-only record takes the first startup entry in order: Proc before RegRun",
         {"fprun-%P%.exe=fpproc-%P%.exe"},
         {"fpproc-%P%.exe"},
         {"%D%\\fprun-%P%.exe /s"},
         "/%M%/[Fp.Only]::\r\n/d41d8cd98f00b204e9800998ecf8427f/[Fp.Absent]::\r\n",
         {{"%D%\\fpproc-%P%.exe", "Fp.Only"}},
         {"fpproc-%P%.exe"}},
        {"the three random-name families",
         {"msaa.exe", "msab.exe", "msac.exe", "msad.exe", "run1.exe", "run2.exe", "run3.exe", "run4.exe", "xq.exe",
          "xr.exe", "xs.exe", "xt.exe"},
         {},
         {},
         "[System32Root]\r\n[Fam]:msa??a?d?.exe\r\n[Num]:run??1?4?.exe\r\n[Rst]:x??r?t?.exe\r\n",
         {{"%D%\\msaa.exe", "Sys32.msaa"},
          {"%D%\\msab.exe", "Sys32.msab"},
          {"%D%\\msac.exe", "Sys32.msac"},
          {"%D%\\run1.exe", "Sys32.run1"},
          {"%D%\\run2.exe", "Sys32.run2"},
          {"%D%\\run3.exe", "Sys32.run3"},
          {"%D%\\xr.exe", "Sys32.xr"},
          {"%D%\\xs.exe", "Sys32.xs"},
          {"%D%\\xq.exe", "Sys32.xq"}}},
        {"a wildcard matched through the startup programs of its folder",
         {"toolkit.exe<1975", "other\\toolbox.exe"},
         {},
         {"%D%\\toolkit.exe /min", "%D%\\other\\toolbox.exe"},
         "[System32Root]\r\n[Tool.W]:tool<>.exe\r\n",
         {{"%D%\\toolkit.exe", "Lock:Sys32.toolkit"}}},
    };
    return rows;
}

std::string Display(const std::string& name)
{
    const size_t lock = name.find("Lock:");
    return lock == std::string::npos ? name : name.substr(0, lock) + name.substr(lock + 5);
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
    std::string md5OfRunning;
    auto expand = [&](const std::string& text) {
        std::string out = ReplaceAll(text, "%D%", d);
        out = ReplaceAll(out, "%S%", SystemFolder());
        out = ReplaceAll(out, "%P%", std::to_string(GetCurrentProcessId()));
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
    if (!row.Running.empty())
        md5OfRunning = Md5Text(FileMd5(where(row.Running.front())));
    std::vector<std::string> planted;
    for (const std::string& entry : row.Files) {
        const size_t copy = entry.find('='), old = entry.find('<');
        const std::string path = where(entry.substr(0, std::min(copy, old)));
        MakeParentFolder(path);
        if (copy != std::string::npos) {
            EXPECT_TRUE(CopyFileA(where(entry.substr(copy + 1)).c_str(), path.c_str(), FALSE)) << path;
        } else {
            const std::string content = "scenario file " + path;
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
    ResetScanState(state);
    RecordingView view;
    LiveRecordMachine machine(state.StartupEntries, LiveProcessAccess(), Pump{}, state.AbortRequested);
    ScanRecords(state, machine, row.MachineRoots ? MachineRootFolders() : RootFolders{d, d, d}, FolderLookup{},
                view);
    ScanOutcome got = OutcomeOf(state, view);

    ScanOutcome want;
    want.lines.push_back("Scanning...");
    for (size_t i = 0; i < row.Hits.size(); ++i) {
        const std::string path = expand(row.Hits[i].Path), name = row.Hits[i].Name;
        const std::string md5 = Md5Text(FileMd5(path)), size = std::to_string(FileSizeOf(path));
        const size_t slash = path.find_last_of('\\');
        const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
        want.alerts.push_back(LowerCase(path) + "|" + name + "|" + md5 + "|000|" + std::to_string(i));
        want.lines.push_back("Infected with " + Display(name));
        want.log.push_back(LowerCase("T: Infected file (" + Display(name) + ") " + path));
        want.infected.push_back("!Infected " + LowerCase(path.substr(folder.size()) + "=;" + folder + ";" + name +
                                                         ";" + md5 + ";" + size + ";"));
    }
    SetCurrentDirectoryA(saved);

    // Paths come back in lower case where the startup entries or the process list gave them.
    for (std::string& alert : got.alerts)
        alert = LowerCase(alert.substr(0, alert.find('|'))) + alert.substr(alert.find('|'));
    for (std::string& line : got.log)
        line = LowerCase(line);
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
