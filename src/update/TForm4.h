#pragma once
#include <string>

#include "shell/AppContext.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/StdControls.h"
#include "update/HttpGet.h"
#include "update/UpdateSignature.h"

// "Upgrading...": the download of a new program version.
class TForm4 : public TForm {
public:
    TForm4(TComponent* owner, std::string name, AppContext& context);

    TLabel *Label1, *Label2;
    TProgressBar* pb1;
    TxpButton* xpButton1;
    THTTPGet* Get1;

    // Starts the download of the new version and shows the window.
    void StartUpgrade(const std::string& label, const std::string& url, const std::string& file);

    void FormShow();
    void FormClose();
    bool FormCloseQuery();
    void Get1Progress(int64_t totalSize, int64_t readed);
    void Get1DoneFile(const std::string& fileName, int64_t fileSize);
    void xpButton1Click();

private:
    bool AskAbort();
    void AbortAndDelete();

    AppContext& context_;
    SignatureCheck signatures_;
};
