#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <thread>

#include "WindowProbe.h"
#include "ui/Application.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/StdControls.h"
#include "ui/win32/Win32Renderer.h"

namespace {

class SampleForm : public TForm {
public:
    SampleForm(TComponent* owner, std::string name) : TForm(owner, std::move(name))
    {
        SetCaption("Renderer sample");
        SetBounds(0, 0, 400, 300);
        Group = Place<TGroupBox>("Group", this, "Group", 8, 8, 380, 80);
        Label = Place<TLabel>("Label", Group, "Inside the group", 10, 24, 200, 16);
        Button = Place<TButton>("Button", this, "Press", 8, 100, 90, 26);
        Box = Place<TCheckBox>("Box", this, "Tick", 110, 100, 90, 20);
        Lines = Place<TCheckListBox>("Lines", this, "", 8, 130, 380, 80);
        View = Place<TListView>("View", this, "", 8, 214, 380, 60);
        View->CheckBoxes = true;
        View->Columns = {{"Name", 150}, {"Value", 200}};
        Bar = Place<TStatusBar>("Bar", this, "", 0, 278, 400, 22);
        Bar->AddPanel(200);
        Bar->AddPanel(200, "right");
    }
    TGroupBox* Group;
    TLabel* Label;
    TButton* Button;
    TCheckBox* Box;
    TCheckListBox* Lines;
    TListView* View;
    TStatusBar* Bar;
};

// A small dialog: a read-only log, a default button, another button, and a panel
// whose entry the model hears of.
class KeyboardForm : public TForm {
public:
    KeyboardForm(TComponent* owner, std::string name, bool stayOnTop = false) : TForm(owner, std::move(name))
    {
        SetCaption("Keyboard sample");
        StayOnTop = stayOnTop;
        SetBounds(0, 0, 300, 200);
        Log = Place<TMemo>("Log", this, "", 8, 8, 284, 60);
        Log->ReadOnly = true;
        Log->VerticalScrollBar = true;
        Ok = Place<TButton>("Ok", this, "OK", 8, 76, 90, 26);
        Other = Place<TButton>("Other", this, "Other", 104, 76, 90, 26);
        Box = Place<TCheckBox>("Box", this, "Tick", 200, 76, 90, 20);
        Holder = Place<TPanel>("Holder", this, "", 8, 110, 284, 40);
        Inner = Place<TButton>("Inner", Holder, "Inner", 4, 4, 90, 26);
        DefaultButton = Ok;
        EscapeCloses = true;
        Ok->OnClick = [this] { ++okClicks; };
        Other->OnClick = [this] { ++otherClicks; };
        Holder->OnEnter = [this] { ++holderEntered; };
    }
    TMemo* Log;
    TButton *Ok, *Other;
    TCheckBox* Box;
    TPanel* Holder;
    TButton* Inner;
    int okClicks = 0, otherClicks = 0, holderEntered = 0;
};

// A tab control with two sheets whose captions underline a letter.
class TabsForm : public TForm {
public:
    TabsForm(TComponent* owner, std::string name) : TForm(owner, std::move(name))
    {
        SetCaption("Tabs sample");
        SetBounds(0, 0, 300, 200);
        Pages = Place<TPageControl>("Pages", this, "", 8, 8, 284, 184);
        for (const char* caption : {"&First", "&Second", "T&hird"}) {
            auto* sheet = Place<TTabSheet>(std::string("Sheet") + caption[1], Pages, caption, 4, 24, 276, 156);
            Place<TButton>(std::string("Button") + caption[1], sheet, "Press", 8, 8, 90, 26);
            Pages->AddSheet(sheet);
        }
    }
    TPageControl* Pages;
};

void Press(TApplication& app, WPARAM key, std::initializer_list<int> held = {}, UINT message = WM_KEYDOWN)
{
    probe::PressKey([&app] { app.ProcessMessages(); }, key, held, message);
}

struct Win32Rendering : ::testing::Test {
    Win32Renderer renderer{GetModuleHandleA(nullptr)};
    TApplication app{&renderer};
    SampleForm* form = nullptr;
    void SetUp() override
    {
        renderer.Attach(app);
        form = app.CreateForm<SampleForm>("Sample");
        form->Show();
        app.ProcessMessages();
    }
    HWND Window(const TComponent* component) { return renderer.WindowOf(component); }
};

TEST_F(Win32Rendering, ControlsMirrorTheModel)
{
    HWND main = Window(form);
    ASSERT_TRUE(main);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(probe::TextOf(main), "Renderer sample");
    EXPECT_TRUE(probe::FindChild(main, "Static", "Inside the group"));
    form->Label->SetCaption("Changed");
    EXPECT_EQ(probe::TextOf(Window(form->Label)), "Changed");
    form->Button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Window(form->Button)));
    form->Bar->SetPanelText(0, "hint");
    EXPECT_EQ(probe::StatusPanels(Window(form->Bar)), (std::vector<std::string>{"hint", "right"}));
    form->View->Add({"one", {"1"}});
    form->View->Add({"two", {"2"}, true});
    EXPECT_EQ(ListView_GetItemCount(Window(form->View)), 2);
    EXPECT_TRUE(ListView_GetCheckState(Window(form->View), 1));
}

TEST_F(Win32Rendering, UserInputBecomesModelEvents)
{
    int clicks = 0;
    form->Button->OnClick = [&] { ++clicks; };
    SendMessageA(Window(form->Button), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    SendMessageA(Window(form->Box), BM_CLICK, 0, 0);
    EXPECT_TRUE(form->Box->Checked());
    EXPECT_EQ(SendMessageA(Window(form->Box), BM_GETCHECK, 0, 0), BST_CHECKED);

    form->Lines->Add("free");
    form->Lines->Add("locked");
    form->Lines->SetLineEnabled(1, false);
    ListView_SetCheckState(Window(form->Lines), 0, TRUE);
    ListView_SetCheckState(Window(form->Lines), 1, TRUE);
    EXPECT_TRUE(form->Lines->Lines()[0].Checked);
    EXPECT_FALSE(form->Lines->Lines()[1].Checked);
    EXPECT_FALSE(ListView_GetCheckState(Window(form->Lines), 1));

    form->View->Add({"row", {"x"}});
    int selected = -1;
    form->View->OnSelectItem = [&](int index, bool on) {
        if (on)
            selected = index;
    };
    ListView_SetItemState(Window(form->View), 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(selected, 0);
    ListView_SetCheckState(Window(form->View), 0, TRUE);
    EXPECT_TRUE(form->View->Item(0).Checked);
}

TEST_F(Win32Rendering, HandlerFailuresDoNotEndTheProgram)
{
    form->Button->OnClick = [] { throw std::runtime_error("handler failed"); };
    // The failure is shown in a message box; answer it from here.
    std::string shown;
    std::thread answer([&shown] {
        if (HWND box = probe::WaitForTop(GetCurrentProcessId(), "Error", "#32770", 10000)) {
            shown = probe::MessageBoxText(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    });
    SendMessageA(Window(form->Button), BM_CLICK, 0, 0);
    answer.join();
    EXPECT_EQ(shown, "handler failed");
    EXPECT_TRUE(IsWindow(Window(form)));
}

TEST_F(Win32Rendering, OtherFormsAreOwnedByTheMainOneAndComeToTheFrontWhenShownAgain)
{
    auto* first = app.CreateForm<KeyboardForm>("First");
    auto* second = app.CreateForm<TabsForm>("Second");
    auto* onTop = app.CreateForm<KeyboardForm>("OnTop", true);
    EXPECT_EQ(GetWindow(Window(form), GW_OWNER), nullptr);
    for (TForm* owned : std::initializer_list<TForm*>{first, second, onTop}) {
        EXPECT_EQ(GetWindow(Window(owned), GW_OWNER), Window(form)) << owned->Name();
        EXPECT_FALSE(GetWindowLongA(Window(owned), GWL_STYLE) & WS_CHILD) << owned->Name();
        EXPECT_EQ((GetWindowLongA(Window(owned), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, owned->StayOnTop) << owned->Name();
    }

    const auto above = [](HWND upper, HWND lower) {
        for (HWND at = GetWindow(lower, GW_HWNDPREV); at; at = GetWindow(at, GW_HWNDPREV))
            if (at == upper)
                return true;
        return false;
    };
    first->Show();
    second->Show();
    app.ProcessMessages();
    EXPECT_TRUE(above(Window(second), Window(first)));
    EXPECT_TRUE(above(Window(first), Window(form)));
    first->Show();
    app.ProcessMessages();
    EXPECT_TRUE(above(Window(first), Window(second)));
    EXPECT_EQ(GetForegroundWindow(), Window(first));
    EXPECT_TRUE(IsChild(Window(first), GetFocus()));
}

// The sample dialog shown in front of the main sample form.
struct Win32Keyboard : Win32Rendering {
    KeyboardForm* dialog = nullptr;
    void SetUp() override
    {
        Win32Rendering::SetUp();
        dialog = app.CreateForm<KeyboardForm>("Dialog");
        dialog->Show();
        app.ProcessMessages();
    }
    bool LooksDefault(TButton* button)
    {
        return (GetWindowLongA(Window(button), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
};

TEST_F(Win32Keyboard, TabMovesInCreationOrderAndLeavesAReadOnlyMemo)
{
    // A form that comes up gives its first control the focus.
    ASSERT_EQ(GetFocus(), Window(dialog->Log));
    const std::vector<TControl*> order = {dialog->Ok, dialog->Other, dialog->Box, dialog->Inner, dialog->Log};
    for (TControl* next : order) {
        Press(app, VK_TAB);
        EXPECT_EQ(GetFocus(), Window(next)) << next->Name();
        EXPECT_EQ(dialog->ActiveControl(), next) << next->Name();
    }
    Press(app, VK_TAB, {VK_SHIFT});
    EXPECT_EQ(GetFocus(), Window(dialog->Inner));
    // The panel heard of each entry from outside it: after Box, and back from Log.
    EXPECT_EQ(dialog->holderEntered, 2);
    EXPECT_EQ(dialog->okClicks + dialog->otherClicks, 0);
}

TEST_F(Win32Keyboard, EnterPressesTheButtonThatLooksDefault)
{
    EXPECT_TRUE(LooksDefault(dialog->Ok));
    Press(app, VK_RETURN); // from the memo
    EXPECT_EQ(dialog->okClicks, 1);

    // A push button with the focus takes the default look and Enter.
    SetFocus(Window(dialog->Other));
    app.ProcessMessages();
    EXPECT_FALSE(LooksDefault(dialog->Ok));
    EXPECT_TRUE(LooksDefault(dialog->Other));
    Press(app, VK_RETURN);
    EXPECT_EQ(dialog->otherClicks, 1);

    SetFocus(Window(dialog->Box));
    app.ProcessMessages();
    EXPECT_TRUE(LooksDefault(dialog->Ok));
    EXPECT_FALSE(LooksDefault(dialog->Other));
    dialog->Ok->SetEnabled(false);
    Press(app, VK_RETURN);
    EXPECT_EQ(dialog->okClicks, 1);
    EXPECT_EQ(dialog->otherClicks, 1);
    EXPECT_FALSE(dialog->Box->Checked());

    // A form without a default button: off its buttons, Enter presses none and none looks default.
    int clicks = 0;
    form->Button->OnClick = [&] { ++clicks; };
    form->Show();
    SetFocus(Window(form->Box));
    app.ProcessMessages();
    EXPECT_FALSE(LooksDefault(form->Button));
    Press(app, VK_RETURN);
    EXPECT_EQ(clicks, 0);
}

TEST_F(Win32Keyboard, EscClosesOnlyAFormWhoseClosingChangesNothing)
{
    auto* tabs = app.CreateForm<TabsForm>("Tabs");
    tabs->Show();
    app.ProcessMessages();
    Press(app, VK_ESCAPE);
    EXPECT_TRUE(tabs->Visible());

    dialog->Show();
    app.ProcessMessages();
    SetFocus(Window(dialog->Other));
    Press(app, VK_ESCAPE);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(IsWindowVisible(Window(dialog)));
    EXPECT_EQ(dialog->otherClicks, 0);
}

TEST_F(Win32Keyboard, CtrlTabAndAltLettersSwitchTabs)
{
    auto* tabs = app.CreateForm<TabsForm>("Tabs");
    tabs->Show();
    app.ProcessMessages();
    const struct {
        WPARAM key;
        std::initializer_list<int> held;
        UINT message;
        int tab;
    } presses[] = {
        {VK_TAB, {VK_CONTROL}, WM_KEYDOWN, 1}, {VK_TAB, {VK_CONTROL}, WM_KEYDOWN, 2},
        {VK_TAB, {VK_CONTROL}, WM_KEYDOWN, 0}, {VK_TAB, {VK_CONTROL, VK_SHIFT}, WM_KEYDOWN, 2},
        {'s', {VK_MENU}, WM_SYSCHAR, 1},       {'F', {VK_MENU}, WM_SYSCHAR, 0},
        {'h', {VK_MENU}, WM_SYSCHAR, 2},       {'x', {VK_MENU}, WM_SYSCHAR, 2},
    };
    for (const auto& press : presses) {
        Press(app, press.key, press.held, press.message);
        EXPECT_EQ(tabs->Pages->ActivePageIndex(), press.tab) << press.key;
        EXPECT_EQ(TabCtrl_GetCurSel(Window(tabs->Pages)), press.tab) << press.key;
        // The keyboard stays on the sheet that shows.
        EXPECT_TRUE(IsWindowVisible(GetFocus())) << press.key;
        EXPECT_TRUE(IsChild(Window(tabs->Pages->Sheets()[press.tab]), GetFocus())) << press.key;
    }
}

TEST_F(Win32Keyboard, ALogMemoShowsItsLastLineAsLinesAreAdded)
{
    std::string text;
    for (int i = 0; i < 40; ++i) {
        dialog->Log->Add("line " + std::to_string(i));
        text += (i ? "\r\n" : "") + dialog->Log->Lines().back();
    }
    HWND memo = Window(dialog->Log);
    EXPECT_EQ(probe::TextOf(memo), text);
    const int last = static_cast<int>(SendMessageA(memo, EM_GETLINECOUNT, 0, 0)) - 1;
    ASSERT_EQ(last, 39);
    const LRESULT at = SendMessageA(memo, EM_POSFROMCHAR, SendMessageA(memo, EM_LINEINDEX, last, 0), 0);
    const int top = static_cast<short>(HIWORD(at));
    RECT client;
    GetClientRect(memo, &client);
    EXPECT_GT(SendMessageA(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_GE(top, 0);
    EXPECT_LT(top, client.bottom);
}

TEST_F(Win32Rendering, ListTextsShowWholeOrAsATip)
{
    HWND view = Window(form->View);
    const auto labelWidth = [&](int row, int column) {
        RECT label = {};
        ListView_GetSubItemRect(view, row, column, LVIR_LABEL, &label);
        return static_cast<int>(label.right - label.left);
    };
    // What the list shows when the mouse rests on a row.
    const auto tip = [&](int row) {
        char text[512] = "unchanged";
        NMLVGETINFOTIPA request = {};
        request.hdr.hwndFrom = view;
        request.hdr.idFrom = GetDlgCtrlID(view);
        request.hdr.code = LVN_GETINFOTIPA;
        request.pszText = text;
        request.cchTextMax = sizeof(text);
        request.iItem = row;
        SendMessageA(GetParent(view), WM_NOTIFY, request.hdr.idFrom, reinterpret_cast<LPARAM>(&request));
        return std::string(text);
    };

    const std::string note = "No startup program found! A note longer than its column";
    form->View->Add({note, {}});
    EXPECT_GE(labelWidth(0, 0), ListView_GetStringWidth(view, note.c_str()));
    EXPECT_EQ(tip(0), "");

    // A cell too long for the list keeps the other columns in view and shows in the row's tip.
    const std::string path = "C:\\Program Files\\A Long Folder Name\\Another Long Folder Name\\program.exe";
    form->View->Clear();
    form->View->Add({"short", {"fits"}});
    form->View->Add({"cut", {path}});
    RECT client;
    GetClientRect(view, &client);
    EXPECT_LE(ListView_GetColumnWidth(view, 0) + ListView_GetColumnWidth(view, 1), client.right);
    EXPECT_GE(ListView_GetColumnWidth(view, 1), renderer.Scale(200));
    EXPECT_LT(labelWidth(1, 1), ListView_GetStringWidth(view, path.c_str()));
    EXPECT_EQ(tip(1), "cut\r\n" + path);
    EXPECT_EQ(tip(0), "");
}

} // namespace
