#include "shell/TForm1.h"
#include "systools/StartupValuesPage.h"
#include "systools/SystemToolPages.h"
#include "ui/Application.h"

void RefreshStartupFilesPage(AppContext& context, const LineSink& report)
{
    RefreshStartupRecords(context.State, report);
    context.Form1->ShowStartupRecords(context.State.StartupRecords);
}

namespace {

void DeleteValues(AppContext& context)
{
    if (!context.App.Confirm(context.Text(Msg::DeleteValuesQuestion), context.Text(Msg::QuestionCaption)))
        return;
    DeleteStartupValues(context.State, context.Form1->CheckedStartupRows(), [&context](const std::string& message) {
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
