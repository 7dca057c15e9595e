#include <gtest/gtest.h>

#include "FakeRecordMachine.h"
#include "core/DatabaseText.h"
#include "core/RecordWalk.h"

namespace {

std::vector<std::string> Walk(const std::string& records, FakeRecordMachine& m, bool* finished = nullptr)
{
    MemoryStream stream("2026-12-10\r\n" + records);
    DatabaseDate(stream, "");
    std::vector<std::string> seen;
    RecordWalkEvents events;
    events.Checking = [&](const Candidate& c) { seen.push_back("checking " + c.Name); };
    events.FolderHit = [&](const Candidate& c) { seen.push_back("folder " + c.Path + " " + c.Name); };
    events.FileHit = [&](const PathToTest& p) { seen.push_back("file " + p.Path + " " + p.Name); };
    const bool done = WalkDatabaseRecords(stream, RootFolders{"C:\\W", "C:\\W\\sys", "C:\\P"}, {}, m, events);
    if (finished)
        *finished = done;
    return seen;
}

} // namespace

TEST(RecordWalk, ReportsFolderAndFileHitsInDatabaseOrder)
{
    FakeRecordMachine m;
    m.files = {"C:\\W\\sys\\drivers\\evil.sys", "C:\\W\\ab1.exe", "C:\\W\\run2.exe"};
    m.folders = {"c:\\p\\bad"};
    const std::string records = "[System32Root]\\drivers\\\r\n[Bad.A]:evil.sys\r\n[Bad.B]:absent.sys\r\n"
                                "[ProgramFiles32Root]\r\n[Dir]:bad\\\\\r\n[Win32Root]\r\n[N]:run??1?3?.exe\r\n"
                                "_end\r\n[After]:ab1.exe\r\n_end\r\n";
    EXPECT_EQ(Walk(records, m),
              (std::vector<std::string>{"checking Bad.A", "file C:\\W\\sys\\drivers\\evil.sys Bad.A", "checking Bad.B",
                                        "folder C:\\P\\bad Dir", "checking Sys32.run1", "checking Sys32.run2",
                                        "file C:\\W\\run2.exe Sys32.run2"}));
}

TEST(RecordWalk, OnlyTheDateAndEndIsClean)
{
    FakeRecordMachine m;
    bool finished = false;
    EXPECT_TRUE(Walk("_end\r\n", m, &finished).empty());
    EXPECT_TRUE(finished);
}

TEST(RecordWalk, AbortEndsTheWalkAtTheNextRecord)
{
    FakeRecordMachine m;
    m.files = {"C:\\W\\a.exe", "C:\\W\\b.exe"};
    m.stepsBeforeAbort = 3; // the root line, the first record and its pattern step
    bool finished = true;
    EXPECT_EQ(Walk("[Win32Root]\r\n[A]:a.exe\r\n[B]:b.exe\r\n_end\r\n", m, &finished),
              (std::vector<std::string>{"checking A", "file C:\\W\\a.exe A"}));
    EXPECT_FALSE(finished);
}
