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

    // The drive roots (or folders) to walk, each followed by ";"; kept while the program runs.
    std::string SelectedDrives;

    // The handlers live in scan/FullScanWindow.cpp; the cleaning room binds them.
    void BindCommands();
    void FormShow();
    void FormClose();
    void dsButton2Click();
    void cList1ClickCheck();
    void xpButton1Click();
    void xpButton3Click();
    void Timer1Timer();

private:
    void AskAboutAbort();

    AppContext& context_;
    bool abortPressed_ = false;
    bool cleaningChosen_ = false;
    bool scanChosen_ = false;
};
