#include "shell/TForm2.h"

#include "shell/Settings.h"
#include "shell/TForm1.h"

TForm2::TForm2(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Select your action");
    SetBounds(0, 0, 360, 250);
    Label1 = Place<TLabel>("Label1", this, "Welcome, Pyrafix Pro", 16, 14, 328, 20);
    Label1->Bold = true;
    GroupBox1 = Place<TGroupBox>("GroupBox1", this, "Please Select your action:", 16, 42, 328, 110);
    Button1 = Place<TButton>("Button1", GroupBox1, "Scan for viruses", 16, 28, 296, 30);
    Button3 = Place<TButton>("Button3", GroupBox1, "Full report log", 16, 66, 296, 30);
    Button2 = Place<TButton>("Button2", this, "Close action window", 184, 206, 160, 30);
    c1 = Place<TCheckBox>("c1", this, "Show this dialog next time on startup.", 16, 166, 328, 20);
    c1->SetChecked(true);
    Timer1 = Make<TTimer>("Timer1");
    Timer1->SetInterval(1000);
    DefaultButton = Button1;
    EscapeCloses = true;

    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this] { FormClose(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button3->OnClick = [this] { Button3Click(); };
    Button2->OnClick = [this] { Close(); };
}

void TForm2::FormCreate()
{
    c1->SetChecked(ReadShowActionDialog(context_.Env.ActionDialogKey, c1->Checked()));
}

void TForm2::Timer1Timer()
{
    Timer1->SetEnabled(false);
    Show();
}

void TForm2::FormShow()
{
    context_.Form1->SetEnabled(false);
}

void TForm2::FormClose()
{
    context_.Form1->SetEnabled(true);
    WriteShowActionDialog(context_.Env.ActionDialogKey, c1->Checked());
}

void TForm2::Button1Click()
{
    Close();
    context_.Form1->Button4Click();
}

void TForm2::Button3Click()
{
    context_.Form1->Button10Click();
    Close();
}
