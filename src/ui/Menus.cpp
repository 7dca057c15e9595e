#include "ui/Menus.h"

TMenuItem* TMenu::AddItem(TComponent* owner, const std::string& name, const std::string& caption)
{
    TMenuItem* item = owner->Make<TMenuItem>(name);
    item->SetCaption(caption);
    items_.push_back(item);
    return item;
}

void TPopupMenu::Popup()
{
    if (OnPopup)
        OnPopup();
}

void TMenuItem::SetCaption(const std::string& text)
{
    caption_ = text;
    Notify(Aspect::Caption);
}

void TMenuItem::Click()
{
    if (Enabled && Visible && OnClick)
        OnClick();
}
