#include "shell/TForm1.h"
#include "systools/StartupValuesPage.h"
#include "systools/SystemToolPages.h"
#include "ui/Application.h"

void RefreshStartupFilesPage(AppContext& context, const LineSink& report)
{
    TForm1& form = *context.Form1;
    form.List3->Clear();
    RefreshStartupRecords(context.State, report);
    for (const StartupF& record : context.State.StartupRecords)
        form.List3->Add(TListItem{record.ValueName, {record.ValueData}});
}

namespace {

void DeleteValues(AppContext& context)
{
    TForm1& form = *context.Form1;
    if (!context.App.Confirm(context.Text(Msg::DeleteValuesQuestion), context.Text(Msg::QuestionCaption)))
        return;
    std::vector<std::pair<std::string, std::string>> checked;
    for (const TListItem& item : form.List3->Items())
        if (item.Checked)
            checked.emplace_back(item.Caption, item.SubItems.empty() ? std::string() : item.SubItems[0]);
    DeleteStartupValues(context.State, checked, [&context](const std::string& message) {
        context.App.ShowMessageBox(message, context.Text(Msg::ErrorCaption), mbIconError);
    });
    ShowMessageRow(context.App, context.State.Messages, Msg::ValuesDeleted, Msg::InformationCaption, mbIconInformation);
    RefreshStartupFilesPage(context);
}

} // namespace

void WireStartupFilesPage(AppContext& context)
{
    TForm1& form = *context.Form1;
    form.Button15->OnClick = [&context] { RefreshStartupFilesPage(context); };
    form.Button14->OnClick = [&context] { DeleteValues(context); };
}
