#include "scan/MainWindowCleaningView.h"

#include "platform/TimeText.h"
#include "shell/TForm1.h"
#include "ui/Application.h"

void MainWindowCleaningView::Log(const std::string& line)
{
    context_.Form1->Memo2->Add(line);
}

void MainWindowCleaningView::Status(const std::string& text)
{
    context_.Form1->sb1->SetPanelText(0, text);
}

std::string MainWindowCleaningView::Now()
{
    return LongTimeText();
}

bool MainWindowCleaningView::LineChecked(int index)
{
    const TCheckListBox& list = *context_.Form1->List1;
    return index >= 0 && index < list.Count() && list.Lines()[static_cast<size_t>(index)].Checked;
}

void MainWindowCleaningView::SetLine(int index, const std::string& text)
{
    TCheckListBox& list = *context_.Form1->List1;
    if (index >= 0 && index < list.Count())
        list.SetText(index, text);
}

void MainWindowCleaningView::Pump()
{
    context_.App.ProcessMessages();
}

void MainWindowCleaningView::SetCleanTimer(bool on)
{
    context_.Form1->Timer1->SetEnabled(on);
}

void MainWindowCleaningView::SetRunning(bool running)
{
    TForm1& form = *context_.Form1;
    form.Button3->SetEnabled(running);
    form.Button1->SetEnabled(!running);
    form.Button6->SetVisible(!running);
}

void MainWindowCleaningView::SetFixEnabled(bool on)
{
    context_.Form1->Button2->SetEnabled(on);
    context_.Form1->xpButton5->SetEnabled(on);
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
    if (!context.Form1->Button2->Enabled())
        return;
    MainWindowCleaningView view(context);
    FixWithQuestion(context.State, view);
}

void QuarantineCommand(AppContext& context)
{
    if (!context.Form1->Button2->Enabled())
        return;
    MainWindowCleaningView view(context);
    if (view.Ask(context.Text(Msg::AddToQuarantineQuestion)))
        QuarantineAlerts(context.State, context.Quarantine, view);
}
