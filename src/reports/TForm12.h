#pragma once
#include "shell/AppContext.h"
#include "ui/Form.h"
#include "ui/StdControls.h"

// "Log Optimizer": what the full report log is built about.
class TForm12 : public TForm {
public:
    TForm12(TComponent* owner, std::string name, AppContext& context);

    TGroupBox* GroupBox1;
    TxpCheckBox *xpCheckBox1, *xpCheckBox2, *xpCheckBox3, *xpCheckBox4;
    TxpButton *xpButton1, *xpButton2;

private:
    AppContext& context_;
};
