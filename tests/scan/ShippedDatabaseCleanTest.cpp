#include <gtest/gtest.h>

#include <windows.h>

#include "core/RecordWalk.h"
#include "database/DatabaseFile.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "scan/FolderPlaceholders.h"
#include "scan/RecordMachineLive.h"

namespace {

void AddPrograms(const std::string& folder, StringList& entries, std::vector<std::string>& programs)
{
    for (FindFiles find(folder + "\\*.exe"); find.Valid(); find.Next()) {
        if (find.IsDirectory())
            continue;
        entries.Add("RegRun " + folder + "\\" + find.Name() + " [0] 1");
        programs.push_back(folder + "\\" + find.Name());
    }
}

} // namespace

// No record of the shipped database may fire on a clean Windows, even taking every
// program of the Windows and System32 folders as started with Windows and running.
TEST(ShippedDatabase, FindsNothingOnACleanMachine)
{
    MemoryStream database;
    ASSERT_TRUE(LoadDatabase(ProgramFolder() + "files.dat", database));
    DatabaseDate(database, "");

    StringList entries(true);
    std::vector<std::string> programs;
    AddPrograms(WindowsFolder(), entries, programs);
    AddPrograms(SystemFolder(), entries, programs);
    ASSERT_GT(programs.size(), 20u);

    bool abort = false;
    ProcessAccess processes;
    processes.ListRunningProcesses = [&] { return programs; };
    LiveRecordMachine machine(entries, processes, {}, abort);
    std::vector<std::string> hits;
    int checked = 0;
    RecordWalkEvents events;
    events.Checking = [&](const Candidate&) { ++checked; };
    events.FolderHit = [&](const Candidate& c) { hits.push_back(c.Path + " (" + c.Name + ")"); };
    events.FileHit = [&](const PathToTest& p) { hits.push_back(p.Path + " (" + p.Name + ")"); };
    EXPECT_TRUE(WalkDatabaseRecords(database, MachineRootFolders(), MachineFolder, machine, events));
    EXPECT_EQ(hits, std::vector<std::string>());
    EXPECT_GT(checked, 50);
}
