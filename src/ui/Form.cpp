#include "ui/Form.h"

#include <vector>

#include "ui/Application.h"

TForm::TForm(TComponent* owner, std::string name) : TControl(owner, std::move(name), nullptr)
{
    SetVisible(false);
}

TForm* TForm::OwnerForm() const
{
    TApplication* app = Application();
    TForm* main = app ? app->MainForm() : nullptr;
    return main == this ? nullptr : main;
}

void TForm::Show()
{
    if (Visible())
        Notify(Aspect::Front);
    else
        SetVisible(true);
}

void TForm::Hide()
{
    SetVisible(false);
}

void TForm::VisibilityChanged()
{
    if (Visible() && OnShow)
        OnShow();
}

bool TForm::Close()
{
    if (OnCloseQuery && !OnCloseQuery())
        return false;
    if (OnClose)
        OnClose();
    Hide();
    if (TApplication* app = Application(); app && app->MainForm() == this)
        app->Terminate();
    return true;
}

void TForm::Resize(int width, int height)
{
    Width = width;
    Height = height;
    if (OnResize)
        OnResize();
}

void TForm::FocusMoved(TControl* control)
{
    if (control == activeControl_)
        return;
    const TControl* before = activeControl_;
    activeControl_ = control;
    const auto holds = [](const TControl* outer, const TControl* inner) {
        for (; inner; inner = inner->Parent())
            if (inner == outer)
                return true;
        return false;
    };
    std::vector<TControl*> entered;
    for (TControl* at = control; at && at != this && !holds(at, before); at = at->Parent())
        entered.push_back(at);
    for (auto at = entered.rbegin(); at != entered.rend(); ++at)
        (*at)->Enter();
}

TForm* FormOf(TControl* control)
{
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TForm*>(control);
}
