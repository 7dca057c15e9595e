#include <gtest/gtest.h>

#include <filesystem>

#include "TestFolder.h"
#include "database/DatabaseFile.h"
#include "scan/ScanCommands.h"
#include "shell/AppContext.h"
#include "shell/TForm1.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"

namespace {

// The program's windows on the headless renderer, with the shipped database.
struct Windows {
    explicit Windows(const std::string& folder)
    {
        std::filesystem::copy_file(ProgramFolder() + "files.dat", folder + "\\files.dat");
        renderer.Attach(app);
        context.Env.ProgramFolder = folder + "\\";
        context.Env.WindowsName = "Microsoft Windows XP Professional Service Pack 3 (Build 2600)";
        context.Env.OpenDocument = [](const std::string&) {};
        CreateAppWindows(context);
        context.Form1->Show();
        context.Form1->ShowPage(TForm1::ScanPage);
    }
    HeadlessRenderer renderer;
    TApplication app{&renderer};
    SharedState state;
    AppContext context{app, state, {}};
};

} // namespace

TEST(ScanCommands, QuickScanAsksFirstAndEndsCleanWithTheWindowRestored)
{
    TestFolder folder;
    Windows w(folder.Path());
    TForm1& form = *w.context.Form1;

    w.renderer.Answer(idNo);
    form.Button1->Click();
    EXPECT_TRUE(form.Memo2->Lines().empty());
    ASSERT_EQ(w.renderer.Boxes().size(), 1u);
    EXPECT_EQ(w.renderer.Boxes()[0].Caption, "Question");
    EXPECT_EQ(w.renderer.Boxes()[0].Text.rfind(
                  w.state.Messages.Text(Msg::ScanQuestion) + "\r\r" + w.state.Messages.Text(Msg::ImportantNote), 0),
              0u);

    form.List3->Add(TListItem{"a row the startup page no longer has", {"stale.exe"}});
    w.renderer.Answer(idYes);
    w.renderer.Answer(idOk); // "Your computer is clean from this kind of viruses!"
    form.Button1->Click();
    ASSERT_EQ(form.Memo2->Lines().size(), 2u);
    EXPECT_NE(form.Memo2->Lines()[1].find(": Your computer is clean!"), std::string::npos);
    ASSERT_EQ(form.List1->Count(), 1); // "Scanning..." is gone, the clean line stays, disabled
    EXPECT_EQ(form.List1->Lines()[0].Text, w.state.Messages.Text(Msg::ComputerCleanListLine));
    EXPECT_FALSE(form.List1->Lines()[0].Enabled);
    EXPECT_EQ(w.renderer.Boxes().back().Text, w.state.Messages.Text(Msg::ComputerCleanOfThisKind));
    EXPECT_FALSE(w.renderer.Boxes().back().MainFormEnabled);
    EXPECT_TRUE(form.Button1->Enabled());
    EXPECT_FALSE(form.Button3->Enabled());
    EXPECT_FALSE(form.Button2->Enabled());
    EXPECT_TRUE(form.Button6->Visible());
    EXPECT_EQ(form.sb1->PanelText(0), w.state.Messages.Text(Msg::ScanFinished));
    EXPECT_FALSE(w.state.StartupEntries.Lines().empty()); // the collector ran first
    // The startup page shows the records the scan refreshed, row for row.
    ASSERT_EQ(form.List3->Items().size(), w.state.StartupRecords.size());
    for (size_t i = 0; i < w.state.StartupRecords.size(); ++i)
        EXPECT_EQ(form.List3->Items()[i].Caption, w.state.StartupRecords[i].ValueName);
}

TEST(ScanCommands, AnAbortedScanSaysSo)
{
    TestFolder folder;
    Windows w(folder.Path());
    TForm1& form = *w.context.Form1;
    // Abort arrives while the scan pumps messages, as a click on "Abort" would.
    w.app.Post([&] { form.Button3->Click(); });
    w.renderer.Answer(idOk);
    QuickScan(w.context);
    EXPECT_TRUE(w.state.AbortRequested);
    EXPECT_EQ(form.sb1->PanelText(0), w.state.Messages.Text(Msg::ScanAborted));
}
