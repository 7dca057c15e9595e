#include "quarantine/TForm9.h"

TForm9::TForm9(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Quarantine Manager");
    SetBounds(0, 0, 600, 392);
    List1 = Place<TListView>("List1", this, "", 12, 12, 576, 270);
    List1->CheckBoxes = true;
    List1->RowSelect = true;
    // Room for a date and time of their widest form, and for the scroll bar of a long list.
    List1->Columns = {{"Filename", 270}, {"Task", 110}, {"Added", 170}};
    xpButton6 = Place<TxpButton>("xpButton6", this, "Refresh", 12, 292, 88, 30);
    xpButton3 = Place<TxpButton>("xpButton3", this, "Add Task", 106, 292, 88, 30);
    xpButton2 = Place<TxpButton>("xpButton2", this, "Restore selected tasks", 200, 292, 150, 30);
    xpButton4 = Place<TxpButton>("xpButton4", this, "Remove Task", 356, 292, 98, 30);
    xpButton5 = Place<TxpButton>("xpButton5", this, "Clear Quarantine", 460, 292, 128, 30);
    xpButton1 = Place<TxpButton>("xpButton1", this, "Close", 500, 328, 88, 26);
    Bar1 = Place<TStatusBar>("Bar1", this, "", 0, 370, 600, 22);
    Bar1->SimplePanel = true;
    Open1 = Make<TOpenDialog>("Open1");
    Open1->Title = "Add task into Quaranteen";
    EscapeCloses = true;
    xpButton1->OnClick = [this] { Close(); };
}
