#include "shell/Language.h"

#include "core/StreamCipher.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"
#include "quarantine/TForm9.h"
#include "reports/TForm12.h"
#include "scan/TForm3.h"
#include "shell/TForm1.h"
#include "shell/TForm2.h"
#include "shell/TFormL.h"
#include "systools/TfrmMain.h"
#include "ui/LanguageWalk.h"
#include "update/TForm4.h"

const char LanguageFolderName[] = "Languages";
const char LanguageValue[] = "Language";

std::vector<TForm*> LanguageWindows(const AppContext& context)
{
    return {context.Form1, context.Form2,   context.Form3, context.Form4,
            context.Form9, context.frmMain, context.FormL, context.Form12};
}

bool ApplyLanguage(AppContext& context, const std::string& path)
{
    // A whole language is some tens of kilobytes; a file of megabytes is none.
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, 4 << 20))
        return false;
    MemoryStream& text = context.State.LanguageStream;
    text.Assign(std::move(bytes));
    Decrypt(text.Data(), text.Size(), text.Data(), DatabaseKey, text.Size());
    ApplyLanguageText(text, LanguageWindows(context), context.State.Messages);
    return true;
}

void LoadLanguageList(AppContext& context)
{
    TFormL& window = *context.FormL;
    window.List1->Clear();
    const std::string folder = context.Env.ProgramFolder + LanguageFolderName + "\\";
    for (FindFiles found(folder + "*.vlng"); found.Valid(); found.Next())
        if (!found.IsDirectory())
            window.List1->Add(TListItem{found.Name(), {}});
    window.UpdateApply();
    // The setting names a file of the Languages folder, never a path elsewhere.
    const std::string name = ChosenLanguage(context.Env.LanguageKey);
    if (!name.empty() && name.size() < MAX_PATH && name.find_first_of("\\/:") == std::string::npos && name != "." &&
        name != "..")
        ApplyLanguage(context, folder + name);
}

bool ExportLanguage(const AppContext& context, const std::string& path)
{
    const std::string text = LanguageTemplate(LanguageWindows(context), context.State.Messages);
    return WriteWholeFile(path, text.data(), text.size());
}

std::string ChosenLanguage(const std::string& key)
{
    RegKey options;
    std::string name;
    if (options.Open(HKEY_CURRENT_USER, key) && options.ReadString(LanguageValue, name))
        return name;
    return std::string();
}

bool WriteChosenLanguage(const std::string& key, const std::string& name)
{
    RegKey options;
    return options.Create(HKEY_CURRENT_USER, key) && options.WriteString(LanguageValue, name);
}
