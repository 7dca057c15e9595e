#include <gtest/gtest.h>

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
    std::thread answer([] {
        if (HWND box = probe::WaitForTop(GetCurrentProcessId(), "Error", "#32770", 10000))
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageA(Window(form->Button), BM_CLICK, 0, 0);
    answer.join();
    EXPECT_TRUE(IsWindow(Window(form)));
}

} // namespace
