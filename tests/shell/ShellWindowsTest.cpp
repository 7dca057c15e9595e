#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "TestFolder.h"
#include "WindowProbe.h"
#include "core/DatabaseText.h"
#include "core/StartupTags.h"
#include "core/UpperFilters.h"
#include "database/DatabaseFile.h"
#include "platform/LocalTime.h"
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
#include "ui/win32/Win32Renderer.h"

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

// The same windows as real windows, at the given DPI (0: the screen's). The start-up
// timers are stopped once the main window shows.
struct RealShell {
    explicit RealShell(const TestFolder& folder, int dpi = 0, const std::string& key = "")
        : renderer(GetModuleHandleA(nullptr), dpi)
    {
        renderer.Attach(app);
        CopyDatabase(folder.Path());
        context.Env.ProgramFolder = folder.Path() + "\\";
        context.Env.WindowsName = Xp;
        context.Env.OpenDocument = [](const std::string&) {};
        context.Env.ActionDialogKey = key;
        CreateAppWindows(context);
    }
    void ShowMain()
    {
        Main().Show();
        Main().Timer3->SetEnabled(false);
        context.Form2->Timer1->SetEnabled(false);
        Pump();
    }
    void Pump() { app.ProcessMessages(); }
    HWND Window(const TComponent* component) const { return renderer.WindowOf(component); }
    TForm1& Main() { return *context.Form1; }
    Win32Renderer renderer;
    TApplication app{&renderer};
    SharedState state;
    AppContext context{app, state, {}};
};

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

TEST(ShellWindows, OtherWindowsBelongToTheMainOneAndComeToTheFrontWhenShownAgain)
{
    TestFolder folder;
    CopyDatabase(folder.Path());
    Shell shell(folder.Path());
    CreateAppWindows(shell.context);
    TForm1& main = *shell.context.Form1;
    for (const auto& component : shell.app.Components()) {
        auto& form = dynamic_cast<TForm&>(*component);
        EXPECT_EQ(form.OwnerForm(), &form == &main ? nullptr : &main) << form.Caption();
    }

    main.Show();
    main.xpButton6->Click();
    main.Button10->Click();
    EXPECT_EQ(shell.renderer.FrontForm(), shell.context.FormR);
    main.xpButton6->Click(); // "Quarantine" again: the open window comes to the front
    EXPECT_EQ(shell.renderer.FrontForm(), shell.context.Form9);
    EXPECT_EQ(
        std::count(shell.renderer.Transcript().begin(), shell.renderer.Transcript().end(), "[form] Quarantine Manager"),
        1);
    // The language window stays on top of them all.
    main.Button18->Click();
    main.xpButton25->Click();
    main.Button19->Click();
    main.xpButton6->Click();
    EXPECT_EQ(shell.renderer.FrontForm(), shell.context.FormL);
}

TEST(ShellWindows, DetailsOpensTheManagerWindowOnTheTabOfItsPage)
{
    TestFolder folder;
    CopyDatabase(folder.Path());
    Shell shell(folder.Path());
    CreateAppWindows(shell.context);
    TForm1& main = *shell.context.Form1;
    TfrmMain& manager = *shell.context.frmMain;
    main.Show();
    const struct {
        int page;
        TButton* details;
        TTabSheet* tab;
    } cases[] = {
        {TForm1::StartupPage, main.xpButton14, manager.TabSheet1},
        {TForm1::ServicePage, main.xpButton13, manager.TabSheet2},
    };
    for (const auto& c : cases) {
        manager.Hide();
        manager.PageControl->SetActivePageIndex(2);
        main.ShowPage(c.page);
        c.details->Click();
        EXPECT_TRUE(manager.Visible()) << c.details->Name();
        EXPECT_EQ(manager.PageControl->Sheets().at(manager.PageControl->ActivePageIndex()), c.tab) << c.details->Name();
    }
}

TEST(ShellWindows, RealWindowsAreOwnedByTheMainWindowAndTheTwoThatStayOnTopAreTopmost)
{
    TestFolder folder;
    RealShell shell(folder);
    HWND main = shell.Window(shell.context.Form1);
    ASSERT_TRUE(main);
    std::set<std::string> topmost;
    for (const auto& component : shell.app.Components()) {
        auto* form = dynamic_cast<TForm*>(component.get());
        HWND window = shell.Window(form);
        ASSERT_TRUE(window) << form->Caption();
        EXPECT_EQ(GetWindow(window, GW_OWNER), window == main ? nullptr : main) << form->Caption();
        EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_CHILD) << form->Caption();
        if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST)
            topmost.insert(form->Caption());
    }
    EXPECT_EQ(topmost, (std::set<std::string>{"Log Optimizer", "Select language"}));
}

TEST(ShellWindows, TheMainWindowFillsItsListsWhenItsPagesFirstGetTheFocus)
{
    TestFolder folder;
    RealShell shell(folder);
    TForm1& main = shell.Main();
    int processRefreshes = 0, startupRefreshes = 0;
    main.Button12->OnClick = [&] { ++processRefreshes; };
    main.Button15->OnClick = [&] { ++startupRefreshes; };
    shell.ShowMain();
    EXPECT_EQ(GetFocus(), shell.Window(main.Button4)); // the first control of the home page
    EXPECT_EQ(processRefreshes, 1);
    EXPECT_EQ(startupRefreshes, 1);
    // Moving on inside the pages is no new entry.
    probe::PressKey([&] { shell.Pump(); }, VK_TAB);
    EXPECT_EQ(GetFocus(), shell.Window(main.Button7));
    main.Button9->Click();
    shell.Pump();
    EXPECT_TRUE(IsChild(shell.Window(main.Note1->Page(TForm1::StartupPage)), GetFocus()));
    EXPECT_EQ(startupRefreshes, 1);
}

TEST(ShellWindows, TextsFitTheirPlacesAt96And144Dpi)
{
    const std::string path = "C:\\Documents and Settings\\All Users\\Application Data\\Pyrafix Tests\\"
                             "A folder with a long name\\another one\\pyrafix-long-name.exe";
    for (int dpi : {96, 144}) {
        TestFolder folder;
        RealShell shell(folder, dpi);
        TForm1& main = shell.Main();
        shell.ShowMain();
        const std::string date = shell.state.Messages.Text(Msg::LastUpdate) + TForm1::WidestDatabaseDate;
        main.sb1->SetPanelText(2, date);
        main.sb1->SetPanelText(0, "Scanning " + path);
        HWND bar = shell.Window(main.sb1);
        const std::vector<std::string> panels = probe::StatusPanels(bar);
        ASSERT_EQ(panels.size(), 3u) << dpi;
        EXPECT_EQ(panels[1], "Pyrafix Pro v4 - SE") << dpi;
        EXPECT_EQ(panels[2], date) << dpi;
        RECT part = {};
        SendMessageA(bar, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&part));
        // The panel's frame and the margin before its text take a few pixels.
        EXPECT_LE(shell.renderer.TextWidth(bar, date) + shell.renderer.Scale(6), part.right - part.left) << dpi;

        const std::string name = "\\pyrafix-long-name.exe";
        ASSERT_GT(panels[0].size(), name.size()) << dpi;
        EXPECT_EQ(panels[0].substr(panels[0].size() - name.size()), name) << dpi;
        EXPECT_NE(panels[0].find("...\\"), std::string::npos) << panels[0];
        SendMessageA(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part));
        EXPECT_LE(shell.renderer.TextWidth(bar, panels[0]), part.right - part.left) << dpi;

        // The quarantine's date of its widest form, as the store writes it, and the
        // manager window's one-row notes.
        const SYSTEMTIME late = {2028, 12, 4, 28, 23, 58, 59, 0};
        const std::string added = ShortDateText(late) + ", " + LongTimeText(late);
        TForm9& quarantine = *shell.context.Form9;
        TfrmMain& manager = *shell.context.frmMain;
        quarantine.List1->Add({path, {"Sys32.Worm", added}, true});
        manager.ListView1_2->Clear();
        manager.ListView1_2->Add({NoStartupProgramText, {}});
        manager.ListView3->Clear();
        manager.ListView3->Add({NoKeyboardFilterText, {}});
        const struct {
            TListView* list;
            int column;
            std::string text;
        } cells[] = {{quarantine.List1, 2, added},
                     {manager.ListView1_2, 0, NoStartupProgramText},
                     {manager.ListView3, 0, NoKeyboardFilterText}};
        for (const auto& cell : cells) {
            // Wide enough by the list's own measure of the cells' text, icons and margins.
            HWND list = shell.Window(cell.list);
            const int width = ListView_GetColumnWidth(list, cell.column);
            ListView_SetColumnWidth(list, cell.column, LVSCW_AUTOSIZE);
            EXPECT_GE(width, ListView_GetColumnWidth(list, cell.column)) << cell.text << " at " << dpi;
        }
    }
}

TEST(ShellWindows, TheRealActionDialogAnswersEnterAndEsc)
{
    TestFolder folder;
    const std::string key = TestKey();
    RealShell shell(folder, 0, key);
    TForm1& main = shell.Main();
    TForm2& dialog = *shell.context.Form2;
    shell.ShowMain();
    int scans = 0;
    main.Button1->OnClick = [&] { ++scans; };
    const auto pump = [&] { shell.Pump(); };
    const auto looksDefault = [&](TButton* button) {
        return (GetWindowLongA(shell.Window(button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };

    dialog.Show();
    pump();
    ASSERT_EQ(GetFocus(), shell.Window(dialog.Button1));
    probe::PressKey(pump, VK_RETURN);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(scans, 1);
    EXPECT_EQ(main.Note1->PageIndex(), TForm1::ScanPage);

    // Off the buttons, Enter presses "Scan for viruses", the one button drawn as the default.
    dialog.Show();
    SetFocus(shell.Window(dialog.c1));
    pump();
    EXPECT_TRUE(looksDefault(dialog.Button1));
    EXPECT_FALSE(looksDefault(dialog.Button3));
    EXPECT_FALSE(looksDefault(dialog.Button2));
    probe::PressKey(pump, VK_RETURN);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(scans, 2);
    EXPECT_TRUE(dialog.c1->Checked());

    // Esc closes it as its close box does: the main window is usable again and the box is stored.
    dialog.Show();
    pump();
    EXPECT_FALSE(main.Enabled());
    dialog.c1->Click();
    probe::PressKey(pump, VK_ESCAPE);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(IsWindowVisible(shell.Window(&dialog)));
    EXPECT_TRUE(main.Enabled());
    EXPECT_EQ(scans, 2);
    EXPECT_FALSE(ReadShowActionDialog(key, true));
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

} // namespace
