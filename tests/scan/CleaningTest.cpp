#include <gtest/gtest.h>

#include "AppShell.h"
#include "HeldFile.h"
#include "core/PathText.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"
#include "scan/Cleaning.h"
#include "scan/QuickScan.h"
#include "systools/Fixtures.h"

namespace {

const char RunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string Unique(const std::string& stem)
{
    return stem + std::to_string(GetCurrentProcessId());
}

// Runs "Fix" with Yes, an OK for every error box expected, and the final OK.
void Fix(AppShell& shell, int errorBoxes = 0)
{
    shell.renderer.Answer(idYes);
    for (int i = 0; i < errorBoxes; ++i)
        shell.renderer.Answer(idOk);
    shell.renderer.Answer(idOk);
    shell.Main().Button2->Click();
    EXPECT_EQ(shell.renderer.PendingAnswers(), 0u);
}

} // namespace

TEST(Cleaning, FixEndsTheRunningFileDeletesItAndItsRunValue)
{
    TestFolder folder;
    AppShell shell(folder);
    const std::string name = Unique("fixrun") + ".exe";
    const std::string path = folder / name;
    RunningFixture running(path);
    RegKey run;
    ASSERT_TRUE(run.Create(HKEY_CURRENT_USER, RunKey));
    const std::string value = Unique("PyrafixFixTest");
    ASSERT_TRUE(run.WriteString(value, "\"" + path + "\" /quiet"));

    shell.state.LogRequested = true; // the status words go into InfectedList
    shell.state.InfectedList.Add(InfectedListLine(path, "Trojan.Run", "", 1));
    shell.AddFileAlert(path, "Trojan.Run");
    shell.ScanFinished();
    shell.renderer.Answer(idYes); // clean?
    shell.renderer.Answer(idOk);  // cleaned count
    shell.renderer.Answer(idNo);  // no log upload
    shell.Main().Button2->Click();

    EXPECT_TRUE(running.Ended());
    EXPECT_FALSE(FileExists(path));
    std::string data;
    EXPECT_FALSE(run.ReadString(value, data)) << data;
    RegDeleteValueA(run.Get(), value.c_str());

    const MessageTable& m = shell.state.Messages;
    const std::string line = shell.Main().List1->Lines()[0].Text;
    EXPECT_EQ(line.rfind("Clean...[", 0), 0u) << line;
    EXPECT_EQ(line.substr(line.size() - 5), " sec]");
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::FileCleanedLine) + path));
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::CleaningFinished)));
    EXPECT_TRUE(shell.Logged(m.Text(Msg::ScanAgainHint)));
    EXPECT_FALSE(shell.LoggedEnding(m.Text(Msg::CleaningAbortedLine)));
    EXPECT_EQ(shell.Main().sb1->PanelText(0), m.Text(Msg::FixFinished));
    EXPECT_EQ(shell.renderer.Boxes()[1].Text.rfind("1" + m.Text(Msg::AlertsCleaned), 0), 0u);
    EXPECT_EQ(shell.state.InfectedList[0].substr(shell.state.InfectedList[0].size() - 3), "Ok;");
    EXPECT_FALSE(shell.Main().Button2->Enabled());
    EXPECT_FALSE(shell.Main().Button3->Enabled());
    EXPECT_TRUE(shell.Main().Button1->Enabled());
    EXPECT_TRUE(shell.Main().Button6->Visible());
}

TEST(Cleaning, AFileHeldOpenIsRetriedForFourSecondsThenReported)
{
    TestFolder folder;
    AppShell shell(folder);
    const std::string path = folder / "held.dat";
    HeldFile held(path);
    shell.state.LogRequested = true;
    shell.state.InfectedList.Add(InfectedListLine(path, "Worm.Held", "", 0));
    shell.AddFileAlert(path, "Worm.Held");
    shell.ScanFinished();

    const uint64_t before = shell.app.Clock();
    shell.renderer.Answer(idYes);
    shell.renderer.Answer(idOk); // the error box
    shell.renderer.Answer(idOk); // cleaned count
    shell.renderer.Answer(idNo); // no log upload
    shell.Main().Button2->Click();

    const MessageTable& m = shell.state.Messages;
    EXPECT_TRUE(FileExists(path));
    EXPECT_GT(shell.state.CleanSeconds, 4.0L);
    EXPECT_GE(shell.app.Clock() - before, 4000u);
    EXPECT_LT(shell.app.Clock() - before, 4200u);
    EXPECT_EQ(shell.Main().List1->Lines()[0].Text, "[Err] " + path);
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::CannotCleanLine)));
    const auto& boxes = shell.renderer.Boxes();
    ASSERT_GE(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].Text, m.Text(Msg::CannotCleanFile) + path + m.Text(Msg::DeleteManually));
    EXPECT_EQ(boxes[1].Caption, m.Text(Msg::ErrorCaption));
    EXPECT_FALSE(boxes[1].MainFormEnabled);
    EXPECT_EQ(boxes[2].Text.rfind("0" + m.Text(Msg::AlertsCleaned), 0), 0u);
    const std::string& status = shell.state.InfectedList[0];
    EXPECT_EQ(status.substr(status.size() - 4), "Err;");
    EXPECT_EQ(status.find("Locked_Err;"), std::string::npos);
}

TEST(Cleaning, ALockedAlertIsReportedAndNeverDeleted)
{
    TestFolder folder;
    AppShell shell(folder);
    const std::string path = folder.Write("locked.dll", "kept");
    shell.state.LogRequested = true;
    shell.state.InfectedList.Add(InfectedListLine(path, "Lock:Rootkit", "", 4));
    shell.AddFileAlert(path, "Lock:Rootkit");
    shell.ScanFinished();
    shell.renderer.Answer(idYes);
    shell.renderer.Answer(idOk);
    shell.renderer.Answer(idOk);
    shell.renderer.Answer(idNo);
    shell.Main().Button2->Click();

    EXPECT_TRUE(FileExists(path));
    EXPECT_LT(shell.state.CleanSeconds, 0.1L); // no retries at all
    EXPECT_EQ(shell.Main().List1->Lines()[0].Text, "[Err] " + path);
    const std::string& status = shell.state.InfectedList[0];
    EXPECT_EQ(status.substr(status.size() - 11), "Locked_Err;");
    EXPECT_EQ(shell.renderer.Boxes()[1].Text,
              shell.state.Messages.Text(Msg::CannotCleanFile) + path + shell.state.Messages.Text(Msg::DeleteManually));
}

TEST(Cleaning, AnUncheckedLineStaysWhileAFileInAnInfectedFolderGoes)
{
    TestFolder folder;
    AppShell shell(folder);
    const std::string kept = folder.Write("kept.exe", "x");
    CreateDirectoryA((folder / "bad").c_str(), nullptr);
    const std::string inside = folder.Write("bad\\payload.exe", "y");

    shell.AddFileAlert(kept, "Trojan.Kept", false);
    TFileList infected;
    infected.Path = folder / "bad";
    infected.Name = "Worm.Folder";
    infected.InfectedFolder = true;
    infected.ListIndex = shell.Main().List1->Add("Infected with Worm.Folder", true);
    shell.state.AlertRecords.push_back(infected);
    TFileList file;
    file.Path = inside;
    file.Name = "Worm.Folder";
    file.FileInFolder = true;
    shell.state.AlertRecords.push_back(file);
    shell.ScanFinished();
    Fix(shell);

    const MessageTable& m = shell.state.Messages;
    EXPECT_TRUE(FileExists(kept));
    EXPECT_EQ(shell.Main().List1->Lines()[0].Text, "Infected with Trojan.Kept");
    EXPECT_FALSE(FileExists(inside));
    EXPECT_FALSE(DirectoryExists(folder / "bad"));
    EXPECT_EQ(shell.Main().List1->Lines()[1].Text, m.Text(Msg::CleanList));
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::DirectoryRemovedLine) + folder / "bad"));
    EXPECT_EQ(shell.renderer.Boxes()[1].Text.rfind("2" + m.Text(Msg::AlertsCleaned), 0), 0u); // the file and the folder
}

TEST(Cleaning, AFolderWhoseSubFolderKeepsAFileReportsBothFolders)
{
    TestFolder folder;
    AppShell shell(folder);
    const std::string top = folder / "nest";
    CreateDirectoryA(top.c_str(), nullptr);
    CreateDirectoryA((top + "\\sub").c_str(), nullptr);
    const std::string stuck = top + "\\sub\\stuck.sys";
    HeldFile held(stuck);

    TFileList infected;
    infected.Path = top;
    infected.Name = "Worm.Nest";
    infected.InfectedFolder = true;
    infected.ListIndex = shell.Main().List1->Add("Infected with Worm.Nest", true);
    shell.state.AlertRecords.push_back(infected);
    TFileList sub = infected;
    sub.Path = top + "\\sub";
    sub.InfectedFolder = false;
    sub.SubFolder = true;
    sub.ListIndex = -1;
    shell.state.AlertRecords.push_back(sub);
    TFileList file = sub;
    file.Path = stuck;
    file.SubFolder = false;
    file.FileInFolder = true;
    shell.state.AlertRecords.push_back(file);
    shell.ScanFinished();
    Fix(shell, 1);

    const MessageTable& m = shell.state.Messages;
    EXPECT_TRUE(FileExists(stuck));
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::CannotRemoveDirectoryLine) + top + "\\sub"));
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::CannotRemoveDirectoryLine) + top));
    EXPECT_EQ(shell.Main().List1->Lines()[0].Text, "Err...");
}

TEST(Cleaning, AnAbortedRunSaysSoAndLeavesTheFile)
{
    TestFolder folder;
    AppShell shell(folder);
    const std::string path = folder.Write("later.exe", "z");
    shell.AddFileAlert(path, "Trojan.Later");
    shell.ScanFinished();
    // The user presses "Abort" as soon as the window breathes.
    shell.app.Post([&] { shell.Main().Button3->Click(); });
    shell.renderer.Answer(idYes);
    shell.Main().Button2->Click();

    const MessageTable& m = shell.state.Messages;
    EXPECT_TRUE(FileExists(path));
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::CleaningAbortedLine)));
    EXPECT_TRUE(shell.Logged(m.Text(Msg::ScanAgainHint)));
    EXPECT_FALSE(shell.LoggedEnding(m.Text(Msg::CleaningFinished)));
    EXPECT_EQ(shell.Main().sb1->PanelText(0), m.Text(Msg::FixAborted));
    EXPECT_EQ(shell.renderer.Boxes().size(), 1u); // only the question
    EXPECT_TRUE(shell.Main().Button1->Enabled());
    EXPECT_FALSE(shell.Main().Button3->Enabled());
}

TEST(Cleaning, AddToQuarantineStoresTheCheckedFilesThenFixes)
{
    TestFolder folder;
    AppShell shell(folder);
    const std::string taken = folder.Write("taken.exe", "stored bytes");
    const std::string left = folder.Write("left.exe", "unchecked");
    shell.AddFileAlert(taken, "Trojan.Taken");
    shell.AddFileAlert(left, "Trojan.Left", false);
    shell.ScanFinished();
    shell.renderer.Answer(idYes); // add to quarantine?
    shell.renderer.Answer(idOk);  // added count
    shell.renderer.Answer(idYes); // then fix?
    shell.renderer.Answer(idOk);  // cleaned count
    shell.Main().xpButton5->Click();
    EXPECT_EQ(shell.renderer.PendingAnswers(), 0u);

    const MessageTable& m = shell.state.Messages;
    EXPECT_EQ(shell.renderer.Boxes()[1].Text.rfind("1" + m.Text(Msg::AlertsAddedToQuarantine), 0), 0u);
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::FileAddedLine) + taken));
    EXPECT_FALSE(FileExists(taken));
    EXPECT_TRUE(FileExists(left));
    QuarantineStore store(folder.Path());
    EXPECT_TRUE(QuarantineContains(store, taken));
    EXPECT_FALSE(QuarantineContains(store, left));
    ASSERT_TRUE(QuarantineRestore(store, taken, FolderPart(taken)));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(taken, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "stored bytes");
}

TEST(Cleaning, CleanedLineShowsTheSecondsWithTwoDecimals)
{
    EXPECT_EQ(CleanedLineText("Clean...[%f sec]", 0.01L), "Clean...[0.01 sec]");
    EXPECT_EQ(CleanedLineText("Clean...[%f sec]", 3.456L), "Clean...[3.46 sec]");
}
