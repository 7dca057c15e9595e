#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ConsoleCommands.h"
#include "ConsoleCopy.h"
#include "TestFolder.h"
#include "database/DatabaseFile.h"
#include "database/PathRoots.h"

namespace {

struct Console {
    std::ostringstream out, err;
    int Run(const std::vector<std::string>& args) { return RunConsoleCommand(args, out, err); }
};

} // namespace

TEST(ConsoleScan, ReportsAPlantedWormAndExitsOne)
{
    // The shipped database knows W32.Blaster.Worm by its file in System32.
    const std::string worm = SystemFolder() + "\\msblast.exe";
    {
        std::ofstream(worm, std::ios::binary) << "pretend worm body";
    }
    Console found;
    const int code = found.Run({"scan"});
    DeleteFileA(worm.c_str());
    EXPECT_EQ(code, 1) << found.err.str();
    const std::string log = found.out.str();
    EXPECT_NE(log.find(": Scanning, please wait..."), std::string::npos) << log;
    EXPECT_NE(log.find(": Infected file (W32.Blaster.Worm) " + worm), std::string::npos) << log;
    EXPECT_NE(log.find("Click on \"Fix\" button to fix selected tasks."), std::string::npos) << log;
    // The full-scan offer is a question: answered No, so the closing information follows.
    EXPECT_NE(log.find("Alert: You have "), std::string::npos) << log;
    EXPECT_NE(log.find("Information: Click on \"Fix\" button to fix selected tasks by quick report!"),
              std::string::npos)
        << log;

    Console clean;
    EXPECT_EQ(clean.Run({"scan"}), 0) << clean.out.str();
    EXPECT_NE(clean.out.str().find(": Your computer is clean!"), std::string::npos) << clean.out.str();
    EXPECT_NE(clean.out.str().find("Information: Your computer is clean from this kind of viruses!"),
              std::string::npos);
}

TEST(ConsoleScan, AMissingOrDamagedDatabaseIsAnError)
{
    TestFolder dir;
    std::string errors;
    EXPECT_EQ(RunCopy(dir, "scan", errors), 2u);
    EXPECT_NE(errors.find("cannot read the database"), std::string::npos) << errors;

    dir.Write("files.dat", "not a database at all");
    EXPECT_EQ(RunCopy(dir, "scan", errors), 2u);
    EXPECT_NE(errors.find("is damaged or is not a Pyrafix database"), std::string::npos) << errors;

    Console bad;
    EXPECT_EQ(bad.Run({"scan", "--bogus"}), 2);
}

TEST(ConsoleScan, FullScanThenFixRemovesTheWormAndItsCopies)
{
    TestFolder dir;
    const std::string body = "pretend worm body for the full scan";
    const std::string worm = SystemFolder() + "\\msblast.exe";
    {
        std::ofstream(worm, std::ios::binary) << body;
    }
    const std::string copy = dir.Write("holiday-photos.exe", body);
    const std::string bystander = dir.Write("notes.txt", std::string(body.size(), 'n'));

    Console console;
    const int code = console.Run({"scan", "--full", dir.Path(), "--fix"});
    const bool wormLeft = GetFileAttributesA(worm.c_str()) != INVALID_FILE_ATTRIBUTES;
    DeleteFileA(worm.c_str());
    EXPECT_EQ(code, 1) << console.err.str();
    EXPECT_FALSE(wormLeft) << console.out.str();
    EXPECT_EQ(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES) << console.out.str();
    EXPECT_NE(GetFileAttributesA(bystander.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(console.out.str().find(": Infected file (W32.Blaster.Worm) " + copy), std::string::npos)
        << console.out.str();
}
