#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingView.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "database/FileMd5.h"
#include "scan/QuickScan.h"
#include "scan/RecordMachineLive.h"

namespace {

struct Scan {
    SharedState state;
    RecordingView view;

    // Scans a database of the given records with all three roots at `root`; the
    // records start below a System32 root line.
    void Run(const std::string& root, const std::string& records)
    {
        state.DatabaseStream =
            MemoryStream("2026-12-10" + std::string(23, ' ') + "\r\n[System32Root]\r\n" + records + "_end\r\n");
        ResetScanState(state);
        LiveRecordMachine machine(state.StartupEntries, ProcessAccess{}, Pump{}, state.AbortRequested);
        ScanRecords(state, machine, RootFolders{root, root, root}, FolderLookup{}, view);
    }
};

} // namespace

TEST(QuickScan, AnEmptyDatabaseFindsNothing)
{
    TestFolder dir;
    Scan scan;
    scan.Run(dir.Path(), "");
    EXPECT_FALSE(scan.state.ScanFoundAny);
    EXPECT_TRUE(scan.state.AlertRecords.empty());
    EXPECT_TRUE(scan.view.log.empty());
}

TEST(QuickScan, AFileReachedTwiceGivesOneAlertLineAndLogLine)
{
    TestFolder dir;
    const std::string worm = dir.Write("worm.exe", std::string(40, 'w'));
    Scan scan;
    scan.Run(dir.Path(),
             "[Start]\r\n[System32Root]\r\n[W32.Worm]:worm.exe\r\n[W32.Worm]:WORM.EXE\r\n[Other]:absent.exe\r\n");

    ASSERT_EQ(scan.state.AlertRecords.size(), 1u);
    const TFileList& alert = scan.state.AlertRecords[0];
    EXPECT_EQ(alert.Path, worm);
    EXPECT_EQ(alert.Name, "W32.Worm");
    EXPECT_EQ(alert.Md5, Md5Text(FileMd5(worm)));
    EXPECT_EQ(alert.ListIndex, 0);
    EXPECT_EQ(scan.view.lines, (std::vector<std::string>{"Scanning...", "Infected with W32.Worm"}));
    EXPECT_EQ(scan.view.log, std::vector<std::string>{"T: Infected file (W32.Worm) " + worm});
    EXPECT_EQ(scan.state.DetectionCount, 1);
    EXPECT_TRUE(scan.state.ScanFoundAny);
    ASSERT_EQ(scan.state.InfectedList.Count(), 1);
    EXPECT_EQ(scan.state.InfectedList[0],
              "!Infected worm.exe=;" + LowerCase(dir.Path()) + "\\;w32.worm;" + alert.Md5 + ";40;");
    EXPECT_TRUE(scan.view.report.empty());
}

TEST(QuickScan, AFolderHitRecordsTheFolderAndEverythingInIt)
{
    TestFolder dir;
    CreateDirectoryA((dir / "bad").c_str(), nullptr);
    CreateDirectoryA((dir / "bad\\sub").c_str(), nullptr);
    dir.Write("bad\\one.exe", "1");
    dir.Write("bad\\two.dll", "2");
    dir.Write("bad\\sub\\three.exe", "3");
    Scan scan;
    scan.state.ReportMode = true;
    scan.Run(dir.Path(), "[Trojan.Dir]:bad\\\\\r\n");

    // One line, five records, a count of four: the folder and its three files.
    EXPECT_EQ(scan.view.lines.size(), 2u);
    ASSERT_EQ(scan.state.AlertRecords.size(), 5u);
    EXPECT_EQ(scan.state.DetectionCount, 4);
    EXPECT_TRUE(scan.state.AlertRecords[0].InfectedFolder);
    EXPECT_EQ(scan.state.AlertRecords[0].Path, dir / "bad");
    int files = 0, subFolders = 0;
    for (const TFileList& a : scan.state.AlertRecords) {
        files += a.FileInFolder;
        subFolders += a.SubFolder;
        EXPECT_EQ(a.Name, "Trojan.Dir");
    }
    EXPECT_EQ(files, 3);
    EXPECT_EQ(subFolders, 1);
    EXPECT_EQ(scan.view.log.front(), "T: Infected directory " + (dir / "bad"));
    EXPECT_EQ(scan.view.report, (std::vector<std::string>{"", scan.state.Messages.Text(Msg::VirusesInComputer),
                                                          scan.state.Messages.Text(Msg::ScanWithProgram),
                                                          scan.state.Messages.Text(Msg::VirusList),
                                                          "Infected with Trojan.Dir - Dir " + (dir / "bad")}));
}

TEST(QuickScan, ALinkInsideAnInfectedFolderIsRecordedButNeverEntered)
{
    // Q:\links\up is a link back to Q:\ (made by the test prefix's set-up).
    Scan scan;
    scan.Run("Q:", "[Trojan.Links]:links\\\\\r\n");
    ASSERT_EQ(scan.state.AlertRecords.size(), 2u);
    EXPECT_EQ(scan.state.AlertRecords[1].Path, "Q:\\links\\up");
    EXPECT_TRUE(scan.state.AlertRecords[1].SubFolder);
    EXPECT_EQ(scan.state.DetectionCount, 1);
}

TEST(QuickScan, OnlySixteenHitsEnterTheInfectedList)
{
    TestFolder dir;
    std::string records;
    for (int i = 0; i < 17; ++i) {
        dir.Write("w" + std::to_string(i) + ".exe", "body");
        records += "[Worm." + std::to_string(i) + "]:w" + std::to_string(i) + ".exe\r\n";
    }
    Scan scan;
    scan.Run(dir.Path(), records);
    EXPECT_EQ(scan.state.AlertRecords.size(), 17u);
    EXPECT_EQ(scan.state.InfectedList.Count(), 16);
    EXPECT_EQ(scan.state.AlertRecords[16].ListIndex, 16);
}

TEST(QuickScan, WildcardHitsAreLockedAndShownWithoutTheMarker)
{
    TestFolder dir;
    const std::string found = dir.Write("abq.exe", std::string(20, 'q'));
    Scan scan;
    scan.Run(dir.Path(), "[W.Wild]:ab<>.exe\r\n");
    ASSERT_EQ(scan.state.AlertRecords.size(), 1u);
    EXPECT_EQ(scan.state.AlertRecords[0].Name, "Lock:Sys32.abq");
    EXPECT_EQ(scan.view.lines.back(), "Infected with Sys32.abq");
    EXPECT_EQ(scan.view.log.back(), "T: Infected file (Sys32.abq) " + found);
}

TEST(QuickScan, AbortStopsAtTheNextRecord)
{
    TestFolder dir;
    for (const char* name : {"a.exe", "b.exe", "c.exe"})
        dir.Write(name, "body");
    Scan scan;
    scan.view.onLog = [&] { scan.state.AbortRequested = true; };
    scan.Run(dir.Path(), "[A]:a.exe\r\n[B]:b.exe\r\n[C]:c.exe\r\n");
    EXPECT_EQ(scan.state.AlertRecords.size(), 1u);
    EXPECT_TRUE(scan.state.AbortRequested);
}

TEST(QuickScan, PassesOverWhatTheIgnoreListNamesWithoutEndingItsProcesses)
{
    TestFolder dir;
    const std::string byMd5 = dir.Write("md5.exe", "a false positive everywhere");
    const std::string byPath = dir.Write("path.exe", "a false positive here");
    const std::string hit = dir.Write("hit.exe", "a real one");
    CreateDirectoryA((dir / "keep").c_str(), nullptr);
    dir.Write("keep\\inside.exe", "in an ignored folder");
    CreateDirectoryA((dir / "bad").c_str(), nullptr);
    const std::string insideByMd5 = dir.Write("bad\\copy.exe", "a false positive everywhere");
    const std::string inside = dir.Write("bad\\other.exe", "really bad");
    Scan scan;
    ASSERT_TRUE(scan.state.Ignore.Add({Md5Text(FileMd5(byMd5)), "W32.Md5"}));
    ASSERT_TRUE(scan.state.Ignore.Add({UpperCase(byPath), "W32.Path"}));
    ASSERT_TRUE(scan.state.Ignore.Add({dir / "keep", "Trojan.Keep"}));
    // An MD5 entry never passes over a folder, whatever the folder holds.
    scan.Run(dir.Path(), "[W32.Md5]:md5.exe\r\n[W32.Path]:path.exe\r\n[W32.Hit]:hit.exe\r\n[Trojan.Keep]:keep\\\\\r\n"
                         "[Trojan.Bad]:bad\\\\\r\n");

    std::vector<std::string> paths;
    for (const TFileList& a : scan.state.AlertRecords)
        paths.push_back(a.Path);
    EXPECT_EQ(paths, (std::vector<std::string>{hit, dir / "bad", inside}));
    EXPECT_EQ(scan.state.DetectionCount, 3);
    EXPECT_EQ(scan.state.InfectedList.Count(), 1);
    const std::vector<std::string>& log = scan.view.log;
    for (const std::string& line : {"T: On the ignore list, passed over (W32.Md5) " + byMd5,
                                    "T: On the ignore list, passed over (W32.Path) " + byPath,
                                    "T: On the ignore list, passed over (Trojan.Keep) " + dir / "keep",
                                    "T: On the ignore list, passed over (Trojan.Bad) " + insideByMd5})
        EXPECT_NE(std::find(log.begin(), log.end(), line), log.end()) << line;
}
