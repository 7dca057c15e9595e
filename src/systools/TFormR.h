#pragma once
#include "shell/AppContext.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

// "Report Manager": the rows the full report found, with actions on them.
class TFormR : public TForm {
public:
    TFormR(TComponent* owner, std::string name, AppContext& context);

    TPanel* Panel1;
    TxpButton *xpButton3, *xpButton2, *xpButton1;
    TListView* List1;
    TStatusBar* sb1;
    TTimer* Timer1;
    TPopupMenu* Pop1;
    TMenuItem* Deleteselected1;
    TPopupMenu* Pop2;
    TMenuItem *Terminateprocess1, *Deleteprocess1;
    TPopupMenu* Pop3;
    TMenuItem *MenuItem1, *MenuItem2;
    TPopupMenu* Pop4;
    TMenuItem *MenuItem4, *MenuItem5;

    // The "FileName" of the row whose selection changed last; kept when that row goes.
    std::string SelectedPath;
    // Seconds spent on the file being deleted, counted by Timer1.
    long double DeleteSeconds = 0;

private:
    AppContext& context_;
};
