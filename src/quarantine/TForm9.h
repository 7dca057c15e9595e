#pragma once
#include "shell/AppContext.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

// "Quarantine Manager": the files kept enciphered in the quarantine.
class TForm9 : public TForm {
public:
    TForm9(TComponent* owner, std::string name, AppContext& context);

    TListView* List1;
    TxpButton *xpButton6, *xpButton3, *xpButton2, *xpButton4, *xpButton5, *xpButton1;
    TStatusBar* Bar1;
    TOpenDialog* Open1;

private:
    AppContext& context_;
};
