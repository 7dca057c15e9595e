#include "scan/ScanCommands.h"

#include "platform/TimeText.h"
#include "scan/FolderPlaceholders.h"
#include "scan/FullScanWindow.h"
#include "scan/LiveProcessAccess.h"
#include "scan/QuickScan.h"
#include "scan/RecordMachineLive.h"
#include "shell/Commands.h"
#include "shell/TForm1.h"
#include "systools/IniFiles.h"
#include "systools/Services.h"
#include "systools/StartupPrograms.h"
#include "systools/StartupValuesPage.h"
#include "ui/Application.h"

namespace {

const char CR[] = "\r";

// The scan as the main window shows it: the log in Memo2, the alerts in List1.
class MainWindowScanView : public QuickScanView {
public:
    explicit MainWindowScanView(TForm1& form) : form_(form) {}
    void Log(const std::string& line) override { form_.Memo2->Add(line); }
    int AlertLineCount() override { return form_.List1->Count(); }
    void AddAlertLine(const std::string& text) override { form_.List1->Add(text, true); }
    void Report(const std::string&) override {} // the report file comes with the full report
    std::string Now() override { return LongTimeText(); }
    void Status(const std::string& text) override { form_.sb1->SetPanelText(0, text); }

private:
    TForm1& form_;
};

void SetScanning(TForm1& form, bool scanning)
{
    form.Button1->SetEnabled(!scanning);
    form.Button3->SetEnabled(scanning);
    form.Button6->SetVisible(!scanning);
}

void PrepareStartupData(AppContext& context)
{
    SharedState& state = context.State;
    TForm1& form = *context.Form1;
    try {
        RefreshStartupRecords(state);
        CollectStartupLocations(state, CurrentStartupSources(state.Messages),
                                [&form](const std::string& path) { form.sb1->SetPanelText(0, path); },
                                [&context] { context.App.ProcessMessages(); });
    } catch (const std::exception&) {
        form.sb1->SetPanelText(0, state.Messages.Text(Msg::InitializeError));
    }
}

void EndScan(AppContext& context)
{
    SharedState& state = context.State;
    const MessageTable& m = state.Messages;
    TForm1& form = *context.Form1;
    TApplication& app = context.App;
    const std::string now = LongTimeText();

    if (state.ScanFoundAny) {
        form.Button2->SetEnabled(true);
        form.xpButton5->SetEnabled(true);
        const int count = form.List1->Count() - 1;
        form.Memo2->Add(now + ": " + std::to_string(count) + m.Text(Msg::DangerousFilesFound));
        form.Memo2->Add(m.Text(Msg::ClickFixToFix));
        // Yes hands over to the full scan window, which finishes the list and the buttons.
        if (app.ShowMessageBox(m.Text(Msg::YouHave) + std::to_string(count) + m.Text(Msg::DangerousVirusesByQuickReport) + CR + m.Text(Msg::FullScanQuestion), m.Text(Msg::AlertCaption),
                               mbYesNo | mbIconInformation) == idYes) {
            ShowFullScanWindow(context);
            return;
        }
        app.ShowMessageBox(m.Text(Msg::ClickFixByQuickReport), m.Text(Msg::InformationCaption), mbOk | mbIconInformation);
    } else {
        form.Memo2->Add(now + m.Text(Msg::ComputerCleanLine));
        form.List1->SetLineEnabled(form.List1->Add(m.Text(Msg::ComputerCleanListLine)), false);
        app.ShowMessageBox(m.Text(Msg::ComputerCleanOfThisKind), m.Text(Msg::InformationCaption), mbOk | mbIconInformation);
        form.Button2->SetEnabled(false);
        form.xpButton5->SetEnabled(false);
    }
    if (form.List1->Count() > 0) {
        form.List1->SetLineEnabled(0, true);
        form.List1->Delete(0);
    }
    SetScanning(form, false);
    form.sb1->SetPanelText(0, state.AbortRequested ? m.Text(Msg::ScanAborted) : m.Text(Msg::ScanFinished));
}

} // namespace

StartupSources CurrentStartupSources(const MessageTable& messages)
{
    StartupSources sources;
    sources.Processes = RunningProcessTexts();
    for (const StartupRow& entry : LoadStartupPrograms().Folders)
        sources.StartupFolderCommands.push_back(entry.Command);
    for (const ServiceRow& service : ServiceListRows(messages.Text(Msg::CannotGetServiceList)))
        sources.ServiceImagePaths.push_back(service.Path());
    std::vector<IniRow> drivers;
    if (ScanSystemINI("System.ini", drivers))
        for (const IniRow& driver : drivers)
            sources.SystemIniEntries.push_back(driver.Text);
    return sources;
}

void QuickScan(AppContext& context, bool keepList)
{
    SharedState& state = context.State;
    const MessageTable& m = state.Messages;
    TForm1& form = *context.Form1;

    form.Memo2->Clear();
    form.Memo2->Add(LongTimeText() + m.Text(Msg::ScanningPleaseWait));
    ResetScanState(state);
    if (!keepList)
        form.List1->Clear();
    if (!state.ReportMode) {
        form.List1->SetLineEnabled(form.List1->Add(m.Text(Msg::ScanningLine)), false);
        form.Button2->SetEnabled(false);
        form.xpButton5->SetEnabled(false);
        SetScanning(form, true);
        form.sb1->SetPanelText(0, m.Text(Msg::InitializingSettings));
        PrepareStartupData(context);
    }

    MainWindowScanView view(form);
    LiveRecordMachine machine(state.StartupEntries, LiveProcessAccess(), [&context] { context.App.ProcessMessages(); },
                              state.AbortRequested);
    ScanRecords(state, machine, MachineRootFolders(), MachineFolder, view);
    if (!state.ReportMode)
        EndScan(context);
}

void Button1Click(AppContext& context)
{
    const MessageTable& m = context.State.Messages;
    if (context.App.Confirm(m.Text(Msg::ScanQuestion) + CR + CR + m.Text(Msg::ImportantNote) + CR + m.Text(Msg::CloseBrowsersNote), m.Text(Msg::QuestionCaption)))
        QuickScan(context, false);
}

void WireScanCommands(AppContext& context)
{
    context.Form1->Button1->OnClick = [&context] { Button1Click(context); };
}
