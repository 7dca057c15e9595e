#include <gtest/gtest.h>

#include <algorithm>

#include "Fixtures.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "systools/Processes.h"

namespace {

bool Listed(DWORD id, std::string* text = nullptr)
{
    std::vector<RunningProcess> list;
    EXPECT_TRUE(ListRunningProcesses(list));
    for (const RunningProcess& p : list)
        if (p.Id == id) {
            if (text)
                *text = p.Text;
            return true;
        }
    return false;
}

} // namespace

TEST(Processes, ListsFullPathsAndEndsCopiesInEveryFolder)
{
    TestFolder dir;
    CreateDirectoryA((dir / "one").c_str(), nullptr);
    CreateDirectoryA((dir / "two").c_str(), nullptr);
    RunningFixture first(dir / "one\\pyrtwin.exe");
    RunningFixture second(dir / "two\\pyrtwin.exe");
    RunningFixture other(dir / "one\\pyrother.exe");

    std::string text;
    ASSERT_TRUE(Listed(first.Id(), &text));
    EXPECT_TRUE(SameTextIgnoringCase(text, dir / "one\\pyrtwin.exe")) << text;

    MessageTable messages{};
    const std::vector<std::string> rows = ProcessPageRows(messages);
    EXPECT_NE(std::find_if(rows.begin(), rows.end(),
                           [&](const std::string& r) { return SameTextIgnoringCase(r, dir / "two\\pyrtwin.exe"); }),
              rows.end());

    // One row's file name, in capitals, ends both copies and leaves the other program.
    EndTaskForRows({dir / "one\\PYRTWIN.EXE"}, false, {});
    EXPECT_TRUE(first.Ended());
    EXPECT_TRUE(second.Ended());
    EXPECT_FALSE(other.Ended(500));
}

TEST(Processes, BothQueriesReadAnotherProcesssPath)
{
    TestFolder dir;
    RunningFixture fixture(dir / "pyrquery.exe");
    // The limited query (Vista on) and XP's full query with memory reads.
    for (bool limitedQuery : {true, false})
        EXPECT_TRUE(SameTextIgnoringCase(ProcessExecutablePath(fixture.Id(), limitedQuery), dir / "pyrquery.exe"))
            << limitedQuery;
    EXPECT_EQ(ProcessExecutablePath(0, true), "");
}

TEST(Processes, NameMatchingIgnoresOnlyAsciiCase)
{
    TestFolder dir;
    RunningFixture accented(dir / "pyr\xe9t.exe");
    EndProcessesByName("PYR\xc9T.EXE"); // differs only in the case of a non-ASCII letter
    EXPECT_FALSE(accented.Ended(500));
    EndProcessesByName("PYR\xe9T.EXE");
    EXPECT_TRUE(accented.Ended());
}

TEST(Processes, PageListsOnlyUsableFilesAndReportsThem)
{
    TestFolder dir;
    const std::string real = dir.Write("real.exe", std::string(64, 'x'));
    const std::vector<RunningProcess> processes = {
        {"System Idle Process", 0}, {"svchost.exe", 8}, {real, 12}, {dir / "gone.exe", 14}};
    EXPECT_EQ(UsableProcessPaths(processes), std::vector<std::string>{real});

    MessageTable messages{};
    messages.Text(Msg::RunningProcesses) = "Running processes: (";
    std::vector<std::string> report;
    const std::vector<std::string> rows = ProcessPageRows(messages, [&](const std::string& l) { report.push_back(l); });
    ASSERT_EQ(report.size(), rows.size() + 2);
    EXPECT_EQ(report.front(), "Running processes: (" + std::to_string(rows.size()) + ")");
    EXPECT_EQ(report.back(), "");
    EXPECT_TRUE(std::equal(rows.begin(), rows.end(), report.begin() + 1));
}

TEST(Processes, EndTaskDeletesTheFileOrReportsIt)
{
    TestFolder dir;
    const std::string idle = dir.Write("notrunning.exe", std::string(64, 'x'));
    std::vector<std::string> failed;
    EndTaskForRows({idle, dir / "already-gone.exe"}, true, [&](const std::string& r) { failed.push_back(r); });
    EXPECT_EQ(GetFileAttributesA(idle.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(failed.empty());

    // A file held open without sharing cannot be deleted: that row is reported.
    const std::string held = dir.Write("held.exe", std::string(64, 'x'));
    HANDLE h = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EndTaskForRows({held}, true, [&](const std::string& r) { failed.push_back(r); });
    CloseHandle(h);
    EXPECT_EQ(failed, std::vector<std::string>{held});
}
