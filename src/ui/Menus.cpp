#include "ui/Menus.h"

#include "ui/Application.h"

TMenuItem* TMenu::AddItem(TComponent* owner, const std::string& name, const std::string& caption)
{
    TMenuItem* item = owner->Make<TMenuItem>(name);
    item->SetCaption(caption);
    items_.push_back(item);
    return item;
}

void TPopupMenu::Popup(TComponent* popupComponent)
{
    popupComponent_ = popupComponent;
    if (OnPopup)
        OnPopup();
}

void TPopupMenu::PopupAtCursor(TComponent* popupComponent)
{
    Popup(popupComponent);
    TApplication* app = Application();
    if (app && app->CurrentRenderer())
        app->CurrentRenderer()->ShowPopupMenu(*this);
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
