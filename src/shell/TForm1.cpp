#include "shell/TForm1.h"

#include <stdexcept>

#include "core/DatabaseText.h"
#include "core/WindowsVersionName.h"
#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "quarantine/TForm9.h"
#include "shell/TForm2.h"
#include "shell/TFormL.h"
#include "systools/TFormR.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"

namespace {
const char BugReportPage[] = "http://www.zentrova.example/pyrafix/report-bug.htm";
const char VirusReportPage[] = "http://www.zentrova.example/pyrafix/report-virus.htm";
const char DatabaseName[] = "files.dat";
} // namespace

void TForm1::ShowHintOnMove(TControl* control, Msg row)
{
    control->SetHint(context_.Text(row));
    control->OnMouseMove = [this, row] { sb1->SetPanelText(0, context_.Text(row)); };
}

// "Details" opens the manager window on the tab of the page it was pressed on.
void TForm1::ShowManagerTab(TTabSheet* sheet)
{
    TPageControl& pages = *context_.frmMain->PageControl;
    for (size_t i = 0; i < pages.Sheets().size(); ++i)
        if (pages.Sheets()[i] == sheet && pages.ActivePageIndex() != static_cast<int>(i))
            pages.SetActivePageIndex(static_cast<int>(i));
    context_.frmMain->Show();
}

void TForm1::BindCommands()
{
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this] { FormClose(); };
    OnResize = [this] { FormResize(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Timer3->OnTimer = [this] { Timer3Timer(); };
    Note1->OnEnter = [this] { Note1Enter(); };

    Button4->OnClick = [this] { Button4Click(); };
    Button8->OnClick = [this] { Button8Click(); };
    xpButton15->OnClick = [this] { xpButton15Click(); };
    Button9->OnClick = [this] { ShowPage(StartupPage); };
    Button10->OnClick = [this] { Button10Click(); };
    Button18->OnClick = [this] { ShowPage(AboutPage); };
    for (TButton* back : {Button6, Button13, Button16, Button19, static_cast<TButton*>(xpButton8)})
        back->OnClick = [this] { ShowPage(HomePage); };
    for (TButton* bug : {static_cast<TButton*>(xpButton3), static_cast<TButton*>(xpButton1)})
        bug->OnClick = [this] { RunCommand([this] { context_.Env.OpenDocument(BugReportPage); }); };
    for (TButton* virus : {static_cast<TButton*>(xpButton4), static_cast<TButton*>(xpButton2)})
        virus->OnClick = [this] { RunCommand([this] { context_.Env.OpenDocument(VirusReportPage); }); };
    xpButton6->OnClick = [this] { context_.Form9->Show(); };
    xpButton14->OnClick = [this] { ShowManagerTab(context_.frmMain->TabSheet1); };
    xpButton13->OnClick = [this] { ShowManagerTab(context_.frmMain->TabSheet2); };
    xpButton25->OnClick = [this] { context_.FormL->Show(); };
    Button17->OnClick = [this] { Close(); };
    Button3->OnClick = [this] { context_.State.AbortRequested = true; };
    mm1->OnClick = [this] { RunCommand(Button2->OnClick); };
    mm2->OnClick = [this] { RunCommand(xpButton5->OnClick); };

    const std::pair<TControl*, Msg> hints[] = {
        {Button4, Msg::HintScanHome},
        {Button7, Msg::HintUpdate},
        {Button8, Msg::HintProcesses},
        {xpButton15, Msg::HintServices},
        {Button9, Msg::HintStartup},
        {Button10, Msg::HintBuildReport},
        {Button18, Msg::HintAbout},
        {xpButton3, Msg::HintReportBug},
        {xpButton1, Msg::HintReportBug},
        {xpButton4, Msg::HintReportVirus},
        {xpButton2, Msg::HintReportVirus},
        {xpButton6, Msg::QuarantineCaption},
        {Button17, Msg::HintExit},
        {Button1, Msg::HintScan},
        {Button3, Msg::HintAbort},
        {Button2, Msg::HintFix},
        {xpButton5, Msg::HintAddToQuarantine},
        {Button6, Msg::HintBack},
        {Button13, Msg::HintBack},
        {Button16, Msg::HintBack},
        {Button19, Msg::HintBack},
        {xpButton8, Msg::HintBack},
        {Button11, Msg::HintTerminate},
        {Button12, Msg::HintRefreshTasks},
        {Button14, Msg::HintDeleteStartup},
        {Button15, Msg::HintRefreshStartup},
        {xpButton14, Msg::HintDetails},
        {xpButton13, Msg::HintDetails},
        {xpButton12, Msg::HintRefreshServices},
        {xpButton11, Msg::HintRestartService},
        {xpButton9, Msg::HintStopService},
        {xpButton10, Msg::HintStartService},
        {xpButton25, Msg::HintSelectLanguage},
    };
    for (const auto& [control, row] : hints)
        ShowHintOnMove(control, row);
}

void TForm1::FormCreate()
{
    if (IsUnsupportedWindows(context_.Env.WindowsName)) {
        context_.App.ShowMessageBox(context_.Text(Msg::UnsupportedWindows), "Pyrafix Pro", mbIconError);
        context_.App.ExitCode = 1;
        context_.App.Terminate();
        return;
    }
    const std::string path = context_.Env.ProgramFolder + DatabaseName;
    if (!LoadDatabase(path, context_.State.DatabaseStream)) {
        // The program runs on with an empty database; say which file failed and why.
        const std::string& reason =
            context_.Text(FileExists(path) ? Msg::DatabaseFileUnreadable : Msg::DatabaseFileMissing);
        context_.App.ShowMessageBox(context_.Text(Msg::CannotLoadDatabase) + path + ":\r" + reason + ".",
                                    context_.Text(Msg::ErrorCaption), mbIconError);
        return;
    }
    ShowDatabaseDate();
}

void TForm1::ShowDatabaseDate()
{
    const std::string text =
        context_.Text(Msg::LastUpdate) + DatabaseDate(context_.State.DatabaseStream, context_.Text(Msg::ErrorCaption));
    sb1->SetPanelFitText(2, context_.Text(Msg::LastUpdate) + WidestDatabaseDate);
    SetDatabaseStatus(text);
    SetUpdateLabel(text);
}

void TForm1::SetUpdateLabel(const std::string& text)
{
    Label2->SetCaption(text);
}

void TForm1::SetDatabaseStatus(const std::string& text)
{
    sb1->SetPanelText(2, text);
}

void TForm1::SetUpdateCommandsEnabled(bool on)
{
    Button4->SetEnabled(on);
    Button7->SetEnabled(on);
}

void TForm1::FormShow()
{
    context_.State.AbortRequested = true;
    ShowDatabaseDate();
    GroupBox1->SetCaption(context_.Text(Msg::Welcome));
    if (context_.State.StartupCheckEnabled)
        Timer3->SetEnabled(true);
    // The action dialog keeps the promise of its check box: it comes up a second
    // after every start while the box is checked, whatever the update check finds.
    if (context_.Form2 && context_.Form2->c1->Checked())
        context_.Form2->Timer1->SetEnabled(true);
}

void TForm1::FormClose()
{
    context_.App.Terminate();
}

void TForm1::FormResize()
{
    ShowDatabaseDate();
    GroupBox1->SetCaption(context_.Text(Msg::Welcome));
}

void TForm1::Timer1Timer()
{
    context_.State.CleanSeconds += 0.01L;
}

void TForm1::Timer3Timer()
{
    Timer3->SetEnabled(false);
    RunCommand(StartupUpdateCheck);
}

void TForm1::Note1Enter()
{
    // Refreshing the lists when the pages get the focus is a convenience only.
    try {
        RunCommand(Button12->OnClick);
        RunCommand(Button15->OnClick);
    } catch (const std::exception&) {
    }
}

void TForm1::ShowPage(int index)
{
    Note1->SetPageIndex(index);
}

void TForm1::Button4Click()
{
    ShowPage(ScanPage);
    RunCommand(Button1->OnClick);
}

void TForm1::Button8Click()
{
    RunCommand(Button12->OnClick);
    ShowPage(ProcessPage);
}

void TForm1::xpButton15Click()
{
    RunCommand(xpButton12->OnClick);
    ShowPage(ServicePage);
}

void TForm1::Button10Click()
{
    context_.FormR->Show();
}

void TForm1::ClearLog()
{
    Memo2->Clear();
}

void TForm1::AddLogLine(const std::string& line)
{
    Memo2->Add(line);
}

void TForm1::SetStatus(const std::string& text)
{
    sb1->SetPanelText(0, text);
}

void TForm1::SetScanning(bool scanning)
{
    Button1->SetEnabled(!scanning);
    Button3->SetEnabled(scanning);
    Button6->SetVisible(!scanning);
}

void TForm1::SetFixEnabled(bool on)
{
    Button2->SetEnabled(on);
    xpButton5->SetEnabled(on);
}

bool TForm1::FixEnabled() const
{
    return Button2->Enabled();
}

void TForm1::SetCleanTimer(bool on)
{
    Timer1->SetEnabled(on);
}

void TForm1::ClearAlertList()
{
    List1->Clear();
    scanningLineShown_ = false;
}

void TForm1::ShowScanningLine()
{
    RemoveScanningLine();
    List1->Add(context_.Text(Msg::ScanningLine));
    List1->SetLineEnabled(0, false);
    scanningLineShown_ = true;
}

void TForm1::RemoveScanningLine()
{
    if (!scanningLineShown_)
        return;
    scanningLineShown_ = false;
    List1->Delete(0);
}

int TForm1::AlertLineCount() const
{
    return List1->Count() - (scanningLineShown_ ? 1 : 0);
}

void TForm1::AddAlertLine(const std::string& text)
{
    List1->Add(text, true);
}

void TForm1::AddDisabledAlertLine(const std::string& text)
{
    List1->SetLineEnabled(List1->Add(text), false);
}

bool TForm1::AlertLineChecked(int index) const
{
    const int line = index + (scanningLineShown_ ? 1 : 0);
    return index >= 0 && line < List1->Count() && List1->Lines()[static_cast<size_t>(line)].Checked;
}

void TForm1::SetAlertLine(int index, const std::string& text)
{
    const int line = index + (scanningLineShown_ ? 1 : 0);
    if (index >= 0 && line < List1->Count())
        List1->SetText(line, text);
}

void TForm1::ShowProcessRows(const std::vector<std::string>& rows, const std::string& countCaption)
{
    List2->Clear();
    for (const std::string& row : rows)
        List2->Add(TListItem{row, {}});
    Label3->SetCaption(countCaption);
}

std::vector<std::string> TForm1::CheckedProcessRows() const
{
    std::vector<std::string> checked;
    for (const TListItem& item : List2->Items())
        if (item.Checked)
            checked.push_back(item.Caption);
    return checked;
}

bool TForm1::DeleteProcessFiles() const
{
    return cbx1->Checked();
}

void TForm1::ShowStartupRecords(const std::vector<StartupF>& records)
{
    List3->Clear();
    for (const StartupF& record : records)
        List3->Add(TListItem{record.ValueName, {record.ValueData}});
}

std::vector<std::pair<std::string, std::string>> TForm1::CheckedStartupRows() const
{
    std::vector<std::pair<std::string, std::string>> checked;
    for (const TListItem& item : List3->Items())
        if (item.Checked)
            checked.emplace_back(item.Caption, item.SubItems.empty() ? std::string() : item.SubItems[0]);
    return checked;
}

void TForm1::SetReportBuilding(bool building)
{
    Button10->SetCaption(context_.Text(building ? Msg::AbortLog : Msg::FullReportLog));
    SetEnabled(true);
    Button4->SetEnabled(!building);
    Button7->SetEnabled(!building);
}
