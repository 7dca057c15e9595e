#include "reports/TForm12.h"

TForm12::TForm12(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Log Optimizer");
    SetBounds(0, 0, 300, 206);
    StayOnTop = true;
    GroupBox1 = Place<TGroupBox>("GroupBox1", this, "Build log about", 12, 10, 276, 140);
    xpCheckBox1 = Place<TxpCheckBox>("xpCheckBox1", GroupBox1, "Startup files.", 16, 26, 240, 20);
    xpCheckBox2 = Place<TxpCheckBox>("xpCheckBox2", GroupBox1, "Active Services.", 16, 52, 240, 20);
    xpCheckBox3 = Place<TxpCheckBox>("xpCheckBox3", GroupBox1, "Active processes.", 16, 78, 240, 20);
    xpCheckBox4 = Place<TxpCheckBox>("xpCheckBox4", GroupBox1, "Infected files.", 16, 104, 240, 20);
    for (TxpCheckBox* box : {xpCheckBox1, xpCheckBox2, xpCheckBox3, xpCheckBox4})
        box->SetChecked(true);
    xpButton1 = Place<TxpButton>("xpButton1", this, "Build log", 76, 162, 100, 30);
    xpButton2 = Place<TxpButton>("xpButton2", this, "Cancel", 188, 162, 100, 30);
    DefaultButton = xpButton1;
    xpButton2->OnClick = [this] { Close(); };
}
