#include <gtest/gtest.h>

#include "AppShell.h"
#include "database/FileMd5.h"
#include "platform/FileSystem.h"
#include "scan/FullScan.h"
#include "scan/FullScanWindow.h"
#include "scan/TForm3.h"

namespace {

// The state a quick scan leaves when it offers the full scan: "Scanning..." as line
// 0, one file alert with its line, the scanning buttons.
void QuickScanFound(AppShell& shell, const std::string& seed)
{
    TForm1& main = shell.Main();
    shell.ShowScanPage();
    main.ShowScanningLine();
    shell.AddFileAlert(seed, "Trojan.Seed");
    shell.state.AlertRecords.back().Md5 = Md5Text(FileMd5(seed));
    main.SetScanning(true);
}

} // namespace

TEST(FullScanWindow, DecliningTheAbortQuestionStartsTheScanWhenTheTimerFires)
{
    TestFolder folder;
    AppShell shell(folder);
    CreateDirectoryA((folder / "a").c_str(), nullptr);
    CreateDirectoryA((folder / "b").c_str(), nullptr);
    const std::string seed = folder.Write("a\\seed.exe", "the same bytes");
    const std::string copy = folder.Write("b\\renamed.scr", "the same bytes");
    QuickScanFound(shell, seed);

    ShowFullScanWindow(shell.context);
    TForm3& window = *shell.context.Form3;
    const MessageTable& m = shell.state.Messages;
    EXPECT_FALSE(shell.Main().Enabled());
    EXPECT_EQ(window.SelectedDrives, LocalDrives(-1, FixedDrive));
    EXPECT_EQ(window.Label1->Caption(), m.Text(Msg::ScanDrives) + window.SelectedDrives);
    ASSERT_GT(window.cList1->Count(), 0);
    EXPECT_TRUE(window.cList1->Lines()[0].Checked);
    window.cList1->ClickCheck(0);
    EXPECT_EQ(window.SelectedDrives.find(window.cList1->Lines()[0].Text), std::string::npos);
    window.SelectedDrives = folder.Path() + ";"; // never the whole machine in a test

    shell.renderer.Answer(idNo); // do not abort the full scan
    window.xpButton3->Click();
    EXPECT_FALSE(window.Visible());
    EXPECT_TRUE(shell.Main().Enabled());
    EXPECT_EQ(shell.renderer.Boxes()[0].Text, m.Text(Msg::AbortFullScanQuestion) + "\r\r" + m.Text(Msg::Note136) +
                                                  "\r" + m.Text(Msg::AbortFullScanWarning));
    EXPECT_EQ(shell.renderer.Boxes()[0].Caption, m.Text(Msg::ScanAlertCaption));
    EXPECT_EQ(shell.state.AlertRecords.size(), 1u);

    shell.renderer.Answer(idOk); // the count of new files
    shell.app.AdvanceClock(999);
    EXPECT_EQ(shell.state.AlertRecords.size(), 1u);
    shell.app.AdvanceClock(1);
    EXPECT_EQ(shell.renderer.PendingAnswers(), 0u);

    ASSERT_EQ(shell.state.AlertRecords.size(), 2u);
    const TFileList& found = shell.state.AlertRecords[1];
    EXPECT_EQ(found.Path, copy);
    EXPECT_TRUE(found.FullScanHit);
    EXPECT_EQ(found.ListIndex, -1);
    EXPECT_EQ(found.Name, "Trojan.Seed");
    EXPECT_EQ(shell.state.DetectionCount, 2);
    EXPECT_TRUE(shell.LoggedEnding(m.Text(Msg::ScanningPleaseWait)));
    EXPECT_EQ(shell.renderer.Boxes()[1].Text, m.Text(Msg::YouHave) + "2" + m.Text(Msg::DangerousFilesClickFix));
    EXPECT_EQ(shell.renderer.Boxes()[1].Caption, m.Text(Msg::AlertCaption));
    ASSERT_EQ(shell.Main().List1->Count(), 1); // "Scanning..." is gone, the alert stays
    EXPECT_EQ(shell.Main().List1->Lines()[0].Text, "Infected with Trojan.Seed");
    EXPECT_TRUE(shell.Main().List1->Lines()[0].Enabled);
    EXPECT_EQ(shell.Main().sb1->PanelText(0), m.Text(Msg::ScanFinished));
    EXPECT_TRUE(shell.Main().Button2->Enabled());
    EXPECT_TRUE(shell.Main().xpButton5->Enabled());
    EXPECT_FALSE(shell.Main().Button3->Enabled());
    EXPECT_TRUE(shell.Main().Button1->Enabled());
    EXPECT_TRUE(shell.Main().Button6->Visible());
}

TEST(FullScanWindow, TheAbortQuestionsEndInCleaningOrInTheAlertList)
{
    const struct {
        const char* name;
        int cleanAnswer; // the answer to "clean active alerts?"
        bool cleaned;
    } cases[] = {{"clean", idYes, true}, {"keep", idNo, false}};
    for (const auto& c : cases) {
        TestFolder folder;
        AppShell shell(folder);
        const std::string seed = folder.Write(std::string(c.name) + ".exe", "bad");
        QuickScanFound(shell, seed);
        ShowFullScanWindow(shell.context);
        shell.renderer.Answer(idYes); // abort the full scan
        shell.renderer.Answer(c.cleanAnswer);
        if (c.cleaned)
            shell.renderer.Answer(idOk); // cleaned count
        shell.context.Form3->xpButton3->Click();
        EXPECT_EQ(shell.renderer.PendingAnswers(), 0u) << c.name;
        EXPECT_EQ(shell.renderer.Boxes()[1].Text, shell.state.Messages.Text(Msg::CleanActiveAlertsQuestion)) << c.name;
        EXPECT_EQ(FileExists(seed), !c.cleaned) << c.name;
        ASSERT_EQ(shell.Main().List1->Count(), 1) << c.name;
        EXPECT_EQ(shell.Main().Button2->Enabled(), !c.cleaned) << c.name;
        EXPECT_TRUE(shell.Main().Button1->Enabled()) << c.name;
        EXPECT_FALSE(shell.Main().Button3->Enabled()) << c.name;
        shell.app.AdvanceClock(2000); // no full scan follows
        EXPECT_EQ(shell.state.AlertRecords.size(), 1u) << c.name;
    }
}
