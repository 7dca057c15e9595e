#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <unordered_map>

#include "ui/Renderer.h"

class TControl;
class TImageList;
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

class Win32Renderer : public Renderer {
public:
    explicit Win32Renderer(HINSTANCE instance);
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
    HIMAGELIST ImagesOf(TImageList* images);
    void AddImage(HIMAGELIST list, const std::string& name);
    HMENU BuildMenu(const TMenu& menu, bool popup);
    // Input (Win32Renderer.cpp).
    void OnCommand(HWND control, WORD code);
    LRESULT OnNotify(NMHDR& header);
    void OnContextMenu(HWND control, LPARAM where);
    void TrackMenu(TPopupMenu& menu, POINT at, HWND owner);
    void Dispatch(MSG& message);
    void ReportFailure(const char* what);
    HWND ActiveFormWindow() const;

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
    UINT_PTR nextTimer_ = 1;
    UINT nextCommand_ = 1000;
};
