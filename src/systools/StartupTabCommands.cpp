#include "core/StartupTags.h"
#include "platform/FileIcons.h"
#include "systools/StartupPrograms.h"
#include "systools/SystemToolPages.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"

namespace {

// Sub-items of a startup row.
constexpr size_t CommandCell = 0, LocationCell = 1, FileCell = 2;

// The image of a program's first icon, added once per file so reloading the lists
// does not grow the image list; image 0 when the file has no icon.
int IconOf(TImageList& images, const std::string& file)
{
    const std::vector<std::string>& known = images.Images();
    for (size_t i = TfrmMain::ImgNonMicrosoft + 1; i < known.size(); ++i)
        if (known[i] == file)
            return static_cast<int>(i);
    return FileHasIcon(file) ? images.Add(file) : TfrmMain::ImgProgram;
}

TListItem ItemOf(const StartupRow& row, TImageList& images, const std::string& iconFile)
{
    TListItem item{row.Caption, {row.Command, row.Location, row.File}};
    item.Checked = row.Checked;
    item.Enabled = row.Enabled;
    item.ImageIndex = IconOf(images, iconFile);
    return item;
}

StartupRow RowOf(const TListItem& item)
{
    StartupRow row;
    row.Caption = item.Caption;
    if (item.SubItems.size() > FileCell) {
        row.Command = item.SubItems[CommandCell];
        row.Location = item.SubItems[LocationCell];
        row.File = item.SubItems[FileCell];
    }
    row.Checked = item.Checked;
    row.Enabled = item.Enabled;
    return row;
}

// Registry rows show the icon of their program file, folder rows that of their command.
void ShowRows(TListView& list, const std::vector<StartupRow>& rows, bool iconOfFile)
{
    list.Clear();
    if (rows.empty()) {
        list.CheckBoxes = false;
        list.Add(TListItem{NoStartupProgramText, {}});
        return;
    }
    for (const StartupRow& row : rows)
        list.Add(ItemOf(row, *list.SmallImages, iconOfFile ? row.File : row.Command));
}

// After the user ticked a registry row's box: move the value when the box differs
// from the row's state. The placeholder row has no sub-items and is left alone.
void ApplyCheck(TListView& list, int index)
{
    if (list.Item(0).SubItems.empty())
        return;
    StartupRow row = RowOf(list.Item(index));
    if (!ApplyStartupCheck(row))
        return;
    list.SetSelectedIndex(index);
    TListItem item = list.Item(index);
    item.Enabled = row.Enabled;
    list.SetItem(index, std::move(item));
}

} // namespace

void LoadStartupTab(AppContext& context)
{
    TfrmMain& form = *context.frmMain;
    const StartupLists lists = LoadStartupPrograms();
    form.ListView1->CheckBoxes = true;
    ShowRows(*form.ListView1, lists.Registry, true);
    ShowRows(*form.ListView1_2, lists.Folders, false);
    std::vector<std::string> commands; // the quick scan takes them from here
    for (const StartupRow& row : lists.Folders)
        commands.push_back(row.Command);
    context.State.Pages.StartupFolderCommands = std::move(commands);
}

void RemoveStartupEntry(AppContext& context, TListView& list)
{
    TfrmMain& form = *context.frmMain;
    const int index = list.SelectedIndex();
    if (index < 0 || list.Item(index).SubItems.empty())
        return;
    const StartupRow row = RowOf(list.Item(index));
    if (context.App.ShowMessageBox("Remove [" + row.Caption + "] from this list?", RemoveCaption,
                                   mbYesNo | mbIconQuestion | mbDefButton2) != idYes)
        return;
    // A row goes only once its entry is gone; a folder row deletes the shortcut, never its target.
    const bool removed = &list == form.ListView1 ? ChangeReg(row, true) : RemoveStartupFolderEntry(row);
    if (removed)
        list.Delete(index);
}

void WireStartupTab(AppContext& context)
{
    TfrmMain& form = *context.frmMain;
    TListView& registry = *form.ListView1;
    registry.OnItemChecked = [&registry](int index) { ApplyCheck(registry, index); };
    // The lists change only by mouse and menu, never from the keyboard.
    for (TListView* list : {form.ListView1, form.ListView1_2})
        list->OnKeyDown = [](int) { return true; };
}
