#pragma once
#include <string>
#include <vector>

#include "ui/Component.h"

class TMenuItem;

// Base of the main menu and the pop-up menus; items are owned by the form and
// listed here in order.
class TMenu : public TComponent {
public:
    using TComponent::TComponent;
    const std::vector<TMenuItem*>& Items() const { return items_; }
    TMenuItem* AddItem(TComponent* owner, const std::string& name, const std::string& caption);
    TNotifyEvent OnPopup;

private:
    std::vector<TMenuItem*> items_;
};

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
    const char* ClassName() const override { return "TMainMenu"; }
};

class TPopupMenu : public TMenu {
public:
    using TMenu::TMenu;
    const char* ClassName() const override { return "TPopupMenu"; }
    // Fires OnPopup for the control the menu opens over; renderers then show the items.
    void Popup(TComponent* popupComponent = nullptr);
    // The control the menu was last opened over: the list that has the focus then.
    TComponent* PopupComponent() const { return popupComponent_; }
    // Opens the menu at the mouse position, as a command button does.
    void PopupAtCursor(TComponent* popupComponent);

private:
    TComponent* popupComponent_ = nullptr;
};

class TMenuItem : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TMenuItem"; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& text);
    bool IsSeparator() const { return caption_ == "-"; }
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    int ImageIndex = -1;
    // A user's choice of the item: ignored while disabled or hidden.
    void Click();
    TNotifyEvent OnClick;

private:
    std::string caption_;
};
