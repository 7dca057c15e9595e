// Longest input: 4096
// A language file of any content applied to a model of the windows and to the
// message table: every text it gives is short and free of control characters (a
// message keeps its line breaks), and whatever it did, the template of the result
// applies again without changing a text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/LanguageFile.h"
#include "core/MessageTable.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/LanguageWalk.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"

namespace {

// One component of each kind the walk treats differently, in creation order.
struct Window : TForm {
    Window() : TForm(nullptr, "Window")
    {
        Make<TLabel>("Label1", this)->SetCaption("Label");
        TButton* kept = Make<TButton>("Kept", this);
        kept->SetCaption("Kept");
        kept->SetHint("-1");
        kept->SetShowHint(true);
        TxpButton* hintOnly = Make<TxpButton>("HintOnly", this);
        hintOnly->SetHint("Hint only");
        hintOnly->SetShowHint(true);
        TMainMenu* menu = Make<TMainMenu>("Menu1");
        menu->AddItem(this, "Item1", "Item");
        TxpCheckBox* box = Make<TxpCheckBox>("Box", this);
        box->SetCaption("Box");
        box->SetHint("Box hint");
        box->SetShowHint(true);
        Make<TPanel>("Panel1", this)->SetCaption("Panel");
    }
};

bool Clean(const std::string& text, bool lineBreaks)
{
    if (text.size() > 254)
        return false;
    for (unsigned char c : text)
        if (c < 32 && !(lineBreaks && c == '\r'))
            return false;
    return true;
}

std::vector<std::string> Texts(const std::vector<TForm*>& windows, const MessageTable& messages)
{
    std::vector<std::string> texts;
    for (const LanguageSlot& slot : LanguageSlots(windows))
        texts.push_back(slot.Text());
    for (int row : LanguageMessageRows())
        texts.push_back(messages.Row(row));
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Window first, second;
    const std::vector<TForm*> windows{&first, &second};
    MessageTable messages;
    MemoryStream file(std::string(reinterpret_cast<const char*>(data), size));
    ApplyLanguageText(file, windows, messages);
    for (const LanguageSlot& slot : LanguageSlots(windows))
        FUZZ_CHECK(Clean(slot.Text(), false));
    for (int row : LanguageMessageRows())
        FUZZ_CHECK(Clean(messages.Row(row), true));

    const std::vector<std::string> before = Texts(windows, messages);
    MemoryStream again(LanguageTemplate(windows, messages));
    ApplyLanguageText(again, windows, messages);
    FUZZ_CHECK(Texts(windows, messages) == before);
    return 0;
}
