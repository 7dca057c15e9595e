#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <unordered_map>

#include "ui/Renderer.h"

class TControl;
class TImageList;
class TMemo;
class TListView;
class TCheckListBox;
class TMenu;
class TMenuItem;
class TPopupMenu;
class TTimer;

// Real windows and common controls mirroring the component model. The model
// stays the truth: user input becomes model calls, and model changes come back
// here through Changed. Coordinates in the model are at 96 DPI and scaled here.
// The MessageBoxA style for a box of the model: on top and in the foreground, but
// on top only where the model does not leave it out.
UINT MessageBoxStyle(unsigned flags);

// Every form but the main one is owned by the main form's window. The message loop
// gives every form the keyboard of a dialog: Tab, Enter, Esc, Alt and a letter, and
// Ctrl+Tab for tabs.
class Win32Renderer : public Renderer {
public:
    // `dpi` 0: the screen's.
    explicit Win32Renderer(HINSTANCE instance, int dpi = 0);
    ~Win32Renderer() override;
    void Attach(TApplication& app);

    void FormCreated(TForm& form) override;
    void Changed(TComponent& component, Aspect aspect) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    bool RunFileDialog(TFileDialog& dialog) override;
    void ShowPopupMenu(TPopupMenu& menu) override;
    void ProcessMessages() override;
    void Run() override;
    void WakeUp() override;
    void Shutdown() override;

    // The window of a component, null when it has none (tests and probes use it).
    HWND WindowOf(const TComponent* component) const;
    int Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
    // The width of a text in the font of a window.
    int TextWidth(HWND window, const std::string& text) const;

    // Window procedure work; public so the procedure can reach it.
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Controls (Win32Controls.cpp).
    void CreateControl(TControl& control, HWND parent);
    void CreateChildren(TControl& control, HWND parent);
    void Update(TComponent& component, Aspect aspect);
    void FillListView(TListView& view);
    void FillCheckList(TCheckListBox& list);
    void FillStatusBar(TControl& control);
    void FitColumns(TListView& view, HWND window);
    std::string RowTip(TListView& view, HWND window, int row) const;
    void AppendLine(TMemo& memo, HWND window);
    HIMAGELIST ImagesOf(TImageList* images);
    void AddImage(HIMAGELIST list, const std::string& name);
    HMENU BuildMenu(const TMenu& menu, bool popup);
    // Input (Win32Renderer.cpp).
    void OnCommand(HWND control, WORD code);
    LRESULT OnNotify(NMHDR& header);
    void OnContextMenu(HWND control, LPARAM where);
    void TrackMenu(TPopupMenu& menu, POINT at, HWND owner);
    void Dispatch(MSG& message);
    bool FormKey(HWND form, const MSG& message);
    void ReportFailure(const char* what);
    HWND ActiveFormWindow() const;
    // Focus (Win32Renderer.cpp): the model learns where it went, and buttons show
    // which one Enter presses.
    void TrackFocus();
    void ShowDefaultButton(TForm& form);
    void RestoreFocus(HWND form);
    void RefocusIfLost(TControl& control, HWND lost);
    void BringToFront(HWND form);

    HINSTANCE instance_;
    TApplication* app_ = nullptr;
    int dpi_ = 96;
    HFONT font_ = nullptr, boldFont_ = nullptr;
    HWND messageWindow_ = nullptr;
    HWND activeForm_ = nullptr;
    bool filling_ = false; // set while the renderer itself writes into controls
    std::unordered_map<const TComponent*, HWND> windows_;
    std::unordered_map<HWND, TControl*> controls_;
    std::unordered_map<const TComponent*, HWND> frames_; // group boxes' frame buttons
    std::unordered_map<const TImageList*, HIMAGELIST> imageLists_;
    std::unordered_map<UINT_PTR, TTimer*> timers_;
    std::unordered_map<UINT, TMenuItem*> menuCommands_;
    std::unordered_map<HWND, HIMAGELIST> rowHeights_;
    std::unordered_map<HWND, HWND> focusMemory_; // form -> the control that had the focus
    std::unordered_map<HWND, HWND> defaultLook_; // form -> the button drawn as the default
    HWND trackedFocus_ = nullptr;
    UINT_PTR nextTimer_ = 1;
    UINT nextCommand_ = 1000;
    int nextControlId_ = 100;
};
