#pragma once
#include <string>

class TApplication;
class TComponent;
class TFileDialog;
class TForm;
class TPopupMenu;
enum class Aspect;

// Message box kinds and answers, with the values Windows uses. Boxes are topmost
// and brought to the foreground; mbNotTopMost (the model's own, no Windows value)
// leaves the on-top flag out for the few questions that go without it.
enum MessageBoxFlags : unsigned {
    mbOk = 0x0,
    mbYesNo = 0x4,
    mbIconError = 0x10,
    mbIconQuestion = 0x20,
    mbIconWarning = 0x30,
    mbIconInformation = 0x40,
    mbDefButton2 = 0x100,
    mbNotTopMost = 0x80000000,
};
enum MessageBoxAnswer : int { idOk = 1, idCancel = 2, idYes = 6, idNo = 7 };

// Mirrors the component model somewhere: real windows, or nothing but a record.
class Renderer {
public:
    virtual ~Renderer() = default;
    // A form and all its controls exist; make whatever the renderer keeps for them.
    virtual void FormCreated(TForm& form) = 0;
    virtual void Changed(TComponent& component, Aspect aspect) = 0;
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    virtual bool RunFileDialog(TFileDialog& dialog) = 0;
    // Shows a pop-up menu at the mouse position (its OnPopup has run); the user's
    // choice clicks the item. Nothing to show without windows.
    virtual void ShowPopupMenu(TPopupMenu&) {}
    // Handles what is pending (input, posted work, due timers) and returns.
    virtual void ProcessMessages() = 0;
    // Runs until the application terminates.
    virtual void Run() = 0;
    // Work was posted from another thread; wake the UI thread.
    virtual void WakeUp() = 0;
    // The application is going away: drop every window and reference.
    virtual void Shutdown() = 0;
};
