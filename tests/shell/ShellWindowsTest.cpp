#include <gtest/gtest.h>

#include <filesystem>

#include "TestFolder.h"
#include "core/DatabaseText.h"
#include "database/DatabaseFile.h"
#include "platform/RegistryKey.h"
#include "quarantine/TForm9.h"
#include "shell/AppContext.h"
#include "shell/Settings.h"
#include "shell/TForm1.h"
#include "shell/TForm2.h"
#include "shell/TFormL.h"
#include "systools/TFormR.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"

namespace {

const char Xp[] = "Microsoft Windows XP Professional Service Pack 3 (Build 2600)";

// The program's windows over the headless renderer, with files in a test folder
// and the action dialog's setting under a key of the test's own.
struct Shell {
    explicit Shell(const std::string& folder, const std::string& windows = Xp, const std::string& key = "")
    {
        renderer.Attach(app);
        context.Env.ProgramFolder = folder + "\\";
        context.Env.WindowsName = windows;
        context.Env.OpenDocument = [this](const std::string& url) { opened.push_back(url); };
        context.Env.ActionDialogKey = key;
    }
    HeadlessRenderer renderer;
    TApplication app{&renderer};
    SharedState state;
    AppContext context{app, state, {}};
    std::vector<std::string> opened;
};

void CopyDatabase(const std::string& folder)
{
    std::filesystem::copy_file(ProgramFolder() + "files.dat", folder + "\\files.dat");
}

std::string TestKey()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("Software\\Zentrova\\PyrafixTests\\") + info->name() + std::to_string(GetCurrentProcessId());
}

TEST(ShellWindows, AllNineWindowsAreCreatedInOrderAndTheMainOneShowsTheDatabaseDate)
{
    TestFolder folder;
    CopyDatabase(folder.Path());
    Shell shell(folder.Path());
    CreateAppWindows(shell.context);
    std::vector<std::string> created;
    for (const auto& component : shell.app.Components())
        created.push_back(dynamic_cast<TForm&>(*component).Caption());
    EXPECT_EQ(created, (std::vector<std::string>{"Pyrafix Pro v4 - SE", "Select your action", "Full scan process!",
                                                 "Upgrading...", "Quarantine Manager", "Runtime & Process Manager",
                                                 "Log Optimizer", "Select language", "Report Manager"}));

    MemoryStream database;
    ASSERT_TRUE(LoadDatabase(folder.Path() + "\\files.dat", database));
    const std::string expected = "Last Update: " + DatabaseDate(database, "");
    ASSERT_GT(expected.size(), std::string("Last Update: ").size());
    TForm1& main = *shell.context.Form1;
    EXPECT_EQ(main.sb1->PanelText(2), expected);
    EXPECT_EQ(main.Label2->Caption(), expected);
    EXPECT_TRUE(shell.renderer.Boxes().empty());
}

TEST(ShellWindows, OldWindowsIsRefusedBeforeTheDatabaseIsRead)
{
    const struct {
        const char* name;
        bool refused;
    } cases[] = {
        {"Microsoft Windows 2000 Professional Service Pack 4 (Build 2195)", true},
        {"Microsoft Windows 98 SE", true},
        {"Microsoft Windows Millennium Edition", true},
        {"Microsoft Windows NT Professional  (Build 22000)", false},
        {Xp, false},
    };
    TestFolder folder;
    CopyDatabase(folder.Path());
    for (const auto& c : cases) {
        Shell shell(folder.Path(), c.name);
        if (c.refused)
            shell.renderer.Answer(idOk);
        CreateAppWindows(shell.context);
        EXPECT_EQ(shell.app.ExitCode, c.refused ? 1 : 0) << c.name;
        EXPECT_EQ(shell.app.Terminated(), c.refused) << c.name;
        EXPECT_EQ(shell.state.DatabaseStream.Size() == 0, c.refused) << c.name;
        EXPECT_EQ(shell.app.Components().size(), c.refused ? 1u : 9u) << c.name;
        if (c.refused) {
            ASSERT_EQ(shell.renderer.Boxes().size(), 1u);
            EXPECT_EQ(shell.renderer.Boxes()[0].Text, shell.state.Messages.Text(Msg::UnsupportedWindows));
            EXPECT_EQ(shell.renderer.Boxes()[0].Caption, "Pyrafix Pro");
        }
    }
}

TEST(ShellWindows, AMissingOrUnreadableDatabaseIsNamedAndTheProgramRunsOn)
{
    const struct {
        bool present; // then held open by another without sharing
        const char* reason;
    } cases[] = {{false, "does not exist"}, {true, "cannot be read"}};
    for (const auto& c : cases) {
        TestFolder folder;
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.present) {
            CopyDatabase(folder.Path());
            held = CreateFileA((folder / "files.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        Shell shell(folder.Path());
        shell.renderer.Answer(idOk);
        CreateAppWindows(shell.context);
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        ASSERT_EQ(shell.renderer.Boxes().size(), 1u);
        EXPECT_EQ(shell.renderer.Boxes()[0].Caption, "Error");
        EXPECT_NE(shell.renderer.Boxes()[0].Text.find(folder.Path() + "\\files.dat"), std::string::npos);
        EXPECT_NE(shell.renderer.Boxes()[0].Text.find(c.reason), std::string::npos) << shell.renderer.Boxes()[0].Text;
        EXPECT_EQ(shell.app.Components().size(), 9u);
        TForm1& main = *shell.context.Form1;
        main.Show();
        EXPECT_EQ(main.sb1->PanelText(2), "Last Update: Error");
        EXPECT_EQ(main.Label2->Caption(), "Last Update: Error");
    }
}

TEST(ShellWindows, EachPageCommandShowsItsPageAndHintsChangeOnlyPanelZero)
{
    TestFolder folder;
    CopyDatabase(folder.Path());
    Shell shell(folder.Path());
    CreateAppWindows(shell.context);
    TForm1& main = *shell.context.Form1;
    shell.state.Messages.Text(Msg::Welcome) = "Willkommen"; // as a language file gives it; the design says "Welcome"
    main.Show();
    EXPECT_EQ(main.Note1->PageIndex(), TForm1::HomePage);
    EXPECT_EQ(main.GroupBox1->Caption(), "Willkommen");

    int quickScans = 0, processRefreshes = 0, serviceRefreshes = 0;
    main.Button1->OnClick = [&] { ++quickScans; };
    main.Button12->OnClick = [&] { ++processRefreshes; };
    main.xpButton12->OnClick = [&] { ++serviceRefreshes; };
    const struct {
        TButton* command;
        int page;
    } commands[] = {
        {main.Button4, TForm1::ScanPage},   {main.Button6, TForm1::HomePage},    {main.Button8, TForm1::ProcessPage},
        {main.Button13, TForm1::HomePage},  {main.Button9, TForm1::StartupPage}, {main.Button16, TForm1::HomePage},
        {main.Button18, TForm1::AboutPage}, {main.Button19, TForm1::HomePage},   {main.xpButton15, TForm1::ServicePage},
        {main.xpButton8, TForm1::HomePage},
    };
    for (const auto& c : commands) {
        c.command->Click();
        EXPECT_EQ(main.Note1->PageIndex(), c.page) << c.command->Name();
        EXPECT_TRUE(c.command->Parent()->Visible() == false || c.page == TForm1::HomePage);
    }
    EXPECT_EQ(quickScans, 1);
    EXPECT_EQ(processRefreshes, 1);
    EXPECT_EQ(serviceRefreshes, 1);

    main.xpButton3->Click();
    main.Button18->Click();
    main.xpButton2->Click();
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_NE(shell.opened[0], shell.opened[1]);

    const std::string panel1 = main.sb1->PanelText(1), panel2 = main.sb1->PanelText(2);
    const std::pair<TControl*, int> hints[] = {{main.Button4, 74},  {main.Button7, 76},     {main.xpButton15, 120},
                                               {main.Button10, 79}, {main.xpButton25, 127}, {main.xpButton11, 116},
                                               {main.Button14, 88}, {main.xpButton13, 114}};
    for (const auto& [control, row] : hints) {
        control->MouseMove();
        EXPECT_EQ(main.sb1->PanelText(0), shell.state.Messages.Row(row)) << control->Name();
        EXPECT_EQ(main.sb1->PanelText(1), panel1);
        EXPECT_EQ(main.sb1->PanelText(2), panel2);
    }

    main.Button19->Click();
    main.xpButton6->Click();
    main.Button10->Click();
    main.Button9->Click();
    main.xpButton14->Click();
    main.Button16->Click();
    EXPECT_TRUE(shell.context.Form9->Visible());
    EXPECT_TRUE(shell.context.FormR->Visible());
    EXPECT_TRUE(shell.context.frmMain->Visible());
    main.Button17->Click();
    EXPECT_TRUE(shell.app.Terminated());
}

TEST(ShellWindows, TheActionDialogKeepsItsSettingAcrossStarts)
{
    TestFolder folder;
    CopyDatabase(folder.Path());
    const std::string key = TestKey();
    {
        Shell shell(folder.Path(), Xp, key);
        CreateAppWindows(shell.context);
        TForm2& dialog = *shell.context.Form2;
        EXPECT_TRUE(dialog.c1->Checked()); // no key at all
        shell.context.Form1->Show();
        shell.app.AdvanceClock(999);
        EXPECT_FALSE(dialog.Visible());
        shell.app.AdvanceClock(1);
        EXPECT_TRUE(dialog.Visible());
        EXPECT_FALSE(shell.context.Form1->Enabled());
        dialog.Close();
        EXPECT_TRUE(shell.context.Form1->Enabled());
        EXPECT_TRUE(ReadShowActionDialog(key, false));
        RegKey written;
        ASSERT_TRUE(written.Open(HKEY_CURRENT_USER, key));
        DWORD value = 7, size = sizeof(value), type = 0;
        ASSERT_EQ(RegQueryValueExA(written.Get(), "0", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(type, DWORD(REG_DWORD));
        EXPECT_EQ(value, 1u);

        dialog.Show();
        dialog.c1->Click();
        dialog.Button2->Click();
        EXPECT_FALSE(ReadShowActionDialog(key, true));
    }
    {
        Shell shell(folder.Path(), Xp, key);
        CreateAppWindows(shell.context);
        EXPECT_FALSE(shell.context.Form2->c1->Checked());
        shell.context.Form1->Show();
        shell.app.AdvanceClock(10000);
        EXPECT_FALSE(shell.context.Form2->Visible());
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

TEST(ShellWindows, TheActionDialogButtonsLeadToTheirCommands)
{
    TestFolder folder;
    CopyDatabase(folder.Path());
    const std::string key = TestKey();
    Shell shell(folder.Path(), Xp, key);
    CreateAppWindows(shell.context);
    TForm1& main = *shell.context.Form1;
    TForm2& dialog = *shell.context.Form2;
    main.Show();
    bool mainEnabledAtScan = false;
    main.Button1->OnClick = [&] { mainEnabledAtScan = main.Enabled(); };
    dialog.Show();
    dialog.Button1->Click();
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(mainEnabledAtScan);
    EXPECT_EQ(main.Note1->PageIndex(), TForm1::ScanPage);

    dialog.Show();
    dialog.Button3->Click();
    EXPECT_TRUE(shell.context.FormR->Visible());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(main.Enabled());
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

} // namespace
