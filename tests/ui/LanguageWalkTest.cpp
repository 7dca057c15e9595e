#include <gtest/gtest.h>

#include "core/LanguageFile.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/LanguageWalk.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"

namespace {

// One of each kind a language file treats differently, in creation order.
struct Window : TForm {
    Window() : TForm(nullptr, "Window")
    {
        Label1 = Make<TLabel>("Label1", this);
        Label1->SetCaption("Label");
        Kept = Make<TButton>("Kept", this);
        Kept->SetCaption("Kept");
        Kept->SetHint("-1");
        Kept->SetShowHint(true);
        HintOnly = Make<TxpButton>("HintOnly", this);
        HintOnly->SetHint("Hint only");
        HintOnly->SetShowHint(true);
        Group = Make<TGroupBox>("Group", this);
        Group->SetCaption("Group");
        Menu1 = Make<TMainMenu>("Menu1");
        Item1 = Menu1->AddItem(this, "Item1", "Item");
        Box = Make<TxpCheckBox>("Box", this);
        Box->SetCaption("Box");
        Box->SetHint("Box hint");
        Box->SetShowHint(true);
        Panel1 = Make<TPanel>("Panel1", this);
        Panel1->SetCaption("Panel");
        Panel1->SetHint("hidden hint");
    }
    TLabel* Label1;
    TButton* Kept;
    TxpButton* HintOnly;
    TGroupBox* Group;
    TMainMenu* Menu1;
    TMenuItem* Item1;
    TxpCheckBox* Box;
    TPanel* Panel1;
};

std::vector<std::string> Texts(const std::vector<TForm*>& windows)
{
    std::vector<std::string> texts;
    for (const LanguageSlot& slot : LanguageSlots(windows))
        texts.push_back(slot.Text());
    return texts;
}

} // namespace

TEST(LanguageWalk, TakesCaptionsAndShownHintsByClassInCreationOrder)
{
    Window first, second;
    second.Label1->SetCaption("");
    EXPECT_EQ(Texts({&first, &second}),
              (std::vector<std::string>{"Label", "Hint only", "Item", "Box", "Box hint", "Panel", //
                                        "Hint only", "Item", "Box", "Box hint", "Panel"}));

    MemoryStream file(std::string("header\r\nbegin():\r\nL\r\nH\r\nI\r\nB\r\nBH\r\nP\r\n"));
    MessageTable messages;
    ApplyLanguageText(file, {&first}, messages);
    EXPECT_EQ(first.Label1->Caption(), "L");
    EXPECT_EQ(first.Kept->Caption(), "Kept");
    EXPECT_EQ(first.HintOnly->Caption(), "");
    EXPECT_EQ(first.HintOnly->Hint(), "H");
    EXPECT_EQ(first.Group->Caption(), "Group");
    EXPECT_EQ(first.Item1->Caption(), "I");
    EXPECT_EQ(first.Box->Caption(), "B");
    EXPECT_EQ(first.Box->Hint(), "BH");
    EXPECT_EQ(first.Panel1->Caption(), "_end"); // the last line of a text is never read
    EXPECT_EQ(first.Panel1->Hint(), "hidden hint");
    EXPECT_EQ(messages.Row(0), "_end");
}

TEST(LanguageWalk, TheTemplateAppliesWithoutChangingATextAndNoBeginChangesNothing)
{
    Window window;
    MessageTable messages;
    const std::vector<std::string> before = Texts({&window});
    MemoryStream file(LanguageTemplate({&window}, messages));
    for (int row : LanguageMessageRows())
        messages.Row(row) = "other";
    for (const LanguageSlot& slot : LanguageSlots({&window}))
        slot.Assign("other");
    MessageTable english;
    ApplyLanguageText(file, {&window}, messages);
    EXPECT_EQ(Texts({&window}), before);
    for (int row = 0; row < MessageCount; ++row)
        EXPECT_EQ(messages.Row(row), english.Row(row)) << row;

    MemoryStream headless(std::string("Label2\r\nHint\r\n_end\r\n"));
    ApplyLanguageText(headless, {&window}, messages);
    EXPECT_EQ(Texts({&window}), before);
}
