#include "reports/ReportCommands.h"

#include "platform/LocalTime.h"
#include "platform/ShellFolders.h"
#include "reports/FullReport.h"
#include "reports/SendLog.h"
#include "reports/TForm12.h"
#include "reports/WindowsVersion.h"
#include "scan/ScanCommands.h"
#include "shell/Commands.h"
#include "shell/TForm1.h"
#include "systools/SystemToolPages.h"
#include "ui/Application.h"

namespace {

// The report as the main window builds it: its own pages refresh and write.
class MainWindowReportView : public FullReportView {
public:
    explicit MainWindowReportView(AppContext& context) : context_(context) {}
    void ScanInReportMode() override { QuickScan(context_); }
    std::vector<std::string> RefreshProcesses(const LineSink& report) override
    {
        return RefreshProcessPage(context_, report);
    }
    void RefreshStartupRecords(const LineSink& report) override { RefreshStartupFilesPage(context_, report); }
    ReportLists ReloadLists() override
    {
        LoadManagerWindow(context_, context_.Text(Msg::CannotGetServiceList));
        return LoadReportLists(context_.State.Messages, [this] { Pump(); });
    }
    void Pump() override { context_.App.ProcessMessages(); }

private:
    AppContext& context_;
};

void FinishBuild(AppContext& context)
{
    context.State.ReportMode = false;
    context.Form1->SetReportBuilding(false);
}

void AbortBuild(AppContext& context)
{
    context.State.AbortRequested = true;
    ShowMessageRow(context.App, context.State.Messages, Msg::LogAborted, Msg::InformationCaption, mbIconInformation);
    FinishBuild(context);
}

class MainWindowSendLogView : public SendLogView {
public:
    explicit MainWindowSendLogView(AppContext& context) : context_(context) {}
    void Status(const std::string& text) override { context_.Form1->SetStatus(text); }
    void ShowError(const std::string& text) override
    {
        context_.App.ShowMessageBox(text, context_.Text(Msg::ErrorCaption), mbIconError);
    }
    void ShowInformation(const std::string& text) override
    {
        context_.App.ShowMessageBox(text, context_.Text(Msg::InformationCaption), mbIconInformation);
    }

private:
    AppContext& context_;
};

} // namespace

void SendLogFromMainWindow(AppContext& context)
{
    MainWindowSendLogView view(context);
    SendLog(context.State, context.Env.ProgramFolder, ReadServerAddress(LogServerValue, LogServerHost, LogServerPort),
            CurrentUserName(), view);
}

void BuildLogClick(AppContext& context)
{
    if (context.State.ReportMode) {
        AbortBuild(context);
        return;
    }
    context.Form12->Hide();
    if (context.App.Confirm(context.Text(Msg::BuildReportQuestion), context.Text(Msg::QuestionCaption))) {
        context.Form1->SetReportBuilding(true);
        const std::string path = context.Env.ProgramFolder + "Information.txt";
        const SYSTEMTIME now = LocalNow();
        MainWindowReportView view(context);
        const FullReportResult result = BuildFullReport(
            context.State, path,
            ReportHeaderLines(context.State.Messages, ShortDateText(now), LongTimeText(now), WindowsVersionName()),
            view);
        if (!result.Written)
            ShowMessageRow(context.App, context.State.Messages, Msg::ErrorWritingLog, Msg::ErrorCaption, mbIconError);
        else if (context.Env.OpenDocument)
            context.Env.OpenDocument(path);
    }
    FinishBuild(context);
}

void WireReportCommands(AppContext& context)
{
    TForm12& dialog = *context.Form12;
    SharedState& state = context.State;
    dialog.OnShow = [&context, &dialog] { dialog.GroupBox1->SetCaption(context.Text(Msg::BuildLogAbout)); };
    dialog.xpCheckBox1->OnClick = [&state, &dialog] { state.ReportStartupFiles = dialog.xpCheckBox1->Checked(); };
    dialog.xpCheckBox2->OnClick = [&state, &dialog] { state.ReportActiveServices = dialog.xpCheckBox2->Checked(); };
    dialog.xpCheckBox3->OnClick = [&state, &dialog] { state.ReportActiveProcesses = dialog.xpCheckBox3->Checked(); };
    dialog.xpCheckBox4->OnClick = [&state, &dialog] { state.ReportInfectedFiles = dialog.xpCheckBox4->Checked(); };
    dialog.xpButton1->OnClick = [&context] { BuildLogClick(context); };
    WireReportManager(context);
}
