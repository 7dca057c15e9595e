#include "scan/FullScanWindow.h"

#include "core/PathText.h"
#include "platform/LocalTime.h"
#include "scan/Cleaning.h"
#include "scan/FullScan.h"
#include "scan/MainWindowCleaningView.h"
#include "scan/TForm3.h"
#include "shell/TForm1.h"
#include "ui/Application.h"

void ShowFullScanWindow(AppContext& context)
{
    context.Form3->Show();
}

void TForm3::BindCommands()
{
    OnShow = [this] { FormShow(); };
    OnClose = [this] { FormClose(); };
    xpButton2->OnClick = [this] { dsButton2Click(); };
    cList1->OnClickCheck = [this] { cList1ClickCheck(); };
    xpButton1->OnClick = [this] { xpButton1Click(); };
    xpButton3->OnClick = [this] { xpButton3Click(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TForm3::FormShow()
{
    abortPressed_ = false;
    cleaningChosen_ = false;
    scanChosen_ = false;
    context_.Form1->SetEnabled(false);
    dsButton2Click();
    Memo1->SetText(context_.Text(Msg::FullScanAdvice));
}

void TForm3::dsButton2Click()
{
    SelectedDrives = LocalDrives(-1, FixedDrive);
    Label1->SetCaption(context_.Text(Msg::ScanDrives) + SelectedDrives);
    cList1->Clear();
    for (const std::string& root : SplitPathList(SelectedDrives))
        cList1->Add(root, true);
}

void TForm3::cList1ClickCheck()
{
    SelectedDrives.clear();
    for (const TCheckListBox::Line& line : cList1->Lines())
        if (line.Checked)
            SelectedDrives += line.Text + ";";
    Label1->SetCaption(context_.Text(Msg::ScanDrives) + SelectedDrives);
}

void TForm3::xpButton1Click()
{
    scanChosen_ = true;
    Timer1->SetEnabled(true);
    Close();
}

void TForm3::xpButton3Click()
{
    abortPressed_ = true;
    Timer1->SetEnabled(false);
    Close();
}

void TForm3::FormClose()
{
    context_.Form1->SetEnabled(true);
    // The close box counts as "Abort": otherwise the alert list would keep its
    // "Scanning..." line and the main window its scanning buttons.
    if (!scanChosen_ && !abortPressed_) {
        abortPressed_ = true;
        Timer1->SetEnabled(false);
    }
    if (abortPressed_ && !cleaningChosen_)
        AskAboutAbort();
}

void TForm3::AskAboutAbort()
{
    SharedState& state = context_.State;
    const std::string question = context_.Text(Msg::AbortFullScanQuestion) + "\r\r" + context_.Text(Msg::Note136) +
                                 "\r" + context_.Text(Msg::AbortFullScanWarning);
    if (context_.App.ShowMessageBox(question, context_.Text(Msg::ScanAlertCaption), mbYesNo | mbIconInformation) !=
        idYes) {
        abortPressed_ = false;
        state.AbortRequested = false;
        Timer1->SetEnabled(true);
        return;
    }
    MainWindowCleaningView view(context_);
    if (state.DetectionCount > 0 && view.Ask(context_.Text(Msg::CleanActiveAlertsQuestion))) {
        state.AbortRequested = false;
        cleaningChosen_ = true;
        context_.Form1->RemoveScanningLine();
        CleanAlerts(state, view);
        return;
    }
    // The quick scan left its "Scanning..." line for the full scan to take away.
    context_.Form1->RemoveScanningLine();
    view.SetRunning(false);
    view.SetFixEnabled(true);
    view.Status(context_.Text(state.AbortRequested ? Msg::ScanAborted : Msg::ScanFinished));
}

void TForm3::Timer1Timer()
{
    Timer1->SetEnabled(false);
    if (abortPressed_)
        return;
    context_.State.AbortRequested = false;
    RunFullScan(context_);
}

void RunFullScan(AppContext& context)
{
    SharedState& state = context.State;
    MainWindowCleaningView view(context);
    const std::string now = LongTimeText();
    view.Log(now + context.Text(Msg::ScanningPleaseWait));
    view.SetRunning(true);
    view.SetFixEnabled(false);

    FullScanEvents events;
    events.Log = [&view](const std::string& line) { view.Log(line); };
    events.Status = [&view](const std::string& text) { view.Status(text); };
    events.Pump = [&view] { view.Pump(); };
    events.Now = [] { return LongTimeText(); };
    WalkDrivesForCopies(context.Form3->SelectedDrives, FullScanSeeds(state.AlertRecords), state, events);

    view.SetFixEnabled(true);
    const std::string found =
        now + ": " + std::to_string(state.DetectionCount) + context.Text(Msg::DangerousFilesFound);
    if (state.AbortRequested) {
        view.Log(now + ": " + context.Text(Msg::ScanAbortLine));
        view.Log(found);
        view.Log(context.Text(Msg::ClickFixToFix));
    } else {
        view.Log(found);
        view.Log(context.Text(Msg::ClickFixToFix));
        context.App.ShowMessageBox(context.Text(Msg::YouHave) + std::to_string(state.DetectionCount) +
                                       context.Text(Msg::DangerousFilesClickFix),
                                   context.Text(Msg::AlertCaption), mbOk | mbIconInformation);
    }
    context.Form1->RemoveScanningLine();
    view.SetRunning(false);
    view.Status(context.Text(state.AbortRequested ? Msg::ScanAborted : Msg::ScanFinished));
}
