#include <gtest/gtest.h>

#include <memory>

#include "RecordByRecordMachine.h"
#include "RecordingView.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "database/FileMd5.h"
#include "scan/LiveProcessAccess.h"
#include "scan/StartupCollector.h"
#include "systools/Fixtures.h"

namespace {

// Plants running programs, startup values and files that every kind of record
// reaches, scans with the machine made by `makeMachine`, and removes it all again.
template <typename MakeMachine> ScanOutcome ScanPlantedMachine(const TestFolder& dir, MakeMachine makeMachine)
{
    const std::string d = dir.Path();
    CreateDirectoryA((dir / "bad").c_str(), nullptr);
    CreateDirectoryA((dir / "elsewhere").c_str(), nullptr);
    dir.Write("bad\\inside.exe", "inside the infected folder");
    for (const char* name : {"plain.exe", "msaa.exe", "msac.exe", "ab12.exe", "abz.exe", "helper.exe", "helpera.exe",
                             "qxlzvm.exe", "elsewhere\\qxzv.exe", "toolbox.exe"})
        dir.Write(name, std::string("content of ") + name);
    const std::string toolkit = dir.Write("toolkit.exe", "a startup program the folder listing skips");
    EXPECT_TRUE(SetWriteYear(toolkit, 1975));

    // The fingerprinted program runs and also starts from a Run value under another name.
    const std::string tail = "cached machine " + std::to_string(GetCurrentProcessId());
    auto fingerprinted = std::make_unique<RunningFixture>(dir / "fpproc.exe", tail);
    EXPECT_TRUE(CopyFileA((dir / "fpproc.exe").c_str(), (dir / "fprun.exe").c_str(), FALSE));
    const std::string md5 = Md5Text(FileMd5(dir / "fprun.exe"));
    auto copy = std::make_unique<RunningFixture>(dir / "elsewhere\\runcopy.exe");

    SharedState state;
    for (const char* command : {"fprun.exe /q", "toolkit.exe", "helpera.exe -x", "qxlzvm.exe", "elsewhere\\qxzv.exe",
                                "abz.exe", "missing.exe"})
        state.StartupRecords.push_back({0, "Software\\Run", command, d + "\\" + command});
    StartupSources sources;
    sources.Processes = RunningProcessTexts();
    CollectStartupLocations(state, sources);

    state.DatabaseStream = MemoryStream("2026-12-10\r\n[System32Root]\r\n"
                                        "[RunCopy]:runcopy.exe\r\n"
                                        "/" +
                                        md5 +
                                        "/[Fp]::\r\n"
                                        "[Wild]:tool<>.exe\r\n"
                                        "[Frag]:qx?zv?.exe\r\n"
                                        "[Set]:ab&0123456789!.exe\r\n"
                                        "[Twin]:randomA.exe\r\n"
                                        "[Fam]:msa??a?d?.exe\r\n"
                                        "/0/[NoRun]:runcopy.exe\r\n"
                                        "[RunCopy.Again]:runcopy.exe\r\n"
                                        "[Dir]:bad\\\\\r\n"
                                        ":plain.exe\r\n"
                                        "[Plain]:PLAIN.EXE\r\n"
                                        "_end\r\n");
    ResetScanState(state);
    RecordingView view;
    auto machine = makeMachine(state);
    ScanRecords(state, *machine, RootFolders{d, d, d}, FolderLookup{}, view);
    return OutcomeOf(state, view);
}

} // namespace

TEST(CachedMachine, GivesWhatARecordByRecordReadingGives)
{
    TestFolder dir;
    const ScanOutcome fresh = ScanPlantedMachine(dir, [](SharedState& state) {
        return std::make_unique<RecordByRecordMachine>(state.StartupEntries, LiveProcessAccess(), state.AbortRequested);
    });
    const ScanOutcome cached = ScanPlantedMachine(dir, [](SharedState& state) {
        return std::make_unique<LiveRecordMachine>(state.StartupEntries, LiveProcessAccess(), Pump{},
                                                   state.AbortRequested);
    });
    EXPECT_EQ(cached.alerts, fresh.alerts);
    EXPECT_EQ(cached.lines, fresh.lines);
    EXPECT_EQ(cached.log, fresh.log);
    EXPECT_EQ(cached.infected, fresh.infected);
    // Every record above but the "/0/" one and one of the two plain ones finds something.
    EXPECT_GE(cached.alerts.size(), 12u);
}
