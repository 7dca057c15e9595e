// The system tools as the user meets them: the main window's pages 2, 3 and 5 and
// the manager window, over the headless renderer, against planted machine state.
#include <gtest/gtest.h>

#include "Planted.h"
#include "Shortcuts.h"
#include "TestFolder.h"
#include "core/ProcessNames.h"
#include "core/TextHelpers.h"
#include "database/DatabaseFile.h"
#include "platform/ShellLinks.h"
#include "shell/AppContext.h"
#include "shell/TForm1.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"
#include "ui/win32/Win32Renderer.h"

#include <shlobj.h>

#include <thread>

using namespace std::string_literals;

namespace {

const char Xp[] = "Microsoft Windows XP Professional Service Pack 3 (Build 2600)";

// The program's windows as its main creates them, without real windows.
struct Windows {
    Windows()
    {
        renderer.Attach(app);
        context.Env.ProgramFolder = ProgramFolder();
        context.Env.WindowsName = Xp;
        context.Env.OpenDocument = [](const std::string&) {};
        context.Env.ShowProperties = [this](const std::string& file) { properties.push_back(file); };
        CreateAppWindows(context);
        app.Run(); // shows the main window; the headless loop returns at once
    }
    HeadlessRenderer renderer;
    TApplication app{&renderer};
    SharedState state;
    AppContext context{app, state, {}};
    std::vector<std::string> properties;
    TForm1& Main() { return *context.Form1; }
    TfrmMain& Manager() { return *context.frmMain; }
};

int IndexOf(const TListView& list, const std::string& caption)
{
    for (int i = 0; i < list.Count(); ++i)
        if (SameTextIgnoringCase(list.Item(i).Caption, caption))
            return i;
    return -1;
}

std::vector<std::string> Captions(const TListView& list)
{
    std::vector<std::string> captions;
    for (const TListItem& item : list.Items())
        captions.push_back(item.Caption);
    return captions;
}

bool HasValue(const std::string& keyPath, const std::string& name, std::string* data = nullptr)
{
    RegKey key;
    std::string value;
    if (!key.Open(HKEY_CURRENT_USER, keyPath) || !key.ReadString(name, value))
        return false;
    if (data)
        *data = value;
    return true;
}

DWORD ServiceState(const std::string& key)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, key.c_str(), SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    QueryServiceStatus(service, &status);
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return status.dwCurrentState;
}

struct Buttons {
    bool start, stop, restart, mode;
    bool operator==(const Buttons& other) const
    {
        return start == other.start && stop == other.stop && restart == other.restart && mode == other.mode;
    }
};
Buttons ServiceButtonsOf(const TfrmMain& form)
{
    return {form.cmdServiceStart->Enabled(), form.cmdServiceStop->Enabled(), form.cmdServiceRestart->Enabled(),
            form.cmdServiceChangeStartupMode->Enabled()};
}

} // namespace

TEST(SystemToolWindows, EndTaskAsksThenEndsEveryCopyOfTheCheckedProgram)
{
    TestFolder dir;
    CreateDirectoryA((dir / "a").c_str(), nullptr);
    CreateDirectoryA((dir / "b").c_str(), nullptr);
    RunningFixture first(dir / "a\\pyrafix-endtask.exe");
    RunningFixture second(dir / "b\\pyrafix-endtask.exe");
    Windows w;
    TForm1& main = w.Main();

    main.Button8->Click();
    EXPECT_EQ(main.Note1->PageIndex(), TForm1::ProcessPage);
    const int row = IndexOf(*main.List2, dir / "a\\pyrafix-endtask.exe");
    ASSERT_GE(row, 0) << ::testing::PrintToString(Captions(*main.List2));
    ASSERT_GE(IndexOf(*main.List2, dir / "b\\pyrafix-endtask.exe"), 0);
    EXPECT_EQ(main.Label3->Caption(), "Active processes (" + std::to_string(main.List2->Count()) + ").");

    main.List2->UserCheck(row, true);
    w.renderer.Answer(idNo);
    main.Button11->Click();
    EXPECT_FALSE(first.Ended(0));
    EXPECT_TRUE(main.List2->Item(row).Checked);

    w.renderer.Answer(idYes);
    main.Button11->Click();
    EXPECT_TRUE(first.Ended());
    EXPECT_TRUE(second.Ended());
    ASSERT_EQ(w.renderer.Boxes().size(), 2u);
    for (const auto& box : w.renderer.Boxes()) {
        EXPECT_EQ(box.Text, "Do you want to terminate selected processes?");
        EXPECT_EQ(box.Caption, "Question");
        EXPECT_EQ(box.Flags, mbYesNo | mbIconQuestion);
    }
    main.Button12->Click();
    EXPECT_EQ(IndexOf(*main.List2, dir / "a\\pyrafix-endtask.exe"), -1);
    EXPECT_EQ(IndexOf(*main.List2, dir / "b\\pyrafix-endtask.exe"), -1);
}

TEST(SystemToolWindows, StartupFilesPageDeletesTheCheckedValue)
{
    const std::string data = "\"C:\\Pyrafix Tests\\page.exe\" /start";
    PlantedValue value(data);
    Windows w;
    TForm1& main = w.Main();
    main.Button9->Click();
    EXPECT_EQ(main.Note1->PageIndex(), TForm1::StartupPage);
    main.Button15->Click();
    const int row = IndexOf(*main.List3, value.name);
    ASSERT_GE(row, 0);
    EXPECT_EQ(main.List3->Item(row).SubItems, std::vector<std::string>{data});
    ASSERT_EQ(w.state.StartupRecords.size(), static_cast<size_t>(main.List3->Count()));
    EXPECT_EQ(w.state.StartupRecords[row].KeyPath, RunKey);

    main.List3->UserCheck(row, true);
    w.renderer.Answer(idYes);
    w.renderer.Answer(idOk);
    main.Button14->Click();
    EXPECT_FALSE(HasValue(RunKey, value.name));
    EXPECT_EQ(IndexOf(*main.List3, value.name), -1);
    ASSERT_EQ(w.renderer.Boxes().size(), 2u);
    EXPECT_EQ(w.renderer.Boxes()[0].Text, "Do you want to delete selected values?");
    EXPECT_EQ(w.renderer.Boxes()[0].Caption, "Question");
    EXPECT_EQ(w.renderer.Boxes()[1].Text, "Selected values successfully deleted!");
    EXPECT_EQ(w.renderer.Boxes()[1].Caption, "Information");
    EXPECT_EQ(w.renderer.Boxes()[1].Flags, unsigned(mbIconInformation));
}

TEST(SystemToolWindows, TheStartupFilesPageIsFilledOnceThePagesGetTheFocus)
{
    PlantedValue value;
    const std::string data = "\"C:\\Pyrafix Tests\\entered.exe\" /start";
    {
        RegKey run;
        ASSERT_TRUE(run.Create(HKEY_CURRENT_USER, RunKey));
        ASSERT_TRUE(run.WriteString(value.name, data));
    }
    Windows w;
    TForm1& main = w.Main();
    EXPECT_EQ(main.List3->Count(), 0);
    // The focus lands on the home page's first button as the window comes up.
    main.FocusMoved(main.Button4);
    main.Button9->Click();
    const int row = IndexOf(*main.List3, value.name);
    ASSERT_GE(row, 0);
    EXPECT_EQ(main.List3->Item(row).SubItems, std::vector<std::string>{data});
    EXPECT_EQ(w.state.StartupRecords.size(), static_cast<size_t>(main.List3->Count()));
    EXPECT_GT(main.List2->Count(), 0); // and the process page
}

TEST(SystemToolWindows, StartupTabDisablesEnablesAndRemovesARunValue)
{
    PlantedValue value;
    const std::string data = "\"C:\\Program Files\\Pyrafix Wire\\Wire.exe\" -start";
    {
        RegKey run;
        ASSERT_TRUE(run.Create(HKEY_CURRENT_USER, RunKey));
        ASSERT_TRUE(run.WriteString(value.name, data));
    }
    Windows w;
    TfrmMain& m = w.Manager();
    const int row = IndexOf(*m.ListView1, value.name);
    ASSERT_GE(row, 0);
    const std::string program = "c:\\program files\\pyrafix wire\\wire.exe";
    EXPECT_EQ(m.ListView1->Item(row).SubItems, (std::vector<std::string>{data, "HKCU", program}));
    EXPECT_TRUE(m.ListView1->Item(row).Checked);

    m.ListView1->UserCheck(row, false);
    std::string moved;
    EXPECT_TRUE(HasValue(RunKeyBak, value.name, &moved));
    EXPECT_EQ(moved, data);
    EXPECT_FALSE(HasValue(RunKey, value.name));
    EXPECT_FALSE(m.ListView1->Item(row).Enabled);
    EXPECT_EQ(m.ListView1->SelectedIndex(), row);
    m.ListView1->UserCheck(row, true);
    EXPECT_TRUE(HasValue(RunKey, value.name));
    EXPECT_FALSE(HasValue(RunKeyBak, value.name));

    // The shared menu works on the list it opened over.
    m.PageControl->SetActivePageIndex(0);
    m.ListView1->SetSelectedIndex(-1);
    m.ListView1_2->SetSelectedIndex(-1);
    m.PopupMenu1->Popup(m.ListView1);
    EXPECT_FALSE(m.mnuDel->Enabled);
    m.ListView1->UserSelect(row);
    m.PopupMenu1->Popup(m.ListView1);
    EXPECT_TRUE(m.mnuDel->Enabled);
    EXPECT_TRUE(m.mnuInf->Enabled);
    m.mnuInf->Click();
    EXPECT_EQ(w.properties, std::vector<std::string>{program});

    w.renderer.Answer(idNo);
    m.mnuDel->Click();
    EXPECT_TRUE(HasValue(RunKey, value.name));
    w.renderer.Answer(idYes);
    m.mnuDel->Click();
    EXPECT_FALSE(HasValue(RunKey, value.name));
    EXPECT_FALSE(HasValue(RunKeyBak, value.name));
    EXPECT_EQ(IndexOf(*m.ListView1, value.name), -1);
    ASSERT_EQ(w.renderer.Boxes().size(), 2u);
    EXPECT_EQ(w.renderer.Boxes()[1].Text, "Remove [" + value.name + "] from this list?");
    EXPECT_EQ(w.renderer.Boxes()[1].Caption, "This action can not be undone!");
    EXPECT_EQ(w.renderer.Boxes()[1].Flags, mbYesNo | mbIconQuestion | mbDefButton2);
}

TEST(SystemToolWindows, ARowShowsItsProgramsIconAddedOncePerFile)
{
    PlantedValue value;
    const std::string program = LowerCase(ProgramFolder() + "pyrafix.exe");
    {
        RegKey run;
        ASSERT_TRUE(run.Create(HKEY_CURRENT_USER, RunKey));
        ASSERT_TRUE(run.WriteString(value.name, program));
    }
    Windows w;
    TfrmMain& m = w.Manager();
    const int row = IndexOf(*m.ListView1, value.name);
    ASSERT_GE(row, 0);
    const int image = m.ListView1->Item(row).ImageIndex;
    ASSERT_GT(image, int(TfrmMain::ImgNonMicrosoft));
    EXPECT_EQ(m.ImageList1->Images().at(image), program);

    const int images = m.ImageList1->Count();
    w.Main().xpButton12->Click(); // reloads every tab of the manager window
    EXPECT_EQ(m.ListView1->Item(IndexOf(*m.ListView1, value.name)).ImageIndex, image);
    EXPECT_EQ(m.ImageList1->Count(), images);
}

TEST(SystemToolWindows, RemovingAStartupFolderRowDeletesTheShortcutNotItsTarget)
{
    char startup[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, startup), S_OK);
    TestFolder dir;
    const std::string target = dir.Write("wired.exe", std::string(64, 'x'));
    const std::string link = std::string(startup) + "\\pyrafix-wired.lnk";
    // Made outside the Start Menu and moved in, so Wine's menu builder stays out of it.
    ASSERT_TRUE(CreateShortcut(dir / "made.lnk", target));
    ASSERT_TRUE(MoveFileA((dir / "made.lnk").c_str(), link.c_str()));

    Windows w;
    TfrmMain& m = w.Manager();
    const int row = IndexOf(*m.ListView1_2, "pyrafix-wired.lnk");
    ASSERT_GE(row, 0);
    EXPECT_TRUE(SameTextIgnoringCase(m.ListView1_2->Item(row).SubItems.at(0), target));
    m.PageControl->SetActivePageIndex(0);
    m.ListView1_2->UserSelect(row);
    m.PopupMenu1->Popup(m.ListView1_2);
    EXPECT_TRUE(m.mnuDel->Enabled);
    m.mnuInf->Click();
    ASSERT_EQ(w.properties.size(), 1u);
    EXPECT_TRUE(SameTextIgnoringCase(w.properties[0], target));

    w.renderer.Answer(idYes);
    m.mnuDel->Click();
    EXPECT_EQ(GetFileAttributesA(link.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(IndexOf(*m.ListView1_2, "pyrafix-wired.lnk"), -1);
    DeleteFileA(link.c_str());
}

TEST(SystemToolWindows, ServiceCommandsInBothListsAndTheCompanionService)
{
    const std::string path = FixturePath("fixture_service.exe");
    PlantedService service("", path, SERVICE_DEMAND_START);
    PlantedService companion("Companion", path, SERVICE_DEMAND_START, "Nortavix");
    Windows w;
    TForm1& main = w.Main();
    TfrmMain& m = w.Manager();
    m.Show();
    m.PageControl->SetActivePageIndex(1);

    main.xpButton15->Click();
    EXPECT_EQ(main.Note1->PageIndex(), TForm1::ServicePage);
    const std::vector<std::string> stopped = {path, "Stopped", "Manual", service.key};
    const int pageRow = IndexOf(*main.ListView2, service.display);
    ASSERT_GE(pageRow, 0);
    EXPECT_EQ(main.ListView2->Item(pageRow).SubItems, stopped);
    EXPECT_EQ(main.ListView2->Item(pageRow).ImageIndex, -1);
    const int row = IndexOf(*m.ListView2, service.display);
    ASSERT_GE(row, 0);
    EXPECT_EQ(m.ListView2->Item(row).SubItems, stopped);
    EXPECT_EQ(Captions(*m.ListView2), Captions(*main.ListView2));
    // The quick scan takes the services as the pages hold them.
    ASSERT_TRUE(w.state.Pages.ServiceImagePaths);
    EXPECT_EQ(w.state.Pages.ServiceImagePaths->size(), static_cast<size_t>(m.ListView2->Count()));
    EXPECT_EQ(std::count(w.state.Pages.ServiceImagePaths->begin(), w.state.Pages.ServiceImagePaths->end(), path), 2);

    m.ListView2->UserSelect(row);
    EXPECT_EQ(ServiceButtonsOf(m), (Buttons{true, false, false, true}));
    m.cmdServiceStart->Click();
    EXPECT_EQ(m.ListView2->Item(row).SubItems.at(1), "Running");
    EXPECT_EQ(ServiceState(service.key), DWORD(SERVICE_RUNNING));
    EXPECT_EQ(ServiceButtonsOf(m), (Buttons{false, true, true, true}));
    EXPECT_TRUE(m.ListView2->Enabled());

    // Disabling a running service changes its start type only.
    m.mnuDisabled->Click();
    EXPECT_EQ(m.ListView2->Item(row).SubItems, (std::vector<std::string>{path, "Running", "Disabled", service.key}));
    EXPECT_EQ(ServiceButtonsOf(m), (Buttons{false, false, false, true}));
    m.mnuManual->Click();
    EXPECT_EQ(m.ListView2->Item(row).SubItems.at(2), "Manual");

    // Page 5 works on its own list with the message table's texts.
    main.ListView2->UserSelect(pageRow);
    main.xpButton9->Click();
    EXPECT_EQ(main.ListView2->Item(pageRow).SubItems.at(1), w.context.Text(Msg::ServiceStopped));
    EXPECT_EQ(ServiceState(service.key), DWORD(SERVICE_STOPPED));
    main.xpButton11->Click();
    EXPECT_EQ(main.ListView2->Item(pageRow).SubItems.at(1), w.context.Text(Msg::ServiceRunning));
    EXPECT_EQ(ServiceState(service.key), DWORD(SERVICE_RUNNING));

    // The companion service cannot be started, stopped or changed from either list.
    const int companionRow = IndexOf(*m.ListView2, "Nortavix");
    ASSERT_GE(companionRow, 0);
    m.ListView2->UserSelect(companionRow);
    EXPECT_EQ(ServiceButtonsOf(m), (Buttons{false, false, false, false}));
    main.ListView2->UserSelect(IndexOf(*main.ListView2, "Nortavix"));
    main.xpButton10->Click();
    EXPECT_EQ(ServiceState(companion.key), DWORD(SERVICE_STOPPED));

    // Details opens the service's program.
    m.ListView2->UserDoubleClick(row);
    EXPECT_EQ(w.properties, std::vector<std::string>{path});
}

TEST(SystemToolWindows, KeyboardFilterRemovalAndIniLineSwitching)
{
    SavedUpperFilters filters;
    filters.Set("kbdclass\0pyrwireA\0pyrwireB\0\0"s);
    const std::string driver = SystemFolder() + "\\Drivers\\pyrwireB.sys";
    TestFolder scratch;
    ASSERT_TRUE(CopyFileA(scratch.Write("driver", "driver").c_str(), driver.c_str(), FALSE));
    SavedIni ini("system.ini");
    ini.Write("[386Enh]\r\n   DEVICE=PyrWire.vxd\r\n;load=old.drv\r\nkeyboard.drv=x\r\n");

    Windows w;
    TfrmMain& m = w.Manager();
    ASSERT_EQ(m.ListView3->Count(), 2);
    EXPECT_EQ(m.ListView3->Item(0).Caption, "pyrwireA");
    EXPECT_EQ(m.ListView3->Item(0).SubItems, std::vector<std::string>{"File not found"});
    EXPECT_TRUE(SameTextIgnoringCase(m.ListView3->Item(1).SubItems.at(0), driver));

    m.PageControl->SetActivePageIndex(2);
    m.ListView3->UserSelect(1);
    m.PopupMenu1->Popup(m.ListView3);
    EXPECT_TRUE(m.mnuDel->Enabled);
    w.renderer.Answer(idYes);
    m.mnuDel->Click();
    EXPECT_EQ(filters.Get(), "kbdclass\0pyrwireA\0\0"s);
    EXPECT_EQ(Captions(*m.ListView3), std::vector<std::string>{"pyrwireA"});
    EXPECT_EQ(GetFileAttributesA(driver.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(DeleteFileA((driver + ".del").c_str()));
    ASSERT_FALSE(w.renderer.Boxes().empty());
    EXPECT_EQ(w.renderer.Boxes().back().Text, "Disable [pyrwireB] ?");

    ASSERT_EQ(Captions(*m.ListView4), (std::vector<std::string>{"device=pyrwire.vxd", ";load=old.drv"}));
    EXPECT_TRUE(m.ListView4->Item(0).Checked);
    EXPECT_FALSE(m.ListView4->Item(1).Checked);
    m.ListView4->UserCheck(0, false);
    EXPECT_EQ(ini.Read(), "[386enh]\r\n;device=pyrwire.vxd\r\n;load=old.drv\r\nkeyboard.drv=x\r\n");
    EXPECT_EQ(Captions(*m.ListView4), (std::vector<std::string>{";device=pyrwire.vxd", ";load=old.drv"}));
    m.ListView4->UserCheck(1, true);
    EXPECT_EQ(ini.Read(), "[386enh]\r\n;device=pyrwire.vxd\r\nload=old.drv\r\nkeyboard.drv=x\r\n");
    EXPECT_TRUE(m.ListView4->Item(1).Checked);
}

TEST(SystemToolWindows, Message1033ToTheManagerEndsTheProgram)
{
    Windows w;
    EXPECT_FALSE(w.Manager().Perform(1032));
    EXPECT_FALSE(w.app.Terminated());
    EXPECT_TRUE(w.Manager().Perform(1033));
    EXPECT_TRUE(w.app.Terminated());
}

TEST(SystemToolWindows, TheRealManagerWindowReceivesMessage1033)
{
    Win32Renderer renderer(GetModuleHandleA(nullptr));
    TApplication app(&renderer);
    renderer.Attach(app);
    SharedState state;
    AppContext context{app, state, {}};
    context.Env.ProgramFolder = ProgramFolder();
    context.Env.WindowsName = Xp;
    CreateAppWindows(context);
    ASSERT_FALSE(app.Terminated());
    HWND manager = renderer.WindowOf(context.frmMain);
    ASSERT_NE(manager, nullptr);

    SendMessageA(manager, 1032, 0, 0);
    EXPECT_FALSE(app.Terminated());
    // Sent from another thread, as another program sends it. A guard ends a loop the
    // message did not end, so the test fails instead of hanging.
    const DWORD uiThread = GetCurrentThreadId();
    HANDLE loopEnded = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool guardNeeded = false;
    std::thread sender([&] {
        SendMessageA(manager, 1033, 0, 0);
        if (WaitForSingleObject(loopEnded, 10000) == WAIT_TIMEOUT) {
            guardNeeded = true;
            PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
        }
    });
    app.Run();
    SetEvent(loopEnded);
    sender.join();
    CloseHandle(loopEnded);
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(guardNeeded);
}
