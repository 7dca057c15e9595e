#include "ui/LanguageWalk.h"

#include <stdexcept>

#include "core/LanguageFile.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"

namespace {

const char HiddenHint[] = "-1";

// The classes a language file names, in the order it checks them.
bool TakesLanguageLines(const TComponent& component)
{
    return dynamic_cast<const TLabel*>(&component) || dynamic_cast<const TButton*>(&component) ||
           dynamic_cast<const TCheckBox*>(&component) || dynamic_cast<const TPanel*>(&component);
}

} // namespace

std::string LanguageSlot::Text() const
{
    if (auto* item = dynamic_cast<const TMenuItem*>(Component))
        return item->Caption();
    auto& control = static_cast<const TControl&>(*Component);
    return Hint ? control.Hint() : control.Caption();
}

void LanguageSlot::Assign(const std::string& text) const
{
    if (auto* item = dynamic_cast<TMenuItem*>(Component)) {
        item->SetCaption(text);
        return;
    }
    auto& control = static_cast<TControl&>(*Component);
    if (Hint)
        control.SetHint(text);
    else
        control.SetCaption(text);
}

std::vector<LanguageSlot> LanguageSlots(const std::vector<TForm*>& windows)
{
    std::vector<LanguageSlot> slots;
    for (TForm* window : windows) {
        if (!window)
            continue;
        for (const auto& owned : window->Components()) {
            TComponent* component = owned.get();
            if (auto* item = dynamic_cast<TMenuItem*>(component)) {
                if (!item->Caption().empty())
                    slots.push_back({item, false});
                continue;
            }
            if (!TakesLanguageLines(*component))
                continue;
            auto& control = static_cast<TControl&>(*component);
            if (control.Hint() == HiddenHint)
                continue;
            if (!control.Caption().empty())
                slots.push_back({component, false});
            if (control.ShowHint())
                slots.push_back({component, true});
        }
    }
    return slots;
}

void ApplyLanguageText(MemoryStream& text, const std::vector<TForm*>& windows, MessageTable& messages)
{
    LanguageReader reader(text);
    if (!reader.SkipHeader())
        return;
    try {
        for (const LanguageSlot& slot : LanguageSlots(windows))
            slot.Assign(reader.NextText());
        ReadLanguageMessages(reader, messages);
    } catch (const std::exception&) {
    }
}

std::string LanguageTemplate(const std::vector<TForm*>& windows, const MessageTable& messages)
{
    std::string text = LanguageTextLine(LanguageBegin);
    for (const LanguageSlot& slot : LanguageSlots(windows))
        text += LanguageTextLine(slot.Text());
    return text + LanguageMessageLines(messages);
}
