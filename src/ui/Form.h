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

    // Creates an owned control under `parent` with a caption and bounds.
    template <class T>
    T* Place(const std::string& name, TControl* parent, const std::string& caption, int left, int top, int width,
             int height)
    {
        T* control = Make<T>(name, parent);
        control->SetCaption(caption);
        control->SetBounds(left, top, width, height);
        return control;
    }

    TNotifyEvent OnCreate, OnShow, OnClose, OnResize;
    // The form's own handling of a user window message (WM_USER and above); returns
    // true when it handled the message. The Win32 renderer passes on what the form's
    // window receives; Perform delivers one directly, as headless tests do.
    std::function<bool(unsigned message)> OnMessage;
    bool Perform(unsigned message) { return OnMessage && OnMessage(message); }
    std::function<bool()> OnCloseQuery; // false keeps the form open

protected:
    void VisibilityChanged() override;
};
