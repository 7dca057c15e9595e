#include "ui/StdControls.h"

#include <stdexcept>

void TButton::Click()
{
    if (Enabled() && Showing() && OnClick)
        OnClick();
}

void TCheckBox::SetChecked(bool on)
{
    if (on == checked_)
        return;
    checked_ = on;
    Notify(Aspect::Checked);
}

void TCheckBox::Click()
{
    if (!Enabled())
        return;
    SetChecked(!checked_);
    if (OnClick)
        OnClick();
}

void TMemo::Add(const std::string& line)
{
    lines_.push_back(line);
    Notify(Aspect::LineAdded);
}

void TMemo::Clear()
{
    lines_.clear();
    Notify(Aspect::Items);
}

void TMemo::SetText(const std::string& text)
{
    lines_.clear();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            if (start < text.size())
                lines_.push_back(text.substr(start));
            break;
        }
        lines_.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    Notify(Aspect::Items);
}

std::string TMemo::Text() const
{
    std::string text;
    for (const auto& line : lines_)
        text += line + "\r\n";
    return text;
}

static void CheckIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range("list index out of bounds (" + std::to_string(index) + ")");
}

int TCheckListBox::Add(const std::string& text, bool checked)
{
    lines_.push_back({text, checked, true});
    Notify(Aspect::Items);
    return Count() - 1;
}

void TCheckListBox::Delete(int index)
{
    CheckIndex(index, Count());
    lines_.erase(lines_.begin() + index);
    if (ItemIndex >= Count())
        ItemIndex = Count() - 1;
    Notify(Aspect::Items);
}

void TCheckListBox::Clear()
{
    lines_.clear();
    ItemIndex = -1;
    Notify(Aspect::Items);
}

void TCheckListBox::SetText(int index, const std::string& text)
{
    CheckIndex(index, Count());
    lines_[index].Text = text;
    Notify(Aspect::Items);
}

void TCheckListBox::SetChecked(int index, bool on)
{
    CheckIndex(index, Count());
    lines_[index].Checked = on;
    Notify(Aspect::Items);
}

void TCheckListBox::SetLineEnabled(int index, bool on)
{
    CheckIndex(index, Count());
    lines_[index].Enabled = on;
    Notify(Aspect::Items);
}

void TCheckListBox::ClickCheck(int index)
{
    CheckIndex(index, Count());
    if (!Enabled() || !lines_[index].Enabled)
        return;
    lines_[index].Checked = !lines_[index].Checked;
    Notify(Aspect::Items);
    if (OnClickCheck)
        OnClickCheck();
}
