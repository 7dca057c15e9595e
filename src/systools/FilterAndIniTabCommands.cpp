#include "core/UpperFilters.h"
#include "systools/IniFiles.h"
#include "systools/KeyboardFilters.h"
#include "systools/SystemToolPages.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"

namespace {

const char SystemIni[] = "System.ini";
const char WinIni[] = "Win.ini";

TListView& IniList(TfrmMain& form, const std::string& fileName)
{
    return fileName == SystemIni ? *form.ListView4 : *form.ListView5;
}

// After the user ticked a line's box: comment the line out or in, then read the
// file again so the list shows what it now holds.
void ApplyCheck(AppContext& context, const std::string& fileName, int index)
{
    const TListItem& item = IniList(*context.frmMain, fileName).Item(index);
    ApplyIniCheck(fileName, IniRow{item.Caption, item.Checked});
    ScanIniList(context, fileName);
}

} // namespace

void ScanKeyboardFilterList(AppContext& context)
{
    TListView& list = *context.frmMain->ListView3;
    list.Clear();
    for (const KeyboardFilterRow& row : ScanKeyboardFilterDriver())
        list.Add(TListItem{row.Name, {row.Path}});
    if (list.Count() == 0)
        list.Add(TListItem{NoKeyboardFilterText, {}});
}

void ScanIniList(AppContext& context, const std::string& fileName)
{
    std::vector<IniRow> rows;
    if (!ScanSystemINI(fileName, rows)) {
        context.App.ShowMessageBox(WindowsFolderErrorText, ScanIniCaption, mbIconWarning);
        return;
    }
    TListView& list = IniList(*context.frmMain, fileName);
    list.Clear();
    list.CheckBoxes = !rows.empty();
    for (const IniRow& row : rows) {
        TListItem item{row.Text, {}};
        item.Checked = row.Checked;
        list.Add(std::move(item));
    }
    if (rows.empty())
        list.Add(TListItem{NoAdditionalDriverText, {}});
    if (fileName == SystemIni) {
        std::vector<std::string> entries; // the quick scan takes them from here
        for (const IniRow& row : rows)
            entries.push_back(row.Text);
        context.State.Pages.SystemIniEntries = std::move(entries);
    }
}

void RemoveKeyboardFilter(AppContext& context)
{
    TListView& list = *context.frmMain->ListView3;
    const int index = list.SelectedIndex();
    if (index < 0 || list.Item(index).SubItems.empty())
        return;
    const TListItem& item = list.Item(index);
    const KeyboardFilterRow row{item.Caption, item.SubItems[0]};
    const bool removed = DelKBf(row, [&context](const std::string& question) {
        return context.App.ShowMessageBox(question, DelKBfCaption, mbYesNo | mbIconQuestion | mbDefButton2) == idYes;
    });
    if (removed)
        ScanKeyboardFilterList(context);
}

void WireSpecialKeyTab(AppContext& context)
{
    TfrmMain& form = *context.frmMain;
    form.ListView4->OnItemChecked = [&context](int index) { ApplyCheck(context, SystemIni, index); };
    form.ListView5->OnItemChecked = [&context](int index) { ApplyCheck(context, WinIni, index); };
    for (TListView* list : {form.ListView3, form.ListView4, form.ListView5})
        list->OnKeyDown = [](int) { return true; };
}

void LoadSpecialKeyTab(AppContext& context)
{
    ScanKeyboardFilterList(context);
    ScanIniList(context, SystemIni);
    ScanIniList(context, WinIni);
}
