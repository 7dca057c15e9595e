#include <gtest/gtest.h>

#include <windows.h>

#include "Md5Of.h"
#include "TestFolder.h"
#include "core/Md5.h"
#include "core/RecordWalk.h"
#include "core/TextHelpers.h"
#include "scan/FolderPlaceholders.h"
#include "scan/RecordMachineLive.h"

namespace {

// Walks records against the real file system with the given startup entries and
// running programs; returns the hits as "folder|path|name" and "file|path|name".
std::vector<std::string> Hits(const std::string& records, const StringList& entries,
                              std::vector<std::string> running = {}, std::vector<std::string>* ended = nullptr)
{
    bool abort = false;
    ProcessAccess processes;
    processes.ListRunningProcesses = [&running] { return running; };
    processes.EndProcessesByName = [&](const std::string& name) {
        if (ended)
            ended->push_back(name);
    };
    LiveRecordMachine machine(entries, processes, {}, abort);
    MemoryStream stream("2026-12-10\r\n" + records + "_end\r\n");
    DatabaseDate(stream, "");
    std::vector<std::string> hits;
    RecordWalkEvents events;
    events.FolderHit = [&](const Candidate& c) { hits.push_back("folder|" + c.Path + "|" + c.Name); };
    events.FileHit = [&](const PathToTest& p) { hits.push_back("file|" + LowerCase(p.Path) + "|" + p.Name); };
    EXPECT_TRUE(WalkDatabaseRecords(stream, MachineRootFolders(), MachineFolder, machine, events));
    return hits;
}

} // namespace

TEST(LiveRecords, FilesFoldersWildcardsAndFamiliesOnTheFileSystem)
{
    TestFolder dir;
    const std::string f = LowerCase(dir.Path());
    dir.Write("evil.exe", "x");
    dir.Write("wc1.tmp", "x");
    dir.Write("wc2.tmp", "x");
    dir.Write("msab.exe", "x");
    CreateDirectoryA((dir / "bad").c_str(), nullptr);
    const std::string records = "[Start]\r\n[File]:" + dir.Path() + "\\evil.exe\r\n[Gone]:" + dir.Path() +
                                "\\gone.exe\r\n[Dir]:" + dir.Path() + "\\bad\\\\\r\n[Wc]:" + dir.Path() +
                                "\\wc<>.tmp\r\n[Fam]:" + dir.Path() + "\\msa??a?d?.exe\r\n";
    EXPECT_EQ(
        Hits(records, StringList()),
        (std::vector<std::string>{"file|" + f + "\\evil.exe|File", "folder|" + dir.Path() + "\\bad|Dir",
                                  "file|" + f + "\\wc1.tmp|Lock:Sys32.wc1", "file|" + f + "\\wc2.tmp|Lock:Sys32.wc2",
                                  "file|" + f + "\\msab.exe|Sys32.msab"}));
}

TEST(LiveRecords, StartupEntriesAreResolvedForFingerprintsAndPatterns)
{
    TestFolder dir;
    const std::string f = LowerCase(dir.Path());
    const std::string content = "fingerprinted startup program";
    dir.Write("fp.exe", content);
    dir.Write("toola.exe", "toola is started with windows");
    dir.Write("tool.exe", "the program toola imitates");
    const std::string md5 = Md5Text(Md5Of(content.data(), content.size()));
    StringList entries(true);
    entries.Add("RegRun \"" + dir.Path() + "\\fp.exe\" /s [" + md5 + "] 29");
    entries.Add("RegRun " + dir.Path() + "\\toola.exe");
    std::vector<std::string> ended;
    const std::string records = "/" + md5 + "/[Fp]::\r\n[Start]\r\n[A]:" + dir.Path() + "\\randomA.exe\r\n";
    EXPECT_EQ(Hits(records, entries, {}, &ended),
              (std::vector<std::string>{"file|" + f + "\\fp.exe|Fp", "file|" + f + "\\toola.exe|Lock:Sys32.toola",
                                        "file|" + f + "\\toola.exe|Lock:Sys32.toola",
                                        "file|" + f + "\\tool.exe|Lock:Sys32.tool"}));
    EXPECT_EQ(ended, std::vector<std::string>{"fp.exe"});
}

TEST(LiveRecords, ARunningCopyReplacesTheCandidateUnlessMarked)
{
    TestFolder dir;
    const std::string running = dir.Write("runner.exe", "x");
    const std::string records = "[System32Root]\r\n[Run]:runner.exe\r\n/0/[NoRun]:runner.exe\r\n";
    EXPECT_EQ(Hits(records, StringList(), {running, dir / "missing.exe"}),
              std::vector<std::string>{"file|" + LowerCase(running) + "|Run"});
}

TEST(LiveRecords, TheMachineAsksForRunningProgramsAgainAfterEndingOne)
{
    bool abort = false;
    int lists = 0;
    ProcessAccess processes;
    processes.ListRunningProcesses = [&] {
        ++lists;
        return std::vector<std::string>();
    };
    processes.EndProcessesByName = [](const std::string&) {};
    int pumps = 0;
    LiveRecordMachine machine(
        StringList(), processes, [&] { ++pumps; }, abort);
    machine.RunningPrograms();
    machine.RunningPrograms();
    EXPECT_EQ(lists, 1);
    machine.EndProcessesByName("x.exe");
    machine.RunningPrograms();
    EXPECT_EQ(lists, 2);
    EXPECT_TRUE(machine.KeepGoing());
    abort = true;
    EXPECT_FALSE(machine.KeepGoing());
    EXPECT_EQ(pumps, 2);
}
