#include "update/TForm4.h"

#include <windows.h>

#include "core/UpdateList.h"
#include "shell/TForm1.h"
#include "ui/Application.h"
#include "update/DatabaseUpdate.h"

namespace {
const char UpgraderName[] = "pyrxt.exe";
}

TForm4::TForm4(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context), signatures_(this, context.Env.UpdateSigningKey)
{
    SetCaption("Upgrading...");
    SetBounds(0, 0, 380, 150);
    Label1 = Place<TLabel>("Label1", this, "New Version: 0.0.0", 16, 14, 348, 18);
    Label2 = Place<TLabel>("Label2", this, "Transfer", 16, 38, 348, 18);
    pb1 = Place<TProgressBar>("pb1", this, "", 16, 64, 348, 20);
    xpButton1 = Place<TxpButton>("xpButton1", this, "Cancel", 260, 104, 104, 30);
    Get1 = Make<THTTPGet>("Get1");
    Get1->BinaryData = false;
    Get1->HashBody = true;
    Get1->WaitThread = false;
    Get1->MaxSize = MaxUpgradeBytes;
    Get1->OnProgress = [this](int64_t total, int64_t readed) { Get1Progress(total, readed); };
    Get1->OnDoneFile = [this](const std::string& file, int64_t size) { Get1DoneFile(file, size); };

    OnShow = [this] { FormShow(); };
    OnClose = [this] { FormClose(); };
    OnCloseQuery = [this] { return FormCloseQuery(); };
    xpButton1->OnClick = [this] { xpButton1Click(); };
    // Every start creates this window, so the automatic update check runs at every start.
    context_.State.StartupCheckEnabled = true;
}

void TForm4::StartUpgrade(const std::string& label, const std::string& url, const std::string& file)
{
    Label1->SetCaption(label);
    Get1->URL = url;
    Get1->FileName = file;
    Get1->StartDownload();
    Show();
}

void TForm4::FormShow()
{
    if (context_.Form1)
        context_.Form1->SetEnabled(false);
}

void TForm4::FormClose()
{
    if (context_.Form1)
        context_.Form1->SetEnabled(true);
}

void TForm4::Get1Progress(int64_t totalSize, int64_t readed)
{
    pb1->SetPosition(UpgradeProgressPosition(totalSize, readed));
    Label2->SetCaption(context_.Text(Msg::Downloading) + std::to_string(readed) + "/" + std::to_string(totalSize) +
                       context_.Text(Msg::Bytes));
}

void TForm4::Get1DoneFile(const std::string& fileName, int64_t fileSize)
{
    if (fileSize == 0)
        return;
    signatures_.SetKey(context_.Env.UpdateSigningKey);
    if (!signatures_.Signed(Get1->URL, fileName, Get1->BodyDigest())) {
        // Whoever served this file, it never runs with the user's rights.
        DeleteFileA(fileName.c_str());
        context_.App.ShowMessageBox(context_.Text(Msg::UpgradeNotSigned) + fileName, context_.Text(Msg::ErrorCaption),
                                    mbOk | mbIconError);
        Hide();
        FormClose();
        return;
    }
    Label2->SetCaption(context_.Text(Msg::FinishedDots));
    context_.App.ShowMessageBox(context_.Text(Msg::ProgramUpgraded), context_.Text(Msg::Finished),
                                mbOk | mbIconInformation);
    if (context_.Env.StartProgram)
        context_.Env.StartProgram(fileName);
    context_.App.Terminate();
    if (context_.Env.EndProcess)
        context_.Env.EndProcess(1);
}

bool TForm4::AskAbort()
{
    return context_.App.Confirm(context_.Text(Msg::AbortProcessQuestion), context_.Text(Msg::QuestionCaption));
}

void TForm4::AbortAndDelete()
{
    Get1->AbortDownload();
    DeleteFileA((context_.Env.ProgramFolder + UpgraderName).c_str());
}

void TForm4::xpButton1Click()
{
    if (!AskAbort())
        return;
    AbortAndDelete();
    Close();
}

bool TForm4::FormCloseQuery()
{
    if (!AskAbort())
        return false;
    if (context_.Form1)
        context_.Form1->SetEnabled(true);
    AbortAndDelete();
    return true;
}
