#include <gtest/gtest.h>

#include <thread>

#include "ui/Application.h"
#include "ui/CaptionText.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/HeadlessRenderer.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

namespace {

class SampleForm : public TForm {
public:
    SampleForm(TComponent* owner, std::string name) : TForm(owner, std::move(name))
    {
        Label1 = Make<TLabel>("Label1", this);
        Button1 = Make<TButton>("Button1", this);
        Check1 = Make<TxpCheckBox>("Check1", this);
        List1 = Make<TCheckListBox>("List1", this);
        View1 = Make<TListView>("View1", this);
        Bar1 = Make<TStatusBar>("Bar1", this);
        Timer1 = Make<TTimer>("Timer1");
        Timer2 = Make<TTimer>("Timer2");
        Open1 = Make<TOpenDialog>("Open1");
        Bar1->AddPanel(100);
        Bar1->AddPanel(100, "fixed");
    }
    TLabel* Label1;
    TButton* Button1;
    TxpCheckBox* Check1;
    TCheckListBox* List1;
    TListView* View1;
    TStatusBar* Bar1;
    TTimer *Timer1, *Timer2;
    TOpenDialog* Open1;
};

struct ComponentModel : ::testing::Test {
    HeadlessRenderer renderer;
    TApplication app{&renderer};
    SampleForm* form;
    void SetUp() override
    {
        renderer.Attach(app);
        form = app.CreateForm<SampleForm>("Form1");
    }
};

TEST_F(ComponentModel, ComponentsKeepCreationOrderAndClasses)
{
    std::vector<std::string> seen;
    for (const auto& component : form->Components())
        seen.push_back(component->Name() + ":" + component->ClassName());
    EXPECT_EQ(seen, (std::vector<std::string>{"Label1:TLabel", "Button1:TButton", "Check1:TxpCheckBox",
                                              "List1:TCheckListBox", "View1:TListView", "Bar1:TStatusBar",
                                              "Timer1:TTimer", "Timer2:TTimer", "Open1:TOpenDialog"}));
    EXPECT_EQ(form->FindComponent("List1"), form->List1);
    EXPECT_EQ(form->Application(), &app);
    EXPECT_EQ(app.MainForm(), form);
}

TEST_F(ComponentModel, DisabledOrHiddenControlsIgnoreUserInput)
{
    int clicks = 0;
    form->Button1->OnClick = [&] { ++clicks; };
    form->Show();
    form->Button1->Click();
    form->Button1->SetEnabled(false);
    form->Button1->Click();
    form->Button1->SetEnabled(true);
    form->Button1->SetVisible(false);
    form->Button1->Click();
    EXPECT_EQ(clicks, 1);

    form->List1->Add("a", true);
    form->List1->Add("b");
    form->List1->SetLineEnabled(0, false);
    form->List1->ClickCheck(0);
    form->List1->ClickCheck(1);
    EXPECT_TRUE(form->List1->Lines()[0].Checked);
    EXPECT_TRUE(form->List1->Lines()[1].Checked);
}

TEST_F(ComponentModel, MessageBoxesDisableTheMainFormAndOnlyYesConfirms)
{
    const struct {
        int answer;
        bool confirmed;
    } cases[] = {{idYes, true}, {idNo, false}, {idCancel, false}};
    for (const auto& c : cases) {
        renderer.Answer(c.answer);
        EXPECT_EQ(app.Confirm("Proceed?\rSure?", "Question"), c.confirmed);
    }
    ASSERT_EQ(renderer.Boxes().size(), 3u);
    EXPECT_FALSE(renderer.Boxes()[0].MainFormEnabled);
    EXPECT_EQ(renderer.Boxes()[0].Flags, unsigned(mbYesNo | mbIconQuestion));
    EXPECT_TRUE(form->Enabled());
    EXPECT_EQ(renderer.Transcript().back(), "[box] Question: Proceed?\rSure?");
    EXPECT_THROW(app.ShowMessageBox("unscripted", "Error", mbOk), std::logic_error);
    EXPECT_TRUE(form->Enabled());
}

TEST_F(ComponentModel, MessageRowsComeFromTheTable)
{
    MessageTable messages;
    renderer.Answer(idOk);
    ShowMessageRow(app, messages, Msg::UnsupportedWindows, Msg::ErrorCaption, mbIconError);
    EXPECT_EQ(renderer.Boxes()[0].Text, "Pyrafix Pro v4 only supports Microsoft Windows XP and Vista platform.");
    EXPECT_EQ(renderer.Boxes()[0].Caption, "Error");
}

TEST_F(ComponentModel, TimersFireOnTheDrivenClockInOrder)
{
    std::vector<std::string> fired;
    form->Timer1->SetInterval(1000);
    form->Timer1->OnTimer = [&] {
        fired.push_back("one-shot@" + std::to_string(app.Clock()));
        form->Timer1->SetEnabled(false);
    };
    form->Timer2->SetInterval(300);
    form->Timer2->OnTimer = [&] { fired.push_back("repeat@" + std::to_string(app.Clock())); };
    form->Timer1->SetEnabled(true);
    form->Timer2->SetEnabled(true);
    app.AdvanceClock(999);
    EXPECT_EQ(fired.size(), 3u);
    app.AdvanceClock(1);
    form->Timer2->SetEnabled(false);
    app.AdvanceClock(5000);
    EXPECT_EQ(fired, (std::vector<std::string>{"repeat@300", "repeat@600", "repeat@900", "one-shot@1000"}));
}

TEST_F(ComponentModel, FileDialogsFollowTheScript)
{
    form->Open1->Title = "Add task";
    renderer.ChooseFile("C:\\x.exe");
    renderer.ChooseFile(std::nullopt);
    EXPECT_TRUE(form->Open1->Execute());
    EXPECT_EQ(form->Open1->FileName, "C:\\x.exe");
    EXPECT_FALSE(form->Open1->Execute());
    EXPECT_EQ(renderer.Transcript().back(), "[file dialog] Add task");
}

TEST_F(ComponentModel, ListViewSortsSelectsAndChecks)
{
    TListView& view = *form->View1;
    view.SortByText = true;
    view.CheckBoxes = true;
    view.Add({"beta", {"2"}});
    view.Add({"Alpha", {"1"}});
    view.Add({"gamma", {"3"}});
    EXPECT_EQ(view.Item(0).Caption, "Alpha");
    EXPECT_EQ(view.Item(2).SubItems[0], "3");

    std::vector<std::string> events;
    view.OnSelectItem = [&](int index, bool selected) {
        events.push_back(std::to_string(index) + (selected ? "+" : "-"));
    };
    view.OnItemChecked = [&](int index) { events.push_back("check" + std::to_string(index)); };
    view.UserSelect(1);
    view.UserSelect(2);
    view.UserCheck(0, true);
    view.UserCheck(0, true); // no change, no event
    EXPECT_EQ(events, (std::vector<std::string>{"1+", "1-", "2+", "check0"}));
    EXPECT_EQ(view.SelectedIndex(), 2);
    EXPECT_THROW(view.Item(3), std::out_of_range);
}

TEST_F(ComponentModel, StatusBarPanelsAreIndependent)
{
    form->Bar1->SetPanelText(0, "hint");
    EXPECT_EQ(form->Bar1->PanelText(1), "fixed");
    EXPECT_THROW(form->Bar1->SetPanelText(2, "x"), std::out_of_range);
}

TEST_F(ComponentModel, WorkPostedFromAnotherThreadRunsOnProcessMessages)
{
    int done = 0;
    std::thread worker([&] { app.Post([&] { ++done; }); });
    worker.join();
    EXPECT_EQ(done, 0);
    app.ProcessMessages();
    EXPECT_EQ(done, 1);
}

TEST_F(ComponentModel, ClosingTheMainFormTerminatesAndCloseQueryCanRefuse)
{
    bool allow = false;
    int closed = 0;
    form->OnCloseQuery = [&] { return allow; };
    form->OnClose = [&] { ++closed; };
    form->Show();
    EXPECT_FALSE(form->Close());
    EXPECT_FALSE(app.Terminated());
    allow = true;
    EXPECT_TRUE(form->Close());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(app.Terminated());
}

TEST_F(ComponentModel, FocusEntersEachHolderOnceFromOutsideOutermostFirst)
{
    auto* outer = form->Place<TPanel>("Outer", form, "", 0, 0, 100, 100);
    auto* inner = form->Place<TPanel>("Inner", outer, "", 0, 0, 50, 50);
    auto* deep = form->Place<TButton>("Deep", inner, "", 0, 0, 10, 10);
    auto* side = form->Place<TButton>("Side", outer, "", 0, 60, 10, 10);
    std::vector<std::string> entered;
    for (TControl* control : std::initializer_list<TControl*>{outer, inner, deep, side, form->Button1})
        control->OnEnter = [&entered, control] { entered.push_back(control->Name()); };
    form->FocusMoved(deep);
    form->FocusMoved(deep);
    form->FocusMoved(side);
    form->FocusMoved(form->Button1);
    form->FocusMoved(deep);
    EXPECT_EQ(entered,
              (std::vector<std::string>{"Outer", "Inner", "Deep", "Side", "Button1", "Outer", "Inner", "Deep"}));
    EXPECT_EQ(form->ActiveControl(), deep);
    EXPECT_EQ(FormOf(deep), form);
}

TEST_F(ComponentModel, ShowingAShownFormBringsItToTheFrontAboveItsOwner)
{
    auto* second = app.CreateForm<SampleForm>("Form2");
    auto* third = app.CreateForm<SampleForm>("Form3");
    auto* onTop = app.CreateForm<SampleForm>("Form4");
    onTop->StayOnTop = true;
    EXPECT_EQ(form->OwnerForm(), nullptr);
    EXPECT_EQ(second->OwnerForm(), form);
    int shows = 0;
    second->OnShow = [&] { ++shows; };
    form->Show();
    second->Show();
    third->Show();
    EXPECT_EQ(renderer.FrontForm(), third);
    second->Show();
    EXPECT_EQ(renderer.FrontForm(), second);
    EXPECT_EQ(shows, 1); // already showing: only raised
    form->Show();        // an owner never covers what it owns
    EXPECT_EQ(renderer.FrontForm(), second);
    onTop->Show();
    third->Show();
    EXPECT_EQ(renderer.FrontForm(), onTop);
    onTop->Hide();
    EXPECT_EQ(renderer.FrontForm(), third);
}

TEST_F(ComponentModel, TabsSwitchRoundTheEndAndByTheirUnderlinedLetter)
{
    auto* pages = form->Place<TPageControl>("Pages", form, "", 0, 0, 100, 100);
    for (const char* caption : {"&Startup Programs", "Services &Manager", "&Keyboard Filter / Win.ini && System.ini"})
        pages->AddSheet(form->Place<TTabSheet>(caption, pages, caption, 0, 0, 10, 10));
    pages->SelectNextSheet(false);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    pages->SelectNextSheet(true);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_TRUE(pages->SelectSheetByMnemonic('m'));
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(pages->SelectSheetByMnemonic('K'));
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_FALSE(pages->SelectSheetByMnemonic('w'));
    EXPECT_FALSE(pages->SelectSheetByMnemonic(' '));
    EXPECT_EQ(pages->ActivePageIndex(), 2);

    const struct {
        const char* caption;
        char key;
        bool chooses;
    } mnemonics[] = {{"&Yes", 'y', true},
                     {"&Yes", 'Y', true},
                     {"Worms && Viruses", 'v', false},
                     {"Win.ini && &Sys", 's', true},
                     {"Trailing&", 'g', false},
                     {"No letter", 'n', false}};
    for (const auto& m : mnemonics)
        EXPECT_EQ(IsMnemonic(m.caption, m.key), m.chooses) << m.caption << " " << m.key;
}

TEST(CaptionText, LongTextsEndInAnEllipsisAndPathsKeepTheirFileName)
{
    // One unit a character, so the widths read as lengths.
    const auto length = [](const std::string& text) { return static_cast<int>(text.size()); };
    const struct {
        const char* text;
        int width;
        const char* shown;
    } cases[] = {
        {"Last Update: 10.12.2026, Upd 1", 30, "Last Update: 10.12.2026, Upd 1"},
        {"Last Update: 10.12.2026, Upd 1", 20, "Last Update: 10.1..."},
        {"Last Update: 2026-12-10          ", 23, "Last Update: 2026-12-10          "},
        {"Scanning C:\\WINDOWS\\system32\\drivers\\evil.sys", 30, "Scanning C:\\WINDOW...\\evil.sys"},
        {"C:\\a\\a-file-name-longer-than-the-panel.exe", 20, "C:\\a\\a-file-name-..."},
        {"abc", 2, ""},
    };
    for (const auto& c : cases) {
        const std::string shown = FitWithEllipsis(c.text, c.width, length);
        EXPECT_EQ(shown, c.shown) << c.text;
        EXPECT_LE(length(shown.substr(0, shown.find_last_not_of(' ') + 1)), c.width) << c.text;
    }
}

} // namespace
