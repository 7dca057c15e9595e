#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/Component.h"

class TImageList;
class TPopupMenu;

struct TListItem {
    std::string Caption;
    std::vector<std::string> SubItems;
    bool Checked = false;
    bool Selected = false;
    int ImageIndex = -1;
    bool Enabled = true; // remembered state a window may keep per row
};

struct TListColumn {
    std::string Caption;
    int Width = 100;
};

// A report-style list. The model keeps the rows; renderers only show them.
class TListView : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TListView"; }

    std::vector<TListColumn> Columns;
    bool CheckBoxes = false;
    bool RowSelect = false;
    bool GridLines = false;
    bool ReadOnly = false;
    bool SortByText = false; // rows kept sorted by caption, ignoring case
    bool BoldFont = false;
    bool ShowColumnHeaders = true;
    TImageList* SmallImages = nullptr;
    TPopupMenu* PopupMenu = nullptr;

    const std::vector<TListItem>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const TListItem& Item(int index) const;
    // Adds a row (in sorted position when SortByText); returns its index.
    int Add(TListItem item);
    void Delete(int index);
    void Clear();
    // Replaces a row's content (its selection stays).
    void SetItem(int index, TListItem item);
    using TControl::SetCaption;
    void SetCaption(int index, const std::string& caption);
    void SetChecked(int index, bool on);
    // Program change of the selection (-1 for none): no event.
    void SetSelectedIndex(int index);
    int SelectedIndex() const;

    // User actions: click a row (selects it, firing OnSelectItem, then OnClick), move
    // the selection without a click (the keys, a right click: OnSelectItem only), click
    // into the list (OnClick), tick a box (fires OnItemChecked; the click that ticks it is
    // UserClick), double-click a row.
    void UserSelect(int index);
    void UserMoveSelection(int index);
    void UserClick();
    void UserCheck(int index, bool on);
    void UserDoubleClick(int index);

    std::function<void(int index, bool selected)> OnSelectItem;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    std::function<void(int index)> OnItemChecked;
    // Return true to swallow the key.
    std::function<bool(int key)> OnKeyDown;
    // A row's colours as it is drawn (blue-green-red); left as given, the list's own.
    std::function<void(int index, uint32_t& background, uint32_t& text)> OnCustomDrawItem;

private:
    std::vector<TListItem> items_;
};
