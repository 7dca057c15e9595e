#include "systools/SystemToolPages.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"

namespace {

enum Tab { StartupTab, ServicesTab, SpecialKeyTab };

bool HasSelection(const TListView& list)
{
    return list.SelectedIndex() >= 0;
}

// The list the shared menu was opened over, the one that has the focus then.
bool OpenedOver(const TfrmMain& form, const TListView* list)
{
    return form.PopupMenu1->PopupComponent() == list;
}

void PopupMenu1Popup(TfrmMain& form)
{
    bool enabled = false;
    switch (form.PageControl->ActivePageIndex()) {
    case StartupTab:
        enabled = OpenedOver(form, form.ListView1) ? HasSelection(*form.ListView1) : HasSelection(*form.ListView1_2);
        break;
    case SpecialKeyTab: {
        const int index = form.ListView3->SelectedIndex();
        enabled = index >= 0 && !form.ListView3->Item(index).SubItems.empty();
        break;
    }
    default:
        return;
    }
    form.mnuInf->Enabled = enabled;
    form.mnuDel->Enabled = enabled;
}

void mnuDelClick(AppContext& context)
{
    TfrmMain& form = *context.frmMain;
    if (form.PageControl->ActivePageIndex() == SpecialKeyTab)
        RemoveKeyboardFilter(context);
    else if (OpenedOver(form, form.ListView1))
        RemoveStartupEntry(context, *form.ListView1);
    else if (OpenedOver(form, form.ListView1_2))
        RemoveStartupEntry(context, *form.ListView1_2);
}

// The file a row's "&Detail Information" shows: a registry row's program file, a
// folder row's shortcut target, a filter's driver file.
std::string DetailFile(TfrmMain& form)
{
    auto cell = [](const TListView& list, size_t at) {
        const int index = list.SelectedIndex();
        if (index < 0 || list.Item(index).SubItems.size() <= at)
            return std::string();
        return list.Item(index).SubItems[at];
    };
    if (form.PageControl->ActivePageIndex() == SpecialKeyTab)
        return cell(*form.ListView3, 0);
    if (OpenedOver(form, form.ListView1))
        return cell(*form.ListView1, 2);
    return cell(*form.ListView1_2, 0);
}

void mnuInfClick(AppContext& context)
{
    const std::string file = DetailFile(*context.frmMain);
    if (!file.empty() && context.Env.ShowProperties)
        context.Env.ShowProperties(file);
}

} // namespace

void WireManagerWindow(AppContext& context)
{
    TfrmMain& form = *context.frmMain;
    form.PopupMenu1->OnPopup = [&form] { PopupMenu1Popup(form); };
    form.mnuDel->OnClick = [&context] { mnuDelClick(context); };
    form.mnuInf->OnClick = [&context] { mnuInfClick(context); };
    // TrapMSG: the end-program message closes the whole program in order.
    form.OnMessage = [&context](unsigned message) {
        if (message != EndProgramMessage)
            return false;
        context.App.Terminate();
        return true;
    };
}

void LoadManagerWindow(AppContext& context, const std::string& serviceFailureText)
{
    LoadStartupTab(context);
    LoadSpecialKeyTab(context);
    FillServiceLists(context, serviceFailureText);
}
