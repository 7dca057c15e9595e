#pragma once
#include "shell/AppContext.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

// "Select language": the language files found beside the program.
class TFormL : public TForm {
public:
    TFormL(TComponent* owner, std::string name, AppContext& context);

    TListView* List1; // one column of language file names
    TxpButton *xpButton1, *xpButton2, *xpButton3;
    TSaveDialog* Save1;

    // "Apply" is usable only with a row selected.
    void UpdateApply();
    void xpButton1Click();
    void xpButton2Click();
    void xpButton3Click();

private:
    AppContext& context_;
};
