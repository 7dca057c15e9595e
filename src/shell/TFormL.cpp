#include "shell/TFormL.h"

#include "shell/Language.h"
#include "ui/Application.h"

TFormL::TFormL(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Select language");
    SetBounds(0, 0, 320, 300);
    StayOnTop = true;
    List1 = Place<TListView>("List1", this, "", 12, 12, 296, 196);
    List1->Columns = {{"Language", 270}};
    List1->ShowColumnHeaders = false;
    List1->RowSelect = true;
    List1->ReadOnly = true;
    xpButton1 = Place<TxpButton>("xpButton1", this, "Apply", 12, 218, 144, 30);
    xpButton2 = Place<TxpButton>("xpButton2", this, "Default", 164, 218, 144, 30);
    xpButton3 = Place<TxpButton>("xpButton3", this, "Save default language", 12, 256, 296, 30);
    Save1 = Make<TSaveDialog>("Save1");
    Save1->Title = "Save default language";
    Save1->FileName = "Default.txt";
    DefaultButton = xpButton1;
    EscapeCloses = true;

    List1->OnSelectItem = [this](int, bool) { UpdateApply(); };
    OnCreate = [this] { UpdateApply(); };
    OnShow = [this] { UpdateApply(); };
    xpButton1->OnClick = [this] { xpButton1Click(); };
    xpButton2->OnClick = [this] { xpButton2Click(); };
    xpButton3->OnClick = [this] { xpButton3Click(); };
}

void TFormL::UpdateApply()
{
    xpButton1->SetEnabled(List1->SelectedIndex() >= 0);
}

void TFormL::xpButton1Click()
{
    const int row = List1->SelectedIndex();
    const std::string name = row >= 0 ? List1->Items()[static_cast<size_t>(row)].Caption : std::string();
    if (!name.empty()) {
        const std::string path = context_.Env.ProgramFolder + LanguageFolderName + "\\" + name;
        // The setting follows only a file that was read, so a bad file is not applied
        // again at every start.
        if (!ApplyLanguage(context_, path)) {
            context_.App.ShowMessageBox(context_.Text(Msg::CannotReadLanguageFile) + path,
                                        context_.Text(Msg::ErrorCaption), mbIconError);
            return;
        }
        WriteChosenLanguage(context_.Env.LanguageKey, name);
    }
    Close();
}

void TFormL::xpButton2Click()
{
    if (!WriteChosenLanguage(context_.Env.LanguageKey, "Default")) {
        Close();
        return;
    }
    // The built-in texts come back with a new start: "Default" names no file.
    if (context_.Env.StartProgram)
        context_.Env.StartProgram(context_.Env.ProgramFile);
    context_.App.Terminate();
    if (context_.Env.EndProcess)
        context_.Env.EndProcess(1);
}

void TFormL::xpButton3Click()
{
    if (!Save1->Execute())
        return;
    ExportLanguage(context_, Save1->FileName);
    context_.App.ShowMessageBox(context_.Text(Msg::LanguageSaved), context_.Text(Msg::InformationCaption),
                                mbIconInformation);
}
