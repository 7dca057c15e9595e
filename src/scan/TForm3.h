#pragma once
#include "shell/AppContext.h"
#include "ui/Form.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

// "Full scan process!": the drives for the full scan after a quick scan found something.
class TForm3 : public TForm {
public:
    TForm3(TComponent* owner, std::string name, AppContext& context);

    TLabel* Label1;
    TMemo* Memo1;
    TGroupBox* GroupBox1;
    TCheckListBox* cList1;
    TxpButton *xpButton2, *xpButton1, *xpButton3;
    TTimer* Timer1;

private:
    AppContext& context_;
};
