#pragma once
#include <string>
#include <vector>

class MemoryStream;
class MessageTable;
class TComponent;
class TForm;

// One text of a language file: a component's caption or its hint.
struct LanguageSlot {
    TComponent* Component;
    bool Hint;
    std::string Text() const;
    void Assign(const std::string& text) const;
};

// The texts a language file gives, in its order: the windows as given, each one's
// components in creation order. Labels, buttons, menu items, check boxes and panels
// take a line for a caption that is not empty and, while their hints show, one for
// the hint (menu items have none); a hint of "-1" keeps the component out.
std::vector<LanguageSlot> LanguageSlots(const std::vector<TForm*>& windows);

// Applies a deciphered language file: nothing without a "begin():" line; otherwise
// each text as it is read, then the messages. A failure while assigning stops there
// and keeps what was assigned.
void ApplyLanguageText(MemoryStream& text, const std::vector<TForm*>& windows, MessageTable& messages);

// The plain template of the current texts: "begin():", then the lines in the order
// ApplyLanguageText reads them.
std::string LanguageTemplate(const std::vector<TForm*>& windows, const MessageTable& messages);
