#pragma once
#include "quarantine/QuarantineRows.h"
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

    // The handlers live in quarantine/QuarantineWindow.cpp; the commands' wiring binds them.
    void BindCommands();
    void FormShow();
    void xpButton6Click(); // Refresh
    void xpButton3Click(); // Add Task
    void xpButton2Click(); // Restore selected tasks
    void xpButton4Click(); // Remove Task
    void xpButton5Click(); // Clear Quarantine

private:
    std::vector<bool> CheckedRows() const;
    RowReport RowCaptions(Msg startedRow, Msg succeededRow, Msg failedRow, Msg statusRow);

    AppContext& context_;
};
