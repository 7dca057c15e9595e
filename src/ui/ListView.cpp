#include "ui/ListView.h"

#include <stdexcept>

#include "core/TextHelpers.h"

const TListItem& TListView::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("list view index out of bounds (" + std::to_string(index) + ")");
    return items_[index];
}

int TListView::Add(TListItem item)
{
    int at = Count();
    if (SortByText) {
        const std::string key = LowerCase(item.Caption);
        at = 0;
        while (at < Count() && LowerCase(items_[at].Caption) <= key)
            ++at;
    }
    items_.insert(items_.begin() + at, std::move(item));
    Notify(Aspect::Items);
    return at;
}

void TListView::Delete(int index)
{
    Item(index);
    items_.erase(items_.begin() + index);
    Notify(Aspect::Items);
}

void TListView::Clear()
{
    items_.clear();
    Notify(Aspect::Items);
}

void TListView::SetItem(int index, TListItem item)
{
    Item(index);
    item.Selected = items_[index].Selected;
    items_[index] = std::move(item);
    Notify(Aspect::Items);
}

void TListView::SetCaption(int index, const std::string& caption)
{
    Item(index);
    items_[index].Caption = caption;
    Notify(Aspect::Items);
}

void TListView::SetChecked(int index, bool on)
{
    Item(index);
    items_[index].Checked = on;
    Notify(Aspect::Checked);
}

void TListView::SetSelectedIndex(int index)
{
    for (int i = 0; i < Count(); ++i)
        items_[i].Selected = i == index;
    Notify(Aspect::Selection);
}

int TListView::SelectedIndex() const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i].Selected)
            return i;
    return -1;
}

void TListView::UserSelect(int index)
{
    if (!Enabled())
        return;
    UserMoveSelection(index);
    UserClick();
}

void TListView::UserClick()
{
    if (Enabled() && OnClick)
        OnClick();
}

void TListView::UserMoveSelection(int index)
{
    if (!Enabled())
        return;
    const int before = SelectedIndex();
    if (before != index) {
        SetSelectedIndex(index);
        if (OnSelectItem && before >= 0)
            OnSelectItem(before, false);
        if (OnSelectItem && index >= 0)
            OnSelectItem(index, true);
    }
}

void TListView::UserCheck(int index, bool on)
{
    if (!Enabled() || !CheckBoxes)
        return;
    Item(index);
    if (items_[index].Checked == on)
        return;
    SetChecked(index, on);
    if (OnItemChecked)
        OnItemChecked(index);
}

void TListView::UserDoubleClick(int index)
{
    if (!Enabled())
        return;
    UserSelect(index);
    if (OnDblClick)
        OnDblClick();
}
