#include "scan/MainWindowCleaningView.h"

#include "platform/LocalTime.h"
#include "reports/ReportCommands.h"
#include "shell/TForm1.h"
#include "ui/Application.h"

void MainWindowCleaningView::Log(const std::string& line)
{
    context_.Form1->AddLogLine(line);
}

void MainWindowCleaningView::Status(const std::string& text)
{
    context_.Form1->SetStatus(text);
}

void MainWindowCleaningView::SendLog()
{
    SendLogFromMainWindow(context_);
}

std::string MainWindowCleaningView::Now()
{
    return LongTimeText();
}

bool MainWindowCleaningView::LineChecked(int index)
{
    return context_.Form1->AlertLineChecked(index);
}

void MainWindowCleaningView::SetLine(int index, const std::string& text)
{
    context_.Form1->SetAlertLine(index, text);
}

void MainWindowCleaningView::Pump()
{
    context_.App.ProcessMessages();
}

void MainWindowCleaningView::SetCleanTimer(bool on)
{
    context_.Form1->SetCleanTimer(on);
}

void MainWindowCleaningView::SetRunning(bool running)
{
    context_.Form1->SetScanning(running);
}

void MainWindowCleaningView::SetFixEnabled(bool on)
{
    context_.Form1->SetFixEnabled(on);
}

void MainWindowCleaningView::ShowError(const std::string& text)
{
    context_.App.ShowMessageBox(text, context_.Text(Msg::ErrorCaption), mbOk | mbIconError);
}

void MainWindowCleaningView::ShowInformation(const std::string& text)
{
    context_.App.ShowMessageBox(text, context_.Text(Msg::InformationCaption), mbOk | mbIconInformation);
}

bool MainWindowCleaningView::Ask(const std::string& text)
{
    return context_.App.Confirm(text, context_.Text(Msg::QuestionCaption));
}

void FixCommand(AppContext& context)
{
    if (!context.Form1->FixEnabled())
        return;
    MainWindowCleaningView view(context);
    FixWithQuestion(context.State, view);
}

void QuarantineCommand(AppContext& context)
{
    if (!context.Form1->FixEnabled())
        return;
    MainWindowCleaningView view(context);
    if (view.Ask(context.Text(Msg::AddToQuarantineQuestion)))
        QuarantineAlerts(context.State, context.Quarantine, view);
}
