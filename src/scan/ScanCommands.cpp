#include "scan/ScanCommands.h"

#include "platform/LocalTime.h"
#include "reports/ReportCommands.h"
#include "scan/FullScanWindow.h"
#include "scan/RunQuickScan.h"
#include "shell/Commands.h"
#include "shell/TForm1.h"
#include "systools/SystemToolPages.h"
#include "ui/Application.h"

namespace {

const char CR[] = "\r";

// The scan as the main window shows it, through the window's own intents.
class MainWindowScanView : public QuickScanWindow {
public:
    explicit MainWindowScanView(AppContext& context) : context_(context), form_(*context.Form1) {}
    void Log(const std::string& line) override { form_.AddLogLine(line); }
    int AlertLineCount() override { return form_.AlertLineCount(); }
    void AddAlertLine(const std::string& text) override { form_.AddAlertLine(text); }
    void Report(const std::string& line) override { WriteReportLine(context_.State, line); }
    std::string Now() override { return LongTimeText(); }
    void Status(const std::string& text) override { form_.SetStatus(text); }
    void ClearLog() override { form_.ClearLog(); }
    void ClearAlertLines() override { form_.ClearAlertList(); }
    void ShowScanningLine() override { form_.ShowScanningLine(); }
    void RemoveScanningLine() override { form_.RemoveScanningLine(); }
    void AddCleanLine(const std::string& text) override { form_.AddDisabledAlertLine(text); }
    void SetScanning(bool scanning) override { form_.SetScanning(scanning); }
    void SetFixEnabled(bool on) override { form_.SetFixEnabled(on); }
    void RefreshStartupPrograms() override { RefreshStartupFilesPage(context_); }
    void Pump() override { context_.App.ProcessMessages(); }

private:
    AppContext& context_;
    TForm1& form_;
};

class MainWindowQuestions : public ScanQuestions {
public:
    explicit MainWindowQuestions(AppContext& context) : context_(context) {}
    bool AskAlert(const std::string& text) override
    {
        return context_.App.ShowMessageBox(text, context_.Text(Msg::AlertCaption), mbYesNo | mbIconInformation) ==
               idYes;
    }
    void Inform(const std::string& text) override
    {
        context_.App.ShowMessageBox(text, context_.Text(Msg::InformationCaption), mbOk | mbIconInformation);
    }
    bool Ask(const std::string& text) override
    {
        return context_.App.Confirm(text, context_.Text(Msg::QuestionCaption));
    }
    void StartFullScan() override { ShowFullScanWindow(context_); }
    void SendLog() override { SendLogFromMainWindow(context_); }

private:
    AppContext& context_;
};

} // namespace

void QuickScan(AppContext& context)
{
    MainWindowScanView view(context);
    MainWindowQuestions questions(context);
    RunQuickScan(context.State, view, questions);
}

void Button1Click(AppContext& context)
{
    if (context.App.Confirm(context.Text(Msg::ScanQuestion) + CR + CR + context.Text(Msg::ImportantNote) + CR +
                                context.Text(Msg::CloseBrowsersNote),
                            context.Text(Msg::QuestionCaption)))
        QuickScan(context);
}

void WireScanCommands(AppContext& context)
{
    context.Form1->Button1->OnClick = [&context] { Button1Click(context); };
}
