#pragma once
#include <functional>
#include <string>

#include "ui/Component.h"

class TMainMenu;

// A top-level window. Forms are owned by the application; their controls by them.
class TForm : public TControl {
public:
    TForm(TComponent* owner, std::string name);
    const char* ClassName() const override { return "TForm"; }

    // Width and Height are the client area at 96 DPI.
    bool StayOnTop = false;
    bool CenterOnScreen = true;
    bool Resizable = false;
    TMainMenu* Menu = nullptr;

    void Show();
    void Hide();
    // Asks OnCloseQuery, then runs OnClose and hides; closing the main form ends
    // the application. Returns whether the form closed.
    bool Close();
    void Resize(int width, int height);

    TNotifyEvent OnCreate, OnShow, OnClose, OnResize;
    std::function<bool()> OnCloseQuery; // false keeps the form open

protected:
    void VisibilityChanged() override;
};
