#include <gtest/gtest.h>

#include <sstream>

#include "ConsoleCleaning.h"
#include "FileAlert.h"
#include "TestFolder.h"
#include "database/FileMd5.h"
#include "platform/FileSystem.h"

TEST(ConsoleCleaning, FixCleansWithoutAskingAndNamesWhatItCouldNot)
{
    TestFolder folder;
    SharedState state;
    const std::string bad = folder.Write("bad.exe", "bad");
    const std::string locked = folder.Write("locked.sys", "kept");
    state.AlertRecords = {FileAlert(bad, "Trojan.Bad"), FileAlert(locked, "Lock:Rootkit")};
    std::ostringstream out, err;
    ConsoleCleaningView view(state, out, err);
    FixWithQuestion(state, view);

    EXPECT_FALSE(FileExists(bad));
    EXPECT_TRUE(FileExists(locked));
    EXPECT_NE(out.str().find(state.Messages.Text(Msg::FileCleanedLine) + bad), std::string::npos);
    EXPECT_NE(out.str().find("1" + state.Messages.Text(Msg::AlertsCleaned) + "\n\n"), std::string::npos);
    EXPECT_EQ(err.str(), "pyrafixc: " + state.Messages.Text(Msg::CannotCleanFile) + locked +
                             state.Messages.Text(Msg::DeleteManually) + "\n");
}

TEST(ConsoleCleaning, FullScanFindsCopiesInTheGivenFolders)
{
    TestFolder folder;
    SharedState state;
    CreateDirectoryA((folder / "elsewhere").c_str(), nullptr);
    const std::string seed = folder.Write("seed.exe", "copied bytes");
    const std::string copy = folder.Write("elsewhere\\other.dll", "copied bytes");
    state.AlertRecords = {FileAlert(seed, "Worm.Seed")};
    std::ostringstream out;
    EXPECT_EQ(ConsoleFullScan(state, folder.Path() + ";", out), 1);
    ASSERT_EQ(state.AlertRecords.size(), 2u);
    EXPECT_EQ(state.AlertRecords[1].Path, copy);
    EXPECT_NE(out.str().find(state.Messages.Text(Msg::InfectedFileLine) + "Worm.Seed) " + copy), std::string::npos);
}
