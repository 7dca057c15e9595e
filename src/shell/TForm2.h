#pragma once
#include "shell/AppContext.h"
#include "ui/Form.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

// "Select your action": leads to a scan or the full report log at start-up.
class TForm2 : public TForm {
public:
    TForm2(TComponent* owner, std::string name, AppContext& context);

    TLabel* Label1;
    TGroupBox* GroupBox1;
    TButton *Button1, *Button3, *Button2;
    TCheckBox* c1;
    TTimer* Timer1;

    void FormCreate();
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void Button1Click();
    void Button3Click();

private:
    AppContext& context_;
};
