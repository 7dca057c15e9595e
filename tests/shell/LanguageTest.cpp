#include <gtest/gtest.h>

#include <filesystem>

#include "LanguageTexts.h"
#include "TestFolder.h"
#include "core/LanguageFile.h"
#include "core/StreamCipher.h"
#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"
#include "shell/AppContext.h"
#include "shell/Language.h"
#include "shell/TForm1.h"
#include "shell/TFormL.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"
#include "ui/LanguageWalk.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return std::string(bytes.begin(), bytes.end());
}

// The program's windows over the headless renderer, their files in the test's folder
// and the language setting under a key of the test's own.
struct Windows {
    explicit Windows(const TestFolder& folder)
    {
        renderer.Attach(app);
        std::filesystem::copy_file(ProgramFolder() + "files.dat", folder / "files.dat");
        std::filesystem::create_directory(folder / "Languages");
        context.Env.ProgramFolder = folder.Path() + "\\";
        context.Env.WindowsName = "Microsoft Windows XP Professional Service Pack 3 (Build 2600)";
        context.Env.OpenDocument = [](const std::string&) {};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        context.Env.LanguageKey =
            std::string("Software\\Zentrova\\PyrafixTests\\") + info->name() + std::to_string(GetCurrentProcessId());
        context.Env.ProgramFile = "C:\\Program Files\\Pyrafix Pro\\pyrafix.exe";
        context.Env.StartProgram = [this](const std::string& file) { started.push_back(file); };
        context.Env.EndProcess = [this](int code) { exitCodes.push_back(code); };
        CreateAppWindows(context);
    }
    ~Windows() { RegDeleteKeyA(HKEY_CURRENT_USER, context.Env.LanguageKey.c_str()); }

    std::vector<std::string> Texts() const { return LanguageTexts(context); }
    // The template of the current texts, as "Save default language" writes it.
    std::string Exported(const TestFolder& folder) const
    {
        EXPECT_TRUE(ExportLanguage(context, folder / "Default.txt"));
        return ReadText(folder / "Default.txt");
    }
    // A language file in the Languages folder, enciphered as shipped.
    void WriteLanguage(const TestFolder& folder, const std::string& name, std::string text) const
    {
        Encrypt(reinterpret_cast<const uint8_t*>(text.data()), text.size(), reinterpret_cast<uint8_t*>(text.data()),
                DatabaseKey, text.size());
        folder.Write("Languages\\" + name, text);
    }
    std::string Setting() const { return ChosenLanguage(context.Env.LanguageKey); }

    HeadlessRenderer renderer;
    TApplication app{&renderer};
    SharedState state;
    AppContext context{app, state, {}};
    std::vector<std::string> started;
    std::vector<int> exitCodes;
};

// The template with every line but "begin():" and the last "_end" replaced.
std::string Translated(const std::string& templateText, const std::string& prefix)
{
    std::string text, line;
    size_t start = 0;
    for (size_t end; (end = templateText.find("\r\n", start)) != std::string::npos; start = end + 2) {
        line = templateText.substr(start, end - start);
        text += (line == LanguageBegin || end + 2 == templateText.size() ? line : prefix + line) + "\r\n";
    }
    return text;
}

} // namespace

TEST(Language, TheExportedTemplateEncipheredAndAppliedChangesNoText)
{
    TestFolder folder;
    Windows w(folder);
    const std::vector<std::string> english = w.Texts();
    const std::string exported = w.Exported(folder);
    ASSERT_EQ(exported.rfind("begin():\r\n", 0), 0u);
    EXPECT_NE(exported.find("\r\nScan for viruses\r\n"), std::string::npos);
    EXPECT_NE(exported.find("\r\nSelect language\r\n"), std::string::npos);
    for (size_t start = 0, end; (end = exported.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = exported.substr(start, end - start);
        EXPECT_LE(line.size(), MaxLineBytes) << line;
        EXPECT_EQ(line.find_first_of("\r\n\t"), std::string::npos) << line;
    }

    // Another language first, so that the template has every text to put back.
    w.WriteLanguage(folder, "Other.vlng", Translated(exported, "~"));
    ASSERT_TRUE(ApplyLanguage(w.context, folder / "Languages\\Other.vlng"));
    EXPECT_EQ(w.context.Form1->Button4->Caption(), "~Scan for viruses");
    EXPECT_EQ(w.state.Messages.Text(Msg::LastUpdate), "~Last Update: ");
    EXPECT_EQ(w.state.Messages.Text(Msg::ConsoleCannotWriteFile), "~cannot write the file ");
    EXPECT_EQ(w.state.Messages.Text(Msg::Name196), "Name: "); // not in a file

    w.WriteLanguage(folder, "Template.vlng", exported);
    ASSERT_TRUE(ApplyLanguage(w.context, folder / "Languages\\Template.vlng"));
    EXPECT_EQ(w.Texts(), english);
    EXPECT_FALSE(ApplyLanguage(w.context, folder / "Languages\\Missing.vlng"));
}

TEST(Language, StartUpListsTheFilesAndAppliesTheChosenOneAndFailuresKeepTheBuiltInTexts)
{
    TestFolder folder;
    Windows w(folder);
    const std::vector<std::string> english = w.Texts();
    const std::string exported = w.Exported(folder);
    w.WriteLanguage(folder, "Deutsch.vlng", Translated(exported, "DE "));
    w.WriteLanguage(folder, "Leer.vlng", "");
    std::filesystem::create_directory(folder / "Languages\\Folder.vlng");
    folder.Write("Languages\\Notes.txt", "not a language");

    TFormL& window = *w.context.FormL;
    window.List1->Add(TListItem{"stale row", {}});
    LoadLanguageList(w.context); // nothing chosen yet
    std::vector<std::string> listed;
    for (const TListItem& item : window.List1->Items())
        listed.push_back(item.Caption);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"Deutsch.vlng", "Leer.vlng"}));
    EXPECT_FALSE(window.xpButton1->Enabled());
    EXPECT_EQ(w.Texts(), english);

    // An empty file has no "begin():", nor has a missing one any text; a file of megabytes
    // is no language, and a setting that names a path outside the folder is not followed.
    std::string huge = Translated(exported, "XL ");
    huge += std::string((5 << 20) - huge.size(), ' ');
    w.WriteLanguage(folder, "Riesig.vlng", huge);
    w.WriteLanguage(folder, "..\\Outside.vlng", Translated(exported, "OUT "));
    for (const char* broken :
         {"Leer.vlng", "Missing.vlng", "Default", "Riesig.vlng", "..\\Outside.vlng", "Languages\\Deutsch.vlng"}) {
        ASSERT_TRUE(WriteChosenLanguage(w.context.Env.LanguageKey, broken));
        LoadLanguageList(w.context);
        EXPECT_EQ(w.Texts(), english) << broken;
    }
    ASSERT_TRUE(WriteChosenLanguage(w.context.Env.LanguageKey, "Deutsch.vlng"));
    LoadLanguageList(w.context);
    EXPECT_EQ(w.context.Form1->Button7->Caption(), "DE Update");
    EXPECT_EQ(w.context.FormL->xpButton3->Caption(), "DE Save default language");
    EXPECT_EQ(w.state.Messages.Text(Msg::ScanQuestion), "DE " + MessageTable().Text(Msg::ScanQuestion));
}

TEST(LanguageWindow, ApplyWritesTheSettingOnlyForAFileItReadAndDefaultRestarts)
{
    TestFolder folder;
    Windows w(folder);
    w.WriteLanguage(folder, "Deutsch.vlng", Translated(w.Exported(folder), "DE "));
    w.WriteLanguage(folder, "Gone.vlng", "begin():\r\n");
    LoadLanguageList(w.context);
    std::filesystem::remove(folder / "Languages\\Gone.vlng");
    TFormL& window = *w.context.FormL;
    const auto select = [&window](const std::string& name) {
        for (size_t i = 0; i < window.List1->Items().size(); ++i)
            if (window.List1->Items()[i].Caption == name)
                window.List1->UserSelect(static_cast<int>(i));
    };

    window.Show();
    EXPECT_FALSE(window.xpButton1->Enabled());
    select("Gone.vlng");
    ASSERT_TRUE(window.xpButton1->Enabled());
    w.renderer.Answer(idOk);
    window.xpButton1->Click();
    ASSERT_EQ(w.renderer.Boxes().size(), 1u);
    EXPECT_EQ(w.renderer.Boxes()[0].Text,
              w.state.Messages.Text(Msg::CannotReadLanguageFile) + (folder / "Languages\\Gone.vlng"));
    EXPECT_EQ(w.Setting(), "");
    EXPECT_TRUE(window.Visible());

    select("Deutsch.vlng");
    window.xpButton1->Click();
    EXPECT_EQ(w.Setting(), "Deutsch.vlng");
    EXPECT_EQ(w.context.Form1->Button4->Caption(), "DE Scan for viruses");
    EXPECT_FALSE(window.Visible());

    // "Save default language" writes the current texts.
    window.Show();
    w.renderer.ChooseFile(folder / "Saved.txt");
    w.renderer.Answer(idOk);
    window.xpButton3->Click();
    EXPECT_EQ(w.renderer.Boxes().back().Text, w.state.Messages.Text(Msg::LanguageSaved));
    EXPECT_NE(ReadText(folder / "Saved.txt").find("\r\nDE Scan for viruses\r\n"), std::string::npos);
    w.renderer.ChooseFile(std::nullopt);
    window.xpButton3->Click();
    EXPECT_EQ(w.renderer.PendingAnswers(), 0u);

    window.xpButton2->Click();
    EXPECT_EQ(w.Setting(), "Default");
    EXPECT_EQ(w.started, std::vector<std::string>{w.context.Env.ProgramFile});
    EXPECT_TRUE(w.app.Terminated());
    EXPECT_EQ(w.exitCodes, std::vector<int>{1});
}
