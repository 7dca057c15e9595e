#include "shell/TFormL.h"

TFormL::TFormL(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Select language");
    SetBounds(0, 0, 320, 300);
    StayOnTop = true;
    List1 = Place<TListView>("List1", this, "", 12, 12, 296, 196);
    List1->Columns = {{"Language", 270}};
    List1->ShowColumnHeaders = false;
    List1->RowSelect = true;
    List1->ReadOnly = true;
    xpButton1 = Place<TxpButton>("xpButton1", this, "Apply", 12, 218, 144, 30);
    xpButton2 = Place<TxpButton>("xpButton2", this, "Default", 164, 218, 144, 30);
    xpButton3 = Place<TxpButton>("xpButton3", this, "Save default language", 12, 256, 296, 30);
    Save1 = Make<TSaveDialog>("Save1");
    Save1->Title = "Save default language";
    Save1->FileName = "Default.txt";
    DefaultButton = xpButton1;
    EscapeCloses = true;

    List1->OnSelectItem = [this](int, bool) { UpdateApply(); };
    OnCreate = [this] { UpdateApply(); };
    OnShow = [this] { UpdateApply(); };
}

void TFormL::UpdateApply()
{
    xpButton1->SetEnabled(List1->SelectedIndex() >= 0);
}
