#include "core/ProcessNames.h"
#include "shell/TForm1.h"
#include "systools/Processes.h"
#include "systools/SystemToolPages.h"
#include "ui/Application.h"

std::vector<std::string> RefreshProcessPage(AppContext& context, const LineSink& report)
{
    TForm1& form = *context.Form1;
    LineSink shown = report;
    if (report)
        shown = [&form, &report](const std::string& line) {
            form.SetStatus(line);
            report(line);
        };
    const std::vector<std::string> rows = ProcessPageRows(context.State.Messages, shown);
    form.ShowProcessRows(rows, ProcessCountCaption(context.State.Messages, static_cast<int>(rows.size())));
    return rows;
}

namespace {

void EndTask(AppContext& context)
{
    TForm1& form = *context.Form1;
    if (!context.App.Confirm(context.Text(Msg::TerminateProcessesQuestion), context.Text(Msg::QuestionCaption)))
        return;
    EndTaskForRows(form.CheckedProcessRows(), form.DeleteProcessFiles(), [&context](const std::string& row) {
        context.App.ShowMessageBox(context.Text(Msg::CannotDeleteProcess) + row, context.Text(Msg::ErrorCaption),
                                   mbIconError);
    });
    RefreshProcessPage(context);
}

} // namespace

void WireProcessPage(AppContext& context)
{
    TForm1& form = *context.Form1;
    form.Button12->OnClick = [&context] { RefreshProcessPage(context); };
    form.Button11->OnClick = [&context] { EndTask(context); };
}
