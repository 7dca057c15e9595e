#include "systools/TFormR.h"

#include "reports/TForm12.h"

TFormR::TFormR(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Report Manager");
    SetBounds(0, 0, 680, 440);
    Panel1 = Place<TPanel>("Panel1", this, "", 0, 0, 680, 44);
    xpButton3 = Place<TxpButton>("xpButton3", Panel1, "Save full report log", 8, 8, 160, 28);
    xpButton2 = Place<TxpButton>("xpButton2", Panel1, "Delete selected", 176, 8, 130, 28);
    xpButton1 = Place<TxpButton>("xpButton1", Panel1, "Refresh", 314, 8, 100, 28);
    List1 = Place<TListView>("List1", this, "", 0, 44, 680, 374);
    List1->Columns = {{"ID", 80}, {"FileName", 390}, {"File Size", 80}, {"Key", 110}};
    List1->CheckBoxes = true;
    List1->BoldFont = true;
    List1->RowSelect = true;
    sb1 = Place<TStatusBar>("sb1", this, "", 0, 418, 680, 22);
    sb1->SimplePanel = true;
    Timer1 = Make<TTimer>("Timer1");
    Timer1->SetInterval(10);

    Pop1 = Make<TPopupMenu>("Pop1");
    Deleteselected1 = Pop1->AddItem(this, "Deleteselected1", "Delete files");
    Pop2 = Make<TPopupMenu>("Pop2");
    Terminateprocess1 = Pop2->AddItem(this, "Terminateprocess1", "Terminate proceses");
    Deleteprocess1 = Pop2->AddItem(this, "Deleteprocess1", "Delete proceses");
    Pop3 = Make<TPopupMenu>("Pop3");
    MenuItem1 = Pop3->AddItem(this, "MenuItem1", "Delete values");
    MenuItem2 = Pop3->AddItem(this, "MenuItem2", "Delete files");
    Pop4 = Make<TPopupMenu>("Pop4");
    MenuItem4 = Pop4->AddItem(this, "MenuItem4", "Terminate service");
    MenuItem5 = Pop4->AddItem(this, "MenuItem5", "Delete file");
    List1->PopupMenu = Pop1;

    xpButton3->OnClick = [this] { context_.Form12->Show(); };
}
