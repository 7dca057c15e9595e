#include "update/TForm4.h"

TForm4::TForm4(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Upgrading...");
    SetBounds(0, 0, 380, 150);
    Label1 = Place<TLabel>("Label1", this, "New Version: 0.0.0", 16, 14, 348, 18);
    Label2 = Place<TLabel>("Label2", this, "Transfer", 16, 38, 348, 18);
    pb1 = Place<TProgressBar>("pb1", this, "", 16, 64, 348, 20);
    xpButton1 = Place<TxpButton>("xpButton1", this, "Cancel", 260, 104, 104, 30);
    // Every start creates this window, so the automatic update check runs at every start.
    context_.State.StartupCheckEnabled = true;
}
