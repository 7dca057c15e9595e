#include "core/StartupCommand.h"
#include "shell/TForm1.h"
#include "systools/Services.h"
#include "systools/SystemToolPages.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"

namespace {

TListItem ItemOf(const ServiceRow& row, bool withImage)
{
    TListItem item{row.Caption, row.SubItems};
    if (withImage)
        item.ImageIndex = row.NonMicrosoft ? TfrmMain::ImgNonMicrosoft : TfrmMain::ImgService;
    return item;
}

ServiceRow RowOf(const TListItem& item)
{
    return ServiceRow{item.Caption, item.SubItems, item.ImageIndex == TfrmMain::ImgNonMicrosoft};
}

void ShowCells(TListView& list, int index, const ServiceRow& row)
{
    TListItem item = list.Item(index);
    item.SubItems = row.SubItems;
    list.SetItem(index, std::move(item));
}

// One service command on a list's selected row: the cell it changes is blank while
// the command runs and the list is off, as the service may take a while.
using RowCommand = std::function<bool(ServiceRow&)>;
void RunOnSelectedRow(TListView& list, size_t cell, const RowCommand& command)
{
    const int index = list.SelectedIndex();
    if (index < 0)
        return;
    ServiceRow row = RowOf(list.Item(index));
    if (row.SubItems.size() > cell) {
        ServiceRow blank = row;
        blank.SubItems[cell].clear();
        ShowCells(list, index, blank);
    }
    list.SetEnabled(false);
    command(row);
    ShowCells(list, index, row);
    list.SetEnabled(true);
}

// The manager window's service buttons follow the selected row.
void ShowServiceButtons(TfrmMain& form)
{
    const int index = form.ListView2->SelectedIndex();
    ServiceRow row;
    if (index >= 0)
        row = RowOf(form.ListView2->Item(index));
    const ServiceButtons buttons = ChangeCmdStatus(index >= 0, index >= 0 ? &row : nullptr);
    form.cmdServiceStart->SetEnabled(buttons.Start);
    form.cmdServiceStop->SetEnabled(buttons.Stop);
    form.cmdServiceRestart->SetEnabled(buttons.Restart);
    form.cmdServiceChangeStartupMode->SetEnabled(buttons.StartupMode);
}

void RunManagerCommand(TfrmMain& form, size_t cell, const RowCommand& command)
{
    for (TButton* button :
         {form.cmdServiceStart, form.cmdServiceStop, form.cmdServiceRestart, form.cmdServiceChangeStartupMode})
        button->SetEnabled(false);
    RunOnSelectedRow(*form.ListView2, cell, command);
    ShowServiceButtons(form);
}

constexpr size_t StatusCell = 1, StartupTypeCell = 2;

void WireManagerTab(AppContext& context)
{
    TfrmMain& form = *context.frmMain;
    form.ListView2->OnSelectItem = [&form](int, bool) { ShowServiceButtons(form); };
    form.cmdServiceStart->OnClick = [&form] {
        RunManagerCommand(form, StatusCell, [](ServiceRow& row) { return StartServiceRow(row); });
    };
    form.cmdServiceStop->OnClick = [&form] {
        RunManagerCommand(form, StatusCell, [](ServiceRow& row) { return StopServiceRow(row); });
    };
    form.cmdServiceRestart->OnClick = [&form] {
        RunManagerCommand(form, StatusCell, [](ServiceRow& row) { return RestartServiceRow(row); });
    };
    form.cmdServiceChangeStartupMode->OnClick = [&form] { form.PopupMenu2->PopupAtCursor(form.ListView2); };
    for (TMenuItem* item : {form.mnuAutomatic, form.mnuManual, form.mnuDisabled})
        item->OnClick = [&form, item] {
            const std::string caption = item->Caption();
            RunManagerCommand(form, StartupTypeCell,
                              [&caption](ServiceRow& row) { return ChangeStartTypeRow(row, caption); });
        };
    form.ListView2->OnDblClick = [&context, &form] {
        const int index = form.ListView2->SelectedIndex();
        if (index >= 0 && context.Env.ShowProperties)
            context.Env.ShowProperties(ServicePropertiesFile(RowOf(form.ListView2->Item(index)).Path()));
    };
}

// Page 5 keeps its buttons enabled; the companion service is left alone there too,
// as the manager window never starts or stops it.
void RunPageCommand(AppContext& context, const RowCommand& command)
{
    TListView& list = *context.Form1->ListView2;
    const int index = list.SelectedIndex();
    if (index < 0 || list.Item(index).Caption == CompanionServiceName)
        return;
    RunOnSelectedRow(list, StatusCell, command);
}

void WireServicePage(AppContext& context)
{
    TForm1& form = *context.Form1;
    form.xpButton10->OnClick = [&context] {
        RunPageCommand(context,
                       [&context](ServiceRow& row) { return StartServiceRow(row, context.Text(Msg::ServiceRunning)); });
    };
    form.xpButton9->OnClick = [&context] {
        RunPageCommand(context,
                       [&context](ServiceRow& row) { return StopServiceRow(row, context.Text(Msg::ServiceStopped)); });
    };
    form.xpButton11->OnClick = [&context] {
        RunPageCommand(context, [&context](ServiceRow& row) {
            return RestartServiceRow(row, context.Text(Msg::ServiceStopped), context.Text(Msg::ServiceRunning));
        });
    };
    form.xpButton12->OnClick = [&context] { LoadManagerWindow(context, context.Text(Msg::CannotGetServiceList)); };
}

} // namespace

void FillServiceLists(AppContext& context, const std::string& failureText)
{
    TListView& manager = *context.frmMain->ListView2;
    TListView& page = *context.Form1->ListView2;
    manager.Clear();
    page.Clear();
    ShowServiceButtons(*context.frmMain);
    std::vector<std::string> paths;
    for (const ServiceRow& row : ServiceListRows(failureText, [&context] { context.App.ProcessMessages(); })) {
        manager.Add(ItemOf(row, true));
        page.Add(ItemOf(row, false));
        paths.push_back(row.Path());
    }
    context.State.Pages.ServiceImagePaths = std::move(paths); // the quick scan takes them from here
}

void WireServiceLists(AppContext& context)
{
    WireManagerTab(context);
    WireServicePage(context);
}
