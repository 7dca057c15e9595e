#pragma once
#include "shell/AppContext.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/StdControls.h"

// "Upgrading...": the download of a new program version.
class TForm4 : public TForm {
public:
    TForm4(TComponent* owner, std::string name, AppContext& context);

    TLabel *Label1, *Label2;
    TProgressBar* pb1;
    TxpButton* xpButton1;

private:
    AppContext& context_;
};
