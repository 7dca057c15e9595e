#include "scan/TForm3.h"

TForm3::TForm3(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Full scan process!");
    SetBounds(0, 0, 460, 340);
    Label1 = Place<TLabel>("Label1", this, context_.Text(Msg::ScanDrives), 16, 12, 428, 18);
    Memo1 = Place<TMemo>("Memo1", this, "", 16, 36, 428, 84);
    Memo1->ReadOnly = true;
    Memo1->SetText(context_.Text(Msg::FullScanAdvice));
    GroupBox1 = Place<TGroupBox>("GroupBox1", this, "Please select drives for full scan:", 16, 130, 428, 154);
    cList1 = Place<TCheckListBox>("cList1", GroupBox1, "", 12, 24, 290, 118);
    xpButton2 = Place<TxpButton>("xpButton2", GroupBox1, "Refresh", 312, 24, 104, 30);
    xpButton1 = Place<TxpButton>("xpButton1", this, "Scan", 228, 296, 104, 30);
    xpButton3 = Place<TxpButton>("xpButton3", this, "Abort", 340, 296, 104, 30);
    DefaultButton = xpButton1;
    Timer1 = Make<TTimer>("Timer1");
    Timer1->SetInterval(1000);
}
