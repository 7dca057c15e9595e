#include "ui/win32/Win32Renderer.h"

#include <commdlg.h>
#include <windowsx.h>

#include <stdexcept>
#include <vector>

#include "ui/Application.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

namespace {

const char FormClass[] = "PyrafixForm";
const char ContainerClass[] = "PyrafixContainer";
const char MessageClass[] = "PyrafixMessages";
constexpr UINT PostedWork = WM_APP + 1;

LRESULT CALLBACK RendererProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* renderer = reinterpret_cast<Win32Renderer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!renderer)
        return DefWindowProcA(window, message, wParam, lParam);
    return renderer->Handle(window, message, wParam, lParam);
}

void RegisterClassOnce(HINSTANCE instance, const char* name, HBRUSH background, HICON icon)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExA(instance, name, &windowClass))
        return;
    windowClass.lpfnWndProc = RendererProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

} // namespace

Win32Renderer::Win32Renderer(HINSTANCE instance, int dpi) : instance_(instance), dpi_(dpi)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    if (dpi_ <= 0) {
        HDC screen = GetDC(nullptr);
        dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    if (dpi_ <= 0)
        dpi_ = 96;
    LOGFONTA face = {};
    face.lfHeight = -MulDiv(8, dpi_, 72);
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfQuality = CLEARTYPE_QUALITY;
    lstrcpyA(face.lfFaceName, "Tahoma");
    font_ = CreateFontIndirectA(&face);
    face.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectA(&face);

    HICON icon = static_cast<HICON>(LoadImageA(instance_, "MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    RegisterClassOnce(instance_, FormClass, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon);
    RegisterClassOnce(instance_, ContainerClass, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    RegisterClassOnce(instance_, MessageClass, nullptr, nullptr);
    messageWindow_ = CreateWindowExA(0, MessageClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance_, this);
}

Win32Renderer::~Win32Renderer()
{
    Shutdown();
    if (messageWindow_)
        DestroyWindow(messageWindow_);
    DeleteObject(font_);
    DeleteObject(boldFont_);
}

void Win32Renderer::Attach(TApplication& app)
{
    app_ = &app;
}

void Win32Renderer::Shutdown()
{
    for (auto& [id, timer] : timers_)
        KillTimer(messageWindow_, id);
    timers_.clear();
    std::vector<HWND> forms;
    for (auto& [component, window] : windows_)
        if (dynamic_cast<const TForm*>(component))
            forms.push_back(window);
    controls_.clear(); // no more events into a model that is going away
    for (HWND form : forms)
        DestroyWindow(form);
    windows_.clear();
    frames_.clear();
    for (auto& [list, images] : imageLists_)
        ImageList_Destroy(images);
    imageLists_.clear();
    for (auto& [window, images] : rowHeights_)
        ImageList_Destroy(images);
    rowHeights_.clear();
    focusMemory_.clear();
    defaultLook_.clear();
    trackedFocus_ = nullptr;
    app_ = nullptr;
}

HWND Win32Renderer::WindowOf(const TComponent* component) const
{
    auto found = windows_.find(component);
    return found == windows_.end() ? nullptr : found->second;
}

void Win32Renderer::FormCreated(TForm& form)
{
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    if (form.Resizable)
        style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
    DWORD exStyle = WS_EX_CONTROLPARENT | (form.StayOnTop ? WS_EX_TOPMOST : 0);
    HMENU menu = form.Menu ? BuildMenu(*form.Menu, false) : nullptr;
    RECT frame = {0, 0, Scale(form.Width), Scale(form.Height)};
    AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    // Owned, not a child: an owned window keeps its own frame but stays in front of
    // its owner, minimises with it and has no taskbar button of its own.
    HWND owner = form.OwnerForm() ? WindowOf(form.OwnerForm()) : nullptr;
    HWND window = CreateWindowExA(exStyle, FormClass, form.Caption().c_str(), style, left, top, width, height, owner,
                                  menu, instance_, this);
    if (!window)
        throw std::runtime_error("cannot create the window " + form.Caption());
    windows_[&form] = window;
    controls_[window] = &form;
    CreateChildren(form, window);
}

void Win32Renderer::Changed(TComponent& component, Aspect aspect)
{
    if (!app_)
        return;
    if (aspect == Aspect::Timer) {
        auto& timer = static_cast<TTimer&>(component);
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->second == &timer) {
                KillTimer(messageWindow_, it->first);
                timers_.erase(it);
                break;
            }
        if (timer.Enabled() && timer.Interval() > 0) {
            const UINT_PTR id = nextTimer_++;
            timers_[id] = &timer;
            SetTimer(messageWindow_, id, static_cast<UINT>(timer.Interval()), nullptr);
        }
        return;
    }
    Update(component, aspect);
}

HWND Win32Renderer::ActiveFormWindow() const
{
    if (activeForm_ && IsWindowVisible(activeForm_))
        return activeForm_;
    if (app_ && app_->MainForm())
        if (HWND main = WindowOf(app_->MainForm()); main && IsWindowVisible(main))
            return main;
    return nullptr;
}

UINT MessageBoxStyle(unsigned flags)
{
    const UINT onTop = (flags & mbNotTopMost) ? 0 : MB_TOPMOST;
    return (flags & ~mbNotTopMost) | onTop | MB_SETFOREGROUND;
}

int Win32Renderer::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    return MessageBoxA(ActiveFormWindow(), text.c_str(), caption.c_str(), MessageBoxStyle(flags));
}

bool Win32Renderer::RunFileDialog(TFileDialog& dialog)
{
    char file[MAX_PATH] = {};
    lstrcpynA(file, dialog.FileName.c_str(), MAX_PATH);
    std::string filter = dialog.Filter;
    for (char& c : filter)
        if (c == '|')
            c = '\0';
    filter += std::string(2, '\0');
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof(request);
    request.hwndOwner = ActiveFormWindow();
    request.lpstrFilter = dialog.Filter.empty() ? nullptr : filter.c_str();
    request.lpstrFile = file;
    request.nMaxFile = MAX_PATH;
    request.lpstrTitle = dialog.Title.empty() ? nullptr : dialog.Title.c_str();
    request.lpstrInitialDir = dialog.InitialDir.empty() ? nullptr : dialog.InitialDir.c_str();
    request.lpstrDefExt = dialog.DefaultExt.empty() ? nullptr : dialog.DefaultExt.c_str();
    request.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                    (dialog.IsSave() ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL chosen = dialog.IsSave() ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request);
    if (!chosen)
        return false;
    dialog.FileName = file;
    return true;
}

void Win32Renderer::Dispatch(MSG& message)
{
    if (message.message == WM_MOUSEMOVE) {
        auto found = controls_.find(message.hwnd);
        if (found != controls_.end()) {
            try {
                found->second->MouseMove();
            } catch (const std::exception& failure) {
                ReportFailure(failure.what());
            }
        }
    }
    HWND form = ActiveFormWindow();
    try {
        if (form && FormKey(form, message)) {
            TrackFocus();
            return;
        }
        // A list view's key handler may swallow a key before the control sees it, but
        // not the keys that move between controls and close windows.
        const bool navigation = message.wParam == VK_TAB || message.wParam == VK_RETURN || message.wParam == VK_ESCAPE;
        if (message.message == WM_KEYDOWN && !navigation) {
            auto found = controls_.find(message.hwnd);
            auto* view = found == controls_.end() ? nullptr : dynamic_cast<TListView*>(found->second);
            if (view && view->OnKeyDown && view->OnKeyDown(static_cast<int>(message.wParam)))
                return;
        }
    } catch (const std::exception& failure) {
        ReportFailure(failure.what());
        return;
    }
    // The dialog manager gives every form Tab, Shift+Tab, Enter (DM_GETDEFID below),
    // Esc (IDCANCEL) and the Alt letters of buttons.
    if (!form || !IsDialogMessageA(form, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    TrackFocus();
}

namespace {

TPageControl* ShownPageControl(TControl& control)
{
    if (!control.Showing())
        return nullptr;
    if (auto* pages = dynamic_cast<TPageControl*>(&control))
        return pages;
    for (TControl* child : control.Children())
        if (TPageControl* pages = ShownPageControl(*child))
            return pages;
    return nullptr;
}

} // namespace

bool Win32Renderer::FormKey(HWND form, const MSG& message)
{
    // The tab control draws the underlined letters of its captions but leaves Alt
    // and Ctrl+Tab to the window, as property sheets do.
    const bool ctrlTab = message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0;
    if ((!ctrlTab && message.message != WM_SYSCHAR) || (message.hwnd != form && !IsChild(form, message.hwnd)))
        return false;
    auto found = controls_.find(form);
    TPageControl* pages = found == controls_.end() ? nullptr : ShownPageControl(*found->second);
    if (!pages)
        return false;
    if (ctrlTab) {
        pages->SelectNextSheet(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    return pages->SelectSheetByMnemonic(static_cast<char>(message.wParam));
}

void Win32Renderer::TrackFocus()
{
    HWND focus = GetFocus();
    if (focus == trackedFocus_ || !app_)
        return;
    trackedFocus_ = focus;
    TControl* control = nullptr;
    for (HWND at = focus; at && !control; at = GetParent(at))
        if (auto found = controls_.find(at); found != controls_.end())
            control = found->second;
    TForm* form = FormOf(control);
    if (!form)
        return;
    ShowDefaultButton(*form);
    if (control == form)
        return;
    try {
        form->FocusMoved(control);
    } catch (const std::exception& failure) {
        ReportFailure(failure.what());
    }
}

void Win32Renderer::ShowDefaultButton(TForm& form)
{
    // Enter presses the push button that has the focus, or else the form's default
    // button: that one alone is drawn as the default.
    HWND formWindow = WindowOf(&form);
    TButton* pressed = form.DefaultButton;
    if (HWND focus = GetFocus(); focus && IsChild(formWindow, focus))
        if (auto found = controls_.find(focus); found != controls_.end())
            if (auto* button = dynamic_cast<TButton*>(found->second))
                pressed = button;
    HWND wanted = pressed ? WindowOf(pressed) : nullptr;
    HWND& drawn = defaultLook_[formWindow];
    if (drawn == wanted)
        return;
    if (drawn && IsWindow(drawn))
        SendMessageA(drawn, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    if (wanted)
        SendMessageA(wanted, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    drawn = wanted;
}

void Win32Renderer::RestoreFocus(HWND form)
{
    HWND target = nullptr;
    if (auto kept = focusMemory_.find(form); kept != focusMemory_.end() && IsWindow(kept->second) &&
                                             IsChild(form, kept->second) && IsWindowVisible(kept->second) &&
                                             IsWindowEnabled(kept->second))
        target = kept->second;
    if (!target)
        target = GetNextDlgTabItem(form, nullptr, FALSE);
    if (target && IsChild(form, target))
        SetFocus(target);
}

void Win32Renderer::RefocusIfLost(TControl& control, HWND lost)
{
    // Windows drops the focus of a control that is hidden or disabled, which would
    // leave the keyboard with nothing to work on.
    HWND form = WindowOf(FormOf(&control));
    if (!form || GetActiveWindow() != form)
        return;
    HWND focus = GetFocus();
    if (focus && IsChild(form, focus) && IsWindowVisible(focus) && IsWindowEnabled(focus) &&
        (GetWindowLongA(focus, GWL_STYLE) & WS_TABSTOP))
        return;
    if (focus && focus != form && !IsChild(form, focus))
        return;
    HWND next = lost ? GetNextDlgTabItem(form, lost, FALSE) : nullptr;
    if (!next || !IsChild(form, next) || !IsWindowVisible(next) || !IsWindowEnabled(next))
        next = GetNextDlgTabItem(form, nullptr, FALSE);
    if (next && IsChild(form, next))
        SetFocus(next);
}

void Win32Renderer::BringToFront(HWND form)
{
    if (IsIconic(form))
        ShowWindow(form, SW_RESTORE);
    SetWindowPos(form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form);
}

void Win32Renderer::ProcessMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        Dispatch(message);
    }
    TrackFocus();
}

void Win32Renderer::Run()
{
    MSG message;
    while (app_ && !app_->Terminated() && GetMessageA(&message, nullptr, 0, 0) > 0)
        Dispatch(message);
}

void Win32Renderer::WakeUp()
{
    PostMessageA(messageWindow_, PostedWork, 0, 0);
}

void Win32Renderer::ReportFailure(const char* what)
{
    // A failing handler never ends the program; the user sees what went wrong.
    MessageBoxA(ActiveFormWindow(), what, "Error", MB_OK | MB_ICONERROR | MB_TOPMOST);
}

LRESULT Win32Renderer::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        // A user message to a form goes to the form's own hook first.
        if (message >= WM_USER && message < WM_APP)
            if (auto found = controls_.find(window); found != controls_.end())
                if (auto* form = dynamic_cast<TForm*>(found->second); form && form->Perform(message))
                    return 0;
        switch (message) {
        case WM_TIMER:
            if (window == messageWindow_) {
                auto found = timers_.find(wParam);
                if (found != timers_.end())
                    found->second->Fire();
                return 0;
            }
            break;
        case PostedWork:
            if (app_)
                app_->RunPosted();
            return 0;
        case WM_COMMAND:
            if (lParam)
                OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            else if (wParam == IDCANCEL) {
                // Esc, from the dialog manager.
                if (auto found = controls_.find(window); found != controls_.end())
                    if (auto* form = dynamic_cast<TForm*>(found->second); form && form->EscapeCloses)
                        form->Close();
            } else if (auto found = menuCommands_.find(LOWORD(wParam)); found != menuCommands_.end())
                found->second->Click();
            return 0;
        case DM_GETDEFID:
            // Asked by the dialog manager when Enter is pressed off a push button.
            if (auto drawn = defaultLook_.find(window);
                drawn != defaultLook_.end() && drawn->second && IsWindow(drawn->second))
                return MAKELRESULT(GetDlgCtrlID(drawn->second), DC_HASDEFID);
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_CONTEXTMENU:
            OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus && IsChild(window, focus))
                    focusMemory_[window] = focus;
                break;
            }
            activeForm_ = window;
            // A form comes back with the control it had the focus on, a new one with
            // its first control, as dialogs do; not with the focus on the frame.
            if (!HIWORD(wParam) && controls_.count(window)) {
                RestoreFocus(window);
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (controls_.count(window) && dynamic_cast<TForm*>(controls_[window])) {
                RestoreFocus(window);
                return 0;
            }
            break;
        case WM_CLOSE:
            if (auto found = controls_.find(window); found != controls_.end())
                static_cast<TForm*>(found->second)->Close();
            return 0;
        case WM_SIZE:
            for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                char name[32];
                if (GetClassNameA(child, name, sizeof(name)) && lstrcmpiA(name, STATUSCLASSNAMEA) == 0) {
                    SendMessageA(child, WM_SIZE, 0, 0);
                    if (auto found = controls_.find(child); found != controls_.end())
                        FillStatusBar(*found->second);
                }
            }
            break;
        }
    } catch (const std::exception& failure) {
        ReportFailure(failure.what());
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Win32Renderer::OnCommand(HWND window, WORD code)
{
    auto found = controls_.find(window);
    if (found == controls_.end() || code != BN_CLICKED || filling_)
        return;
    if (auto* box = dynamic_cast<TCheckBox*>(found->second))
        box->Click();
    else if (auto* button = dynamic_cast<TButton*>(found->second))
        button->Click();
}

LRESULT Win32Renderer::OnNotify(NMHDR& header)
{
    auto found = controls_.find(header.hwndFrom);
    if (found == controls_.end() || filling_)
        return 0;
    TControl* control = found->second;
    if (auto* pages = dynamic_cast<TPageControl*>(control)) {
        if (header.code == TCN_SELCHANGE)
            pages->SetActivePageIndex(TabCtrl_GetCurSel(header.hwndFrom));
        return 0;
    }
    if (auto* list = dynamic_cast<TCheckListBox*>(control)) {
        if (header.code == LVN_ITEMCHANGING) {
            auto& change = reinterpret_cast<NMLISTVIEW&>(header);
            // A disabled line keeps its check mark.
            const bool checkChange = (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_STATEIMAGEMASK) &&
                                     ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK);
            return checkChange && change.iItem >= 0 && change.iItem < list->Count() &&
                   (!list->Enabled() || !list->Lines()[change.iItem].Enabled);
        }
        if (header.code == LVN_ITEMCHANGED) {
            auto& change = reinterpret_cast<NMLISTVIEW&>(header);
            if (change.iItem < 0 || change.iItem >= list->Count())
                return 0;
            if (change.uNewState & LVIS_SELECTED)
                list->ItemIndex = change.iItem;
            const bool checked = ListView_GetCheckState(header.hwndFrom, change.iItem) != 0;
            if ((change.uNewState & LVIS_STATEIMAGEMASK) && checked != list->Lines()[change.iItem].Checked)
                list->ClickCheck(change.iItem);
        }
        if (header.code == NM_CUSTOMDRAW) {
            auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
                return CDRF_NOTIFYITEMDRAW;
            if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
                const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
                if (row < list->Count() && !list->Lines()[row].Enabled)
                    draw.clrText = GetSysColor(COLOR_GRAYTEXT);
                return CDRF_DODEFAULT;
            }
        }
        return 0;
    }
    auto* view = dynamic_cast<TListView*>(control);
    if (!view)
        return 0;
    auto& change = reinterpret_cast<NMLISTVIEW&>(header);
    switch (header.code) {
    case LVN_ITEMCHANGED:
        if (change.iItem < 0 || change.iItem >= view->Count() || !(change.uChanged & LVIF_STATE))
            break;
        if (view->CheckBoxes && ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK)) {
            const bool checked = ListView_GetCheckState(header.hwndFrom, change.iItem) != 0;
            view->UserCheck(change.iItem, checked);
        }
        // A selection moves by a click, the keys or a right click; only a left click
        // into the list is a click (NM_CLICK below), as handlers tell them apart.
        if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
            view->UserMoveSelection(change.iItem);
        break;
    case NM_CLICK:
        view->UserClick();
        break;
    case NM_CUSTOMDRAW: {
        if (!view->OnCustomDrawItem)
            break;
        auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && row < view->Count()) {
            uint32_t background = CLR_DEFAULT, text = CLR_DEFAULT;
            view->OnCustomDrawItem(row, background, text);
            draw.clrTextBk = background;
            draw.clrText = text;
        }
        return CDRF_DODEFAULT;
    }
    case NM_DBLCLK: {
        auto& activate = reinterpret_cast<NMITEMACTIVATE&>(header);
        if (activate.iItem >= 0 && activate.iItem < view->Count())
            view->UserDoubleClick(activate.iItem);
        break;
    }
    case LVN_GETINFOTIPA: {
        auto& tip = reinterpret_cast<NMLVGETINFOTIPA&>(header);
        if (tip.iItem >= 0 && tip.iItem < view->Count() && tip.pszText && tip.cchTextMax > 0)
            lstrcpynA(tip.pszText, RowTip(*view, header.hwndFrom, tip.iItem).c_str(), tip.cchTextMax);
        break;
    }
    }
    return 0;
}

void Win32Renderer::OnContextMenu(HWND window, LPARAM where)
{
    auto found = controls_.find(window);
    auto* view = found == controls_.end() ? nullptr : dynamic_cast<TListView*>(found->second);
    if (!view || !view->PopupMenu)
        return;
    view->PopupMenu->Popup(view);
    POINT at = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (at.x == -1 && at.y == -1) {
        RECT box;
        GetWindowRect(window, &box);
        at = {box.left + Scale(8), box.top + Scale(8)};
    }
    TrackMenu(*view->PopupMenu, at, window);
}

void Win32Renderer::ShowPopupMenu(TPopupMenu& menu)
{
    POINT at;
    GetCursorPos(&at);
    HWND owner = WindowOf(menu.PopupComponent());
    TrackMenu(menu, at, owner ? owner : ActiveFormWindow());
}

void Win32Renderer::TrackMenu(TPopupMenu& menu, POINT at, HWND owner)
{
    HMENU handle = BuildMenu(menu, true);
    const UINT chosen = TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    DestroyMenu(handle);
    if (auto item = menuCommands_.find(chosen); chosen && item != menuCommands_.end())
        item->second->Click();
}
