#include <gtest/gtest.h>

#include "FileAlert.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "database/FileMd5.h"
#include "scan/Alerts.h"
#include "scan/FullScan.h"

namespace {

struct Walk {
    SharedState state;
    std::vector<std::string> log;
    int statusLines = 0;
    FullScanEvents Events()
    {
        return {[this](const std::string& l) { log.push_back(l); }, [this](const std::string&) { ++statusLines; },
                nullptr, [] { return std::string("12:00:00"); }};
    }
    std::vector<std::string> FoundPaths() const
    {
        std::vector<std::string> paths;
        for (const TFileList& a : state.AlertRecords)
            if (a.FullScanHit)
                paths.push_back(a.Path);
        return paths;
    }
};

// A folder on the second test drive Q:, removed after the test.
struct DriveQFolder {
    std::string path;
    explicit DriveQFolder(const std::string& name) : path("Q:\\" + name) { CreateDirectoryA(path.c_str(), nullptr); }
    ~DriveQFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

TEST(FullScan, FindsCopiesUnderOtherNamesAndDrives)
{
    TestFolder dir;
    DriveQFolder q("fullscan-copies");
    const std::string body = "MZ pretend worm body " + std::string(100, 'w');
    const std::string seed = dir.Write("worm.exe", body);
    CreateDirectoryA((dir / "deep").c_str(), nullptr);
    const std::string copy = dir.Write("deep\\innocent.dat", body);
    const std::string decoy = dir.Write("decoy.exe", std::string(body.size(), 'x')); // same size, other content
    dir.Write("empty.exe", "");
    const std::string onQ = q.path + "\\again.exe";
    CopyFileA(seed.c_str(), onQ.c_str(), FALSE);

    Walk walk;
    walk.state.AlertRecords.push_back(FileAlert(seed, "W32.Test", 0));
    walk.state.AlertRecords.push_back(FileAlert(dir.Write("folderhit", ""), "Folder", 0));
    walk.state.AlertRecords.back().InfectedFolder = true;
    const std::vector<FullScanSeed> seeds = FullScanSeeds(walk.state.AlertRecords);
    ASSERT_EQ(seeds.size(), 1u);
    EXPECT_EQ(seeds[0].Size, static_cast<int64_t>(body.size()));

    WalkDrivesForCopies(dir.Path() + ";" + q.path + ";", seeds, walk.state, walk.Events());
    const std::vector<std::string> found = walk.FoundPaths();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(SameTextIgnoringCase(found[0], copy) || SameTextIgnoringCase(found[1], copy));
    EXPECT_TRUE(SameTextIgnoringCase(found[0], onQ) || SameTextIgnoringCase(found[1], onQ));
    EXPECT_EQ(walk.state.DetectionCount, 2);
    EXPECT_GE(walk.statusLines, 5);
    ASSERT_EQ(walk.log.size(), 2u);
    EXPECT_EQ(walk.log[0].rfind("12:00:00: Infected file (W32.Test) ", 0), 0u) << walk.log[0];
    for (const TFileList& a : walk.state.AlertRecords)
        if (a.FullScanHit) {
            EXPECT_EQ(a.ListIndex, -1);
            EXPECT_EQ(a.Name, "W32.Test");
        }
    (void)decoy;

    // A second walk adds nothing: the copies are alerts already.
    WalkDrivesForCopies(dir.Path() + ";", seeds, walk.state, walk.Events());
    EXPECT_EQ(walk.state.DetectionCount, 2);
}

TEST(FullScan, NeverMatchesEmptyFilesNorFollowsLinks)
{
    DriveQFolder q("fullscan-empty");
    const std::string seedPath = q.path + "\\zero.exe";
    CloseHandle(CreateFileA(seedPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CloseHandle(CreateFileA((q.path + "\\zero2.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    Walk walk;
    walk.state.AlertRecords.push_back(FileAlert(seedPath, "Empty", 0));
    // Q:\links\up points back at Q:\ itself: following it would walk forever.
    ASSERT_NE(GetFileAttributesA("Q:\\links\\up") & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
    WalkForCopies("Q:\\", FullScanSeeds(walk.state.AlertRecords), walk.state, walk.Events());
    EXPECT_TRUE(walk.FoundPaths().empty());
    EXPECT_LT(walk.statusLines, 50);
}

TEST(FullScan, UnreadableSameSizeFileIsLoggedAndSkipped)
{
    TestFolder dir;
    const std::string body(64, 'v');
    const std::string seed = dir.Write("v.exe", body);
    const std::string locked = dir.Write("locked.exe", body);
    HANDLE h = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    Walk walk;
    walk.state.AlertRecords.push_back(FileAlert(seed, "V", 0));
    WalkForCopies(dir.Path(), FullScanSeeds(walk.state.AlertRecords), walk.state, walk.Events());
    CloseHandle(h);
    EXPECT_TRUE(walk.FoundPaths().empty());
    ASSERT_EQ(walk.log.size(), 1u);
    EXPECT_EQ(walk.log[0], "12:00:00: Cannot open file (" + locked + ") " + locked);
}

TEST(FullScan, AbortStopsTheWalk)
{
    TestFolder dir;
    for (int i = 0; i < 5; ++i)
        dir.Write("f" + std::to_string(i) + ".txt", "x");
    Walk walk;
    FullScanEvents events = walk.Events();
    events.Pump = [&] { walk.state.AbortRequested = true; };
    WalkDrivesForCopies(dir.Path() + ";" + dir.Path() + ";", {}, walk.state, events);
    EXPECT_LE(walk.statusLines, 1);
}

TEST(LocalDrives, ListsRootsByKindOrByPosition)
{
    const std::string all = LocalDrives(-1, AnyDrive);
    EXPECT_NE(all.find("C:\\;"), std::string::npos) << all;
    EXPECT_NE(all.find("Q:\\;"), std::string::npos) << all;
    const std::string fixed = LocalDrives(-1, FixedDrive);
    EXPECT_NE(fixed.find("C:\\;"), std::string::npos) << fixed;
    EXPECT_EQ(LocalDrives(0, AnyDrive), all.substr(0, all.find(';')));
    EXPECT_EQ(LocalDrives(-1, RamDrive), "");
    EXPECT_EQ(FileSizeFound("C:\\no\\such\\file"), -1);
}

TEST(FullScan, PassesOverCopiesTheIgnoreListNamesByPathOrMd5)
{
    TestFolder dir;
    const std::string bodyA(80, 'a'), bodyB(90, 'b');
    const std::string seedA = dir.Write("a.exe", bodyA), seedB = dir.Write("b.exe", bodyB);
    CreateDirectoryA((dir / "copies").c_str(), nullptr);
    const std::string keptByPath = dir.Write("copies\\a-ignored.exe", bodyA);
    const std::string found = dir.Write("copies\\a-found.exe", bodyA);
    const std::string keptByMd5 = dir.Write("copies\\b-ignored.exe", bodyB);
    Walk walk;
    walk.state.AlertRecords = {FileAlert(seedA, "W32.A", 0), FileAlert(seedB, "W32.B", 1)};
    ASSERT_TRUE(walk.state.Ignore.Add({LowerCase(keptByPath), "W32.A"}));
    ASSERT_TRUE(walk.state.Ignore.Add({walk.state.AlertRecords[1].Md5, "W32.B"}));

    WalkForCopies(dir / "copies", FullScanSeeds(walk.state.AlertRecords), walk.state, walk.Events());
    EXPECT_EQ(walk.FoundPaths(), std::vector<std::string>{found});
    EXPECT_EQ(walk.state.DetectionCount, 1);
    const std::string log = [&] {
        std::string all;
        for (const std::string& line : walk.log)
            all += line + "\n";
        return all;
    }();
    EXPECT_NE(log.find("12:00:00: On the ignore list, passed over (W32.A) " + keptByPath + "\n"), std::string::npos)
        << log;
    EXPECT_NE(log.find("12:00:00: On the ignore list, passed over (W32.B) " + keptByMd5 + "\n"), std::string::npos)
        << log;
}
