#include "ui/Form.h"

#include "ui/Application.h"

TForm::TForm(TComponent* owner, std::string name) : TControl(owner, std::move(name), nullptr)
{
    SetVisible(false);
}

void TForm::Show()
{
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
