#pragma once
#include <functional>
#include <string>

#include "ui/Component.h"

class TButton;
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
    // Enter presses this button, unless another push button has the focus; null:
    // the form has no default button, and no button looks like one.
    TButton* DefaultButton = nullptr;
    // Esc closes the form; set for windows whose closing changes nothing.
    bool EscapeCloses = false;

    // The window this one belongs to: the main form, for every other form. An owned
    // window stays in front of its owner and is minimised and restored with it.
    TForm* OwnerForm() const;

    // Shows the form; one that is already showing comes to the front and takes the focus.
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

    // The control that has, or last had, the focus in this form; null before any had it.
    TControl* ActiveControl() const { return activeControl_; }
    // The focus moved to `control`, one of this form's (renderers report it): the
    // controls holding it that did not hold the focus before get OnEnter, outermost
    // first, the control itself last.
    void FocusMoved(TControl* control);

protected:
    void VisibilityChanged() override;

private:
    TControl* activeControl_ = nullptr;
};

// The form a control lies on; null for a control outside any form.
TForm* FormOf(TControl* control);
