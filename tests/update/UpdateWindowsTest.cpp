#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AppShell.h"
#include "LocalHttpServer.h"
#include "RandomBytes.h"
#include "UpdateTree.h"
#include "core/DatabaseText.h"
#include "core/TextHelpers.h"
#include "update/TForm4.h"

namespace {

// The program's windows with the update server on 127.0.0.1 and the program folder
// in the test's folder.
struct UpdateWindows : ::testing::Test {
    UpdateWindows()
    {
        tree.Installed(12, {Record(1)});
        EXPECT_TRUE(LoadDatabase(tree.Program() + "files.dat", shell.state.DatabaseStream));
        shell.context.Env.ProgramFolder = tree.Program();
        shell.context.Env.UpdateSigningKey = tree.Key();
        shell.context.Env.StartProgram = [this](const std::string& file) { started.push_back(file); };
        shell.context.Env.EndProcess = [this](int code) { endedWith = code; };
        shell.Main().Show();
        shell.Main().Timer3->SetEnabled(false);
        shell.context.Form2->Timer1->SetEnabled(false);
    }
    void UseServer(const LocalHttpServer& server)
    {
        const std::string host = server.Host();
        shell.context.Env.UpdateHost = [host] { return host; };
    }
    const HeadlessRenderer::ShownBox& Box(size_t index) const { return shell.renderer.Boxes().at(index); }
    const std::string& Text(Msg row) const { return shell.state.Messages.Text(row); }

    TestFolder folder;
    UpdateTree tree{folder};
    AppShell shell{folder};
    std::vector<std::string> started;
    int endedWith = -1;
};

TEST_F(UpdateWindows, UpdateTellsWhatTheCheckFound)
{
    tree.ServeList(UpdateTree::Date(12));
    LocalHttpServer server(tree.Www());
    UseServer(server);
    shell.renderer.Answer(idOk);
    shell.Main().Button7->Click();
    ASSERT_EQ(shell.renderer.Boxes().size(), 1u);
    EXPECT_EQ(Box(0).Text, Text(Msg::AlreadyUpgraded));
    EXPECT_EQ(Box(0).Caption, Text(Msg::InformationCaption));
    EXPECT_EQ(Box(0).Flags, mbOk | mbIconInformation);

    LocalHttpServer missing(tree.Www(), "404");
    UseServer(missing);
    shell.renderer.Answer(idOk);
    shell.Main().Button7->Click();
    ASSERT_EQ(shell.renderer.Boxes().size(), 2u);
    EXPECT_EQ(Box(1).Text.substr(0, 55), "Cannot upgrade, please check your internet connection.\r");
    EXPECT_EQ(Box(1).Caption, "Connection error");
    EXPECT_EQ(Box(1).Flags, mbOk | mbIconError);
}

TEST_F(UpdateWindows, UpdateFetchesTheNewDatabaseAndShowsItsDate)
{
    tree.ServeList(UpdateTree::Date(15));
    tree.ServeFull(15, {Record(2)});
    LocalHttpServer server(tree.Www());
    UseServer(server);
    shell.renderer.Answer(idYes);
    shell.renderer.Answer(idOk);
    shell.Main().Button7->Click();

    const std::string date = DatabaseDate(shell.state.DatabaseStream, "");
    EXPECT_EQ(TrimRightBlanks(date), UpdateTree::Date(15));
    ASSERT_EQ(shell.renderer.Boxes().size(), 2u);
    EXPECT_EQ(Box(0).Text,
              Text(Msg::DatabaseOutOfDate) + "\r" + Text(Msg::DownloadDatabaseUpdating) + UpdateTree::Date(15));
    EXPECT_FALSE(Box(0).MainFormEnabled);
    EXPECT_EQ(Box(1).Text, Text(Msg::DatabaseUpdatedLastDate) + date);
    EXPECT_EQ(Box(1).Caption, "Pyrafix Pro Info");
    EXPECT_EQ(shell.Main().Label2->Caption(), Text(Msg::DatabaseUpdatedDate) + date);
    EXPECT_EQ(shell.Main().sb1->PanelText(2), Text(Msg::LastUpdate) + date);
    EXPECT_EQ(shell.Main().sb1->PanelText(0), Text(Msg::FinishedPrefix) +
                                                  std::to_string(FileText(tree.Program() + "files.dat").size()) +
                                                  Text(Msg::Bytes));
    EXPECT_TRUE(shell.Main().Button4->Enabled() && shell.Main().Button7->Enabled());
    EXPECT_TRUE(shell.Main().Enabled());
}

TEST_F(UpdateWindows, TheStartUpCheckRunsTwoSecondsAfterTheWindowShows)
{
    tree.ServeList(UpdateTree::Date(13));
    LocalHttpServer server(tree.Www());
    UseServer(server);
    shell.Main().Hide();
    shell.Main().Show(); // enables Timer3, and the action dialog's timer while its box is checked
    shell.context.Form2->Timer1->SetEnabled(false);
    shell.app.AdvanceClock(1990);
    EXPECT_TRUE(server.Requests().empty());
    shell.renderer.Answer(idNo); // to the database question
    shell.app.AdvanceClock(10);
    EXPECT_EQ(WithoutSignatures(server.Requests()), std::vector<std::string>{"/updr2/list.htm"});
    EXPECT_FALSE(shell.Main().Timer3->Enabled());
    EXPECT_TRUE(shell.context.Form2->Timer1->Enabled()); // something was offered
}

TEST_F(UpdateWindows, UpgradeWindowShowsProgressAndStartsTheCompleteDownload)
{
    TForm4& upgrade = *shell.context.Form4;
    upgrade.Get1Progress(1000, 25);
    EXPECT_EQ(upgrade.pb1->Position(), 2);
    EXPECT_EQ(upgrade.Label2->Caption(), Text(Msg::Downloading) + "25/1000" + Text(Msg::Bytes));

    const std::vector<uint8_t> program = RandomBytes(30000, 7);
    tree.Serve("pyrxt.htm", std::string(program.begin(), program.end()));
    LocalHttpServer server(tree.Www());
    UseServer(server);
    tree.ServeList(UpdateTree::Date(12), "Pyrafix Pro v8 - SE (Build date: 1.1.2011)");
    shell.renderer.Answer(idYes); // the upgrade
    shell.Main().Button7->Click();
    EXPECT_TRUE(upgrade.Visible());
    EXPECT_FALSE(shell.Main().Enabled());
    EXPECT_EQ(upgrade.Label1->Caption(), Text(Msg::NewVersionIs) + "Pyrafix Pro v8 - SE (Build date: 1.1.2011)");
    shell.renderer.Answer(idOk); // "Pyrafix Pro is upgraded!"
    for (int i = 0; i < 500 && started.empty(); ++i) {
        shell.app.ProcessMessages();
        Sleep(5);
    }
    EXPECT_EQ(started, std::vector<std::string>{tree.Program() + "pyrxt.exe"});
    EXPECT_EQ(endedWith, 1);
    EXPECT_TRUE(shell.app.Terminated());
    EXPECT_EQ(upgrade.pb1->Position(), 99);
    EXPECT_EQ(upgrade.Label2->Caption(), Text(Msg::FinishedDots));
    EXPECT_EQ(FileText(tree.Program() + "pyrxt.exe"), std::string(program.begin(), program.end()));
    EXPECT_EQ(shell.renderer.Boxes().back().Text, Text(Msg::ProgramUpgraded));
    EXPECT_EQ(shell.renderer.Boxes().back().Caption, Text(Msg::Finished));
}

TEST_F(UpdateWindows, AnUpgradeWithoutTheMakersSignatureIsDeletedAndNeverStarted)
{
    const std::string other = tree.Signature("some other file");
    tree.ServeSignedAs("pyrxt.htm", std::string(20000, 'E'), &other);
    tree.ServeList(UpdateTree::Date(12), "Pyrafix Pro v8 - SE (Build date: 1.1.2011)");
    LocalHttpServer server(tree.Www());
    UseServer(server);
    shell.renderer.Answer(idYes); // the upgrade
    shell.renderer.Answer(idOk);  // the refusal
    shell.Main().Button7->Click();
    const std::string file = tree.Program() + "pyrxt.exe";
    for (int i = 0; i < 500 && shell.renderer.Boxes().size() < 2; ++i) {
        shell.app.ProcessMessages();
        Sleep(5);
    }
    ASSERT_EQ(shell.renderer.Boxes().size(), 2u);
    EXPECT_EQ(Box(1).Text, Text(Msg::UpgradeNotSigned) + file);
    EXPECT_EQ(Box(1).Flags, mbOk | mbIconError);
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(endedWith, -1);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(shell.context.Form4->Visible());
    EXPECT_TRUE(shell.Main().Enabled());
}

// Cancel asks, and closing asks again: Yes twice closes the window, Yes then No
// keeps it open; both stop the download and remove the partial file.
TEST_F(UpdateWindows, CancelStopsTheUpgradeAndTheCloseQuestionDecidesTheWindow)
{
    LocalHttpServer server(tree.Www());
    TForm4& upgrade = *shell.context.Form4;
    for (bool secondYes : {true, false}) {
        const std::string file = tree.Program() + "pyrxt.exe";
        folder.Write("program\\pyrxt.exe", "partial");
        shell.Main().SetEnabled(true);
        upgrade.StartUpgrade("New version is 8", server.Url("/bad/stall"), file);
        EXPECT_FALSE(shell.Main().Enabled());
        shell.renderer.Answer(idYes);
        shell.renderer.Answer(secondYes ? idYes : idNo);
        upgrade.xpButton1->Click();
        EXPECT_EQ(shell.renderer.Boxes().back().Text, Text(Msg::AbortProcessQuestion));
        EXPECT_EQ(shell.renderer.Boxes().back().Caption, Text(Msg::QuestionCaption));
        EXPECT_FALSE(std::filesystem::exists(file)) << secondYes;
        EXPECT_EQ(upgrade.Visible(), !secondYes);
        EXPECT_EQ(shell.Main().Enabled(), secondYes); // disabled while the upgrade window stays
        for (int i = 0; i < 500 && upgrade.Get1->Running(); ++i) {
            shell.app.ProcessMessages();
            Sleep(5);
        }
        EXPECT_FALSE(upgrade.Get1->Running());
        EXPECT_TRUE(started.empty());
    }
    shell.renderer.Answer(idYes);
    upgrade.Close();
    EXPECT_FALSE(upgrade.Visible());
}

} // namespace
