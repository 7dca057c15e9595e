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

void TForm1::ShowHintOnMove(TControl* control, int row)
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
    xpButton11->OnClick = [this] { xpButton11Click(); };
    mm1->OnClick = [this] { RunCommand(Button2->OnClick); };
    mm2->OnClick = [this] { RunCommand(xpButton5->OnClick); };

    const std::pair<TControl*, int> hints[] = {
        {Button4, 74},    {Button7, 76},     {Button8, 77},     {xpButton15, 120}, {Button9, 78},     {Button10, 79},
        {Button18, 81},   {xpButton3, 96},   {xpButton1, 96},   {xpButton4, 97},   {xpButton2, 97},   {xpButton6, 109},
        {Button17, 80},   {Button1, 82},     {Button3, 83},     {Button2, 84},     {xpButton5, 110},  {Button6, 85},
        {Button13, 85},   {Button16, 85},    {Button19, 85},    {xpButton8, 85},   {Button11, 86},    {Button12, 87},
        {Button14, 88},   {Button15, 89},    {xpButton14, 114}, {xpButton13, 114}, {xpButton12, 115}, {xpButton11, 116},
        {xpButton9, 117}, {xpButton10, 118}, {xpButton25, 127},
    };
    for (const auto& [control, row] : hints)
        ShowHintOnMove(control, row);
}

void TForm1::FormCreate()
{
    if (IsUnsupportedWindows(context_.Env.WindowsName)) {
        context_.App.ShowMessageBox(context_.Text(61), "Pyrafix Pro", mbIconError);
        context_.App.ExitCode = 1;
        context_.App.Terminate();
        return;
    }
    const std::string path = context_.Env.ProgramFolder + DatabaseName;
    if (!LoadDatabase(path, context_.State.DatabaseStream)) {
        // The program runs on with an empty database; say which file failed and why.
        const char* reason =
            FileExists(path) ? "the file cannot be read or is not a detection database" : "the file does not exist";
        context_.App.ShowMessageBox("Cannot load the detection database " + path + ":\r" + reason + ".",
                                    context_.Text(ErrorCaptionRow), mbIconError);
        return;
    }
    ShowDatabaseDate();
}

void TForm1::ShowDatabaseDate()
{
    const std::string text = context_.Text(62) + DatabaseDate(context_.State.DatabaseStream, "");
    sb1->SetPanelFitText(2, context_.Text(62) + WidestDatabaseDate);
    sb1->SetPanelText(2, text);
    Label2->SetCaption(text);
}

void TForm1::FormShow()
{
    context_.State.AbortRequested = true;
    ShowDatabaseDate();
    GroupBox1->SetCaption(context_.Text(178));
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
    GroupBox1->SetCaption(context_.Text(178));
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

void TForm1::xpButton11Click()
{
    RunCommand(xpButton9->OnClick);
    RunCommand(xpButton10->OnClick);
}
