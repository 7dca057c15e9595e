// Making and updating the native control of each model class.
#include <algorithm>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/CaptionText.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"
#include "ui/win32/Win32Renderer.h"

#include <shellapi.h>

namespace {

const char ContainerClass[] = "PyrafixContainer";

struct NativeKind {
    const char* windowClass;
    DWORD style;
    DWORD exStyle;
};

NativeKind KindOf(const TControl& control)
{
    const DWORD child = WS_CHILD | WS_CLIPSIBLINGS;
    if (dynamic_cast<const TCheckBox*>(&control))
        return {"BUTTON", child | WS_TABSTOP | BS_CHECKBOX, 0};
    if (dynamic_cast<const TButton*>(&control))
        return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    if (auto* label = dynamic_cast<const TLabel*>(&control))
        return {"STATIC", child | (label->WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP), 0};
    if (auto* memo = dynamic_cast<const TMemo*>(&control))
        return {"EDIT",
                child | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | (memo->ReadOnly ? ES_READONLY : 0) |
                    (memo->VerticalScrollBar ? WS_VSCROLL : 0),
                WS_EX_CLIENTEDGE};
    if (dynamic_cast<const TCheckListBox*>(&control))
        return {WC_LISTVIEWA, child | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE};
    if (auto* view = dynamic_cast<const TListView*>(&control))
        return {WC_LISTVIEWA,
                child | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                    (view->ShowColumnHeaders ? 0 : LVS_NOCOLUMNHEADER),
                WS_EX_CLIENTEDGE};
    if (dynamic_cast<const TStatusBar*>(&control))
        return {STATUSCLASSNAMEA, child, 0};
    if (dynamic_cast<const TProgressBar*>(&control))
        return {PROGRESS_CLASSA, child, 0};
    if (dynamic_cast<const TPageControl*>(&control))
        return {WC_TABCONTROLA, child | WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    if (dynamic_cast<const TImage*>(&control))
        return {"STATIC", child | SS_ICON | SS_REALSIZECONTROL, 0};
    // A group box's frame does not paint its inside, so its holder must.
    if (dynamic_cast<const TGroupBox*>(&control))
        return {ContainerClass, child, WS_EX_CONTROLPARENT};
    // Notebooks, pages, tab sheets and panels hold other controls.
    return {ContainerClass, child | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

std::string MemoText(const TMemo& memo)
{
    std::string text = memo.Text();
    if (text.size() >= 2)
        text.resize(text.size() - 2);
    return text;
}

// Text nobody can type into leaves Tab, Enter and Esc to the window, so the
// keyboard moves on instead of staying in the memo.
LRESULT CALLBACK ReadOnlyMemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETDLGCODE)
        return DefSubclassProc(window, message, wParam, lParam) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, ReadOnlyMemoProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

// Room for a status panel's frame and the margins the status bar keeps around its text.
constexpr int StatusTextPadding = 10;

} // namespace

void Win32Renderer::CreateChildren(TControl& control, HWND parent)
{
    for (TControl* child : control.Children())
        CreateControl(*child, parent);
}

void Win32Renderer::CreateControl(TControl& control, HWND parent)
{
    const NativeKind kind = KindOf(control);
    RECT box = {Scale(control.Left), Scale(control.Top), Scale(control.Left + control.Width),
                Scale(control.Top + control.Height)};
    if (dynamic_cast<TTabSheet*>(&control)) {
        GetClientRect(parent, &box);
        TabCtrl_AdjustRect(parent, FALSE, &box);
    }
    const std::string caption =
        dynamic_cast<TMemo*>(&control) ? MemoText(static_cast<TMemo&>(control)) : control.Caption();
    const bool container = lstrcmpA(kind.windowClass, ContainerClass) == 0;
    TForm* form = FormOf(&control);
    const bool isDefault = form && form->DefaultButton == &control;
    DWORD style = kind.style | (control.Visible() ? WS_VISIBLE : 0);
    if (isDefault)
        style |= BS_DEFPUSHBUTTON;
    // Each control has an id of its own: the dialog manager finds the default button by it.
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId_++));
    HWND window = CreateWindowExA(kind.exStyle, kind.windowClass, container ? "" : caption.c_str(), style, box.left,
                                  box.top, box.right - box.left, box.bottom - box.top, parent, id,
                                  GetModuleHandleA(nullptr), container ? this : nullptr);
    if (!window)
        throw std::runtime_error("cannot create the control " + control.Name());
    windows_[&control] = window;
    controls_[window] = &control;
    if (isDefault)
        defaultLook_[WindowOf(form)] = window;
    const bool bold = (dynamic_cast<TLabel*>(&control) && static_cast<TLabel&>(control).Bold) ||
                      (dynamic_cast<TListView*>(&control) && static_cast<TListView&>(control).BoldFont);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(bold ? boldFont_ : font_), FALSE);
    if (!control.Enabled())
        EnableWindow(window, FALSE);

    if (auto* group = dynamic_cast<TGroupBox*>(&control)) {
        HWND frame = CreateWindowExA(0, "BUTTON", group->Caption().c_str(),
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, box.right - box.left,
                                     box.bottom - box.top, window, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(frame, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        frames_[&control] = frame;
    } else if (auto* view = dynamic_cast<TListView*>(&control)) {
        DWORD extended = LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP | (view->CheckBoxes ? LVS_EX_CHECKBOXES : 0) |
                         (view->RowSelect ? LVS_EX_FULLROWSELECT : 0) | (view->GridLines ? LVS_EX_GRIDLINES : 0);
        ListView_SetExtendedListViewStyle(window, extended);
        for (size_t i = 0; i < view->Columns.size(); ++i) {
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = const_cast<char*>(view->Columns[i].Caption.c_str());
            column.cx = Scale(view->Columns[i].Width);
            SendMessageA(window, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
        if (HIMAGELIST images = ImagesOf(view->SmallImages))
            ListView_SetImageList(window, images, LVSIL_SMALL);
        FillListView(*view);
    } else if (auto* list = dynamic_cast<TCheckListBox*>(&control)) {
        ListView_SetExtendedListViewStyle(window, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = box.right - box.left - GetSystemMetrics(SM_CXVSCROLL) - Scale(4);
        SendMessageA(window, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        // A list view's rows are as tall as its small images: a blank image list sets the line height.
        HIMAGELIST spacer = ImageList_Create(1, Scale(list->ItemHeight), ILC_COLOR32, 1, 1);
        rowHeights_[window] = spacer;
        ListView_SetImageList(window, spacer, LVSIL_SMALL);
        FillCheckList(*list);
    } else if (dynamic_cast<TStatusBar*>(&control)) {
        FillStatusBar(control);
    } else if (auto* bar = dynamic_cast<TProgressBar*>(&control)) {
        SendMessageA(window, PBM_SETRANGE32, bar->Min, bar->Max);
        SendMessageA(window, PBM_SETPOS, bar->Position(), 0);
    } else if (auto* pages = dynamic_cast<TPageControl*>(&control)) {
        for (size_t i = 0; i < pages->Sheets().size(); ++i) {
            TCITEMA tab = {};
            tab.mask = TCIF_TEXT;
            tab.pszText = const_cast<char*>(pages->Sheets()[i]->Caption().c_str());
            SendMessageA(window, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
        }
        TabCtrl_SetCurSel(window, pages->ActivePageIndex());
    } else if (auto* image = dynamic_cast<TImage*>(&control)) {
        HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), image->Picture.c_str(), IMAGE_ICON, box.right - box.left,
                                 box.bottom - box.top, 0);
        SendMessageA(window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    } else if (auto* box2 = dynamic_cast<TCheckBox*>(&control)) {
        SendMessageA(window, BM_SETCHECK, box2->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (auto* memo = dynamic_cast<TMemo*>(&control)) {
        SendMessageA(window, EM_SETLIMITTEXT, 0, 0); // a scan log has no length limit
        if (memo->ReadOnly)
            SetWindowSubclass(window, ReadOnlyMemoProc, 0, 0);
    }
    CreateChildren(control, window);
    if (auto frame = frames_.find(&control); frame != frames_.end())
        // Below the group's controls, which clip it where they lie.
        SetWindowPos(frame->second, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HIMAGELIST Win32Renderer::ImagesOf(TImageList* images)
{
    if (!images)
        return nullptr;
    HIMAGELIST list = nullptr;
    if (auto found = imageLists_.find(images); found != imageLists_.end())
        list = found->second;
    else
        list = imageLists_[images] = ImageList_Create(Scale(16), Scale(16), ILC_COLOR32 | ILC_MASK, images->Count(), 8);
    // Images added since the last look (program icons of list rows) are appended.
    for (int next = ImageList_GetImageCount(list); next < images->Count(); ++next)
        AddImage(list, images->Images()[next]);
    return list;
}

void Win32Renderer::AddImage(HIMAGELIST list, const std::string& name)
{
    const int size = Scale(16);
    // An icon resource of the program by name, else the first icon of a file by path.
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, size, size, 0));
    HICON extracted = nullptr;
    if (!icon && ExtractIconExA(name.c_str(), 0, nullptr, &extracted, 1) > 0)
        icon = extracted;
    ImageList_AddIcon(list, icon ? icon : LoadIcon(nullptr, IDI_APPLICATION));
    if (icon)
        DestroyIcon(icon);
}

HMENU Win32Renderer::BuildMenu(const TMenu& menu, bool popup)
{
    HMENU handle = popup ? CreatePopupMenu() : CreateMenu();
    int shown = 0;
    for (TMenuItem* item : menu.Items()) {
        if (!item->Visible)
            continue;
        if (item->IsSeparator()) {
            AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT id = nextCommand_++;
        menuCommands_[id] = item;
        AppendMenuA(handle, MF_STRING | (item->Enabled ? 0 : MF_GRAYED) | (item->Checked ? MF_CHECKED : 0), id,
                    item->Caption().c_str());
        ++shown;
    }
    if (!popup && shown == 0) {
        // A menu bar whose items are all hidden takes no room at all.
        DestroyMenu(handle);
        return nullptr;
    }
    return handle;
}

void Win32Renderer::FillListView(TListView& view)
{
    HWND window = WindowOf(&view);
    if (!window)
        return;
    filling_ = true;
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(window);
    if (view.SmallImages)
        ImagesOf(view.SmallImages);
    // A list may switch its check boxes off for a placeholder row and on again.
    ListView_SetExtendedListViewStyleEx(window, LVS_EX_CHECKBOXES, view.CheckBoxes ? LVS_EX_CHECKBOXES : 0);
    for (int row = 0; row < view.Count(); ++row) {
        const TListItem& item = view.Item(row);
        LVITEMA line = {};
        line.mask = LVIF_TEXT | (item.ImageIndex >= 0 ? LVIF_IMAGE : 0);
        line.iItem = row;
        line.pszText = const_cast<char*>(item.Caption.c_str());
        line.iImage = item.ImageIndex;
        SendMessageA(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&line));
        for (size_t sub = 0; sub < item.SubItems.size() && sub + 1 < view.Columns.size(); ++sub) {
            LVITEMA cell = {};
            cell.iSubItem = static_cast<int>(sub + 1);
            cell.pszText = const_cast<char*>(item.SubItems[sub].c_str());
            SendMessageA(window, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
        }
        if (view.CheckBoxes)
            ListView_SetCheckState(window, row, item.Checked);
        if (item.Selected)
            ListView_SetItemState(window, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    FitColumns(view, window);
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
    filling_ = false;
}

void Win32Renderer::FitColumns(TListView& view, HWND window)
{
    const int count = static_cast<int>(view.Columns.size());
    std::vector<int> widths, needs;
    for (int i = 0; i < count; ++i) {
        widths.push_back(Scale(view.Columns[i].Width));
        int need = 0;
        if (view.Count() > 0) {
            ListView_SetColumnWidth(window, i, LVSCW_AUTOSIZE); // as wide as the widest cell
            need = ListView_GetColumnWidth(window, i);
        }
        needs.push_back(need);
    }
    if (count > 0 && view.Count() == 1 && view.Item(0).SubItems.empty()) {
        // A one-row note ("No startup program found!") has no other cells to keep in view.
        widths[0] = std::max(widths[0], needs[0]);
    } else {
        // Columns that want more than their design share the room the list has left,
        // those that want least first, so that short texts such as dates come out
        // whole and no column is pushed out of view. Rows still cut show a tip.
        RECT client;
        GetClientRect(window, &client);
        int room = client.right;
        for (int width : widths)
            room -= width;
        std::vector<int> order(count);
        for (int i = 0; i < count; ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return needs[a] - widths[a] < needs[b] - widths[b]; });
        for (int i : order) {
            const int grow = std::min(needs[i] - widths[i], room);
            if (grow > 0) {
                widths[i] += grow;
                room -= grow;
            }
        }
    }
    for (int i = 0; i < count; ++i)
        ListView_SetColumnWidth(window, i, widths[i]);
}

std::string Win32Renderer::RowTip(TListView& view, HWND window, int row) const
{
    // Every cell of the row, one a line, when any of them is cut.
    const TListItem& item = view.Item(row);
    std::string tip;
    bool cut = false;
    for (size_t i = 0; i < view.Columns.size() && i <= item.SubItems.size(); ++i) {
        const std::string& cell = i == 0 ? item.Caption : item.SubItems[i - 1];
        RECT label = {};
        ListView_GetSubItemRect(window, row, static_cast<int>(i), LVIR_LABEL, &label);
        cut = cut || ListView_GetStringWidth(window, cell.c_str()) + Scale(12) > label.right - label.left;
        if (!cell.empty())
            tip += (tip.empty() ? "" : "\r\n") + cell;
    }
    return cut ? tip : std::string();
}

void Win32Renderer::AppendLine(TMemo& memo, HWND window)
{
    // Appended rather than set anew, and scrolled to: a log shows its newest line.
    const std::string line = (memo.Lines().size() > 1 ? "\r\n" : "") + memo.Lines().back();
    const int length = GetWindowTextLengthA(window);
    SendMessageA(window, EM_SETSEL, length, length);
    SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(window, EM_SCROLLCARET, 0, 0);
}

int Win32Renderer::TextWidth(HWND window, const std::string& text) const
{
    HDC dc = GetDC(window);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(window, dc);
    return size.cx;
}

void Win32Renderer::FillCheckList(TCheckListBox& list)
{
    HWND window = WindowOf(&list);
    if (!window)
        return;
    filling_ = true;
    ListView_DeleteAllItems(window);
    for (int row = 0; row < list.Count(); ++row) {
        LVITEMA line = {};
        line.mask = LVIF_TEXT;
        line.iItem = row;
        line.pszText = const_cast<char*>(list.Lines()[row].Text.c_str());
        SendMessageA(window, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&line));
        ListView_SetCheckState(window, row, list.Lines()[row].Checked);
    }
    filling_ = false;
}

void Win32Renderer::FillStatusBar(TControl& control)
{
    auto& bar = static_cast<TStatusBar&>(control);
    HWND window = WindowOf(&bar);
    if (!window)
        return;
    SendMessageA(window, SB_SIMPLE, bar.SimplePanel, 0);
    RECT client;
    GetClientRect(window, &client);
    const int barWidth = client.right;
    const int padding = Scale(StatusTextPadding);
    // A text longer than its panel ends in "..." (a path loses its middle) instead of
    // running on under the next panel.
    const auto fitted = [&](const std::string& text, int width) {
        return FitWithEllipsis(text, width - padding, [&](const std::string& part) { return TextWidth(window, part); });
    };
    if (bar.SimplePanel) {
        const std::string text = fitted(bar.SimpleText(), barWidth);
        SendMessageA(window, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    const int count = bar.PanelCount();
    if (count == 0)
        return;
    std::vector<int> widths;
    for (int i = 0; i < count; ++i) {
        int width = Scale(bar.PanelWidth(i));
        if (!bar.PanelFitText(i).empty())
            width = std::max(width, TextWidth(window, bar.PanelFitText(i)) + padding);
        widths.push_back(width);
    }
    // The last panel takes the rest of the bar; when that is less than its fit text
    // needs, the first panel gives up the difference.
    int others = 0;
    for (int i = 0; i + 1 < count; ++i)
        others += widths[i];
    const int lastNeeds = bar.PanelFitText(count - 1).empty() ? 0 : widths[count - 1];
    if (count > 1 && others + lastNeeds > barWidth) {
        const int shrunk = std::max(Scale(40), widths[0] - (others + lastNeeds - barWidth));
        others -= widths[0] - shrunk;
        widths[0] = shrunk;
    }
    widths[count - 1] = std::max(0, barWidth - others);
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < count; ++i) {
        right += widths[i];
        edges.push_back(i + 1 == count ? -1 : right);
    }
    SendMessageA(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < count; ++i) {
        const std::string text = fitted(bar.PanelText(i), widths[i]);
        SendMessageA(window, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void Win32Renderer::Update(TComponent& component, Aspect aspect)
{
    HWND window = WindowOf(&component);
    auto* control = dynamic_cast<TControl*>(&component);
    if (!window || !control)
        return;
    switch (aspect) {
    case Aspect::Caption:
        if (auto frame = frames_.find(&component); frame != frames_.end())
            SetWindowTextA(frame->second, control->Caption().c_str());
        else if (auto* pages = dynamic_cast<TPageControl*>(control->Parent());
                 pages && dynamic_cast<TTabSheet*>(control)) {
            const auto& sheets = pages->Sheets();
            for (size_t i = 0; i < sheets.size(); ++i)
                if (sheets[i] == control) {
                    TCITEMA tab = {};
                    tab.mask = TCIF_TEXT;
                    tab.pszText = const_cast<char*>(control->Caption().c_str());
                    SendMessageA(WindowOf(pages), TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&tab));
                }
        } else if (!dynamic_cast<TMemo*>(control))
            SetWindowTextA(window, control->Caption().c_str());
        break;
    case Aspect::Enabled:
        EnableWindow(window, control->Enabled());
        if (!control->Enabled() && !dynamic_cast<TForm*>(control))
            RefocusIfLost(*control, window);
        break;
    case Aspect::Visible:
        if (dynamic_cast<TForm*>(control) && control->Visible()) {
            ShowWindow(window, SW_SHOW);
            BringToFront(window);
        } else {
            ShowWindow(window, control->Visible() ? SW_SHOW : SW_HIDE);
            // Pages are switched as a whole; their notebook looks after the focus then.
            if (!control->Visible() && !dynamic_cast<TForm*>(control) && !dynamic_cast<TPage*>(control) &&
                !dynamic_cast<TTabSheet*>(control))
                RefocusIfLost(*control, window);
        }
        break;
    case Aspect::Front:
        if (dynamic_cast<TForm*>(control) && IsWindowVisible(window))
            BringToFront(window);
        break;
    case Aspect::Bounds:
        if (!dynamic_cast<TForm*>(control) && !dynamic_cast<TTabSheet*>(control))
            MoveWindow(window, Scale(control->Left), Scale(control->Top), Scale(control->Width), Scale(control->Height),
                       TRUE);
        break;
    case Aspect::Items:
    case Aspect::Checked:
    case Aspect::Selection:
        if (auto* memo = dynamic_cast<TMemo*>(control)) {
            SetWindowTextA(window, MemoText(*memo).c_str());
        } else if (auto* list = dynamic_cast<TCheckListBox*>(control)) {
            FillCheckList(*list);
        } else if (auto* view = dynamic_cast<TListView*>(control)) {
            FillListView(*view);
        } else if (auto* box = dynamic_cast<TCheckBox*>(control)) {
            SendMessageA(window, BM_SETCHECK, box->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        break;
    case Aspect::LineAdded:
        if (auto* memo = dynamic_cast<TMemo*>(control); memo && !memo->Lines().empty())
            AppendLine(*memo, window);
        break;
    case Aspect::Panels:
        FillStatusBar(*control);
        break;
    case Aspect::Position:
        if (auto* bar = dynamic_cast<TProgressBar*>(control))
            SendMessageA(window, PBM_SETPOS, bar->Position(), 0);
        break;
    case Aspect::Page:
        if (auto* pages = dynamic_cast<TPageControl*>(control))
            TabCtrl_SetCurSel(window, pages->ActivePageIndex());
        RefocusIfLost(*control, nullptr);
        break;
    case Aspect::Hint:
    case Aspect::Timer:
        break;
    }
}
