#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "ConsoleCommands.h"
#include "ConsoleCopy.h"
#include "TestFolder.h"
#include "core/DatabaseText.h"
#include "core/StreamCipher.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"
#include "shell/Language.h"
#include "shell/Settings.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return std::string(bytes.begin(), bytes.end());
}

std::string Enciphered(std::string text)
{
    Encrypt(reinterpret_cast<const uint8_t*>(text.data()), text.size(), reinterpret_cast<uint8_t*>(text.data()),
            DatabaseKey, text.size());
    return text;
}

} // namespace

TEST(ConsoleLanguage, ExportsTheTemplateAndEveryCommandSpeaksTheChosenLanguage)
{
    TestFolder folder;
    std::ostringstream out, err;
    ASSERT_EQ(RunConsoleCommand({"language", "export", folder / "Default.txt"}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "language template written to " + (folder / "Default.txt") + "\n");
    const std::string exported = ReadText(folder / "Default.txt");
    ASSERT_EQ(exported.rfind("begin():\r\n", 0), 0u);
    EXPECT_NE(exported.find("\r\nScan for viruses\r\n"), std::string::npos);
    EXPECT_NE(exported.find("\r\n: Scanning, please wait...\r\n"), std::string::npos);
    EXPECT_NE(RunConsoleCommand({"language"}, out, err), 0);
    EXPECT_NE(RunConsoleCommand({"language", "export", folder / "no such folder\\x.txt"}, out, err), 0);

    // Every line but the header and the last gets a mark, enciphered as shipped, in a
    // language only this copy of the program has, so other runs stay in English.
    std::string text;
    for (size_t start = 0, end; (end = exported.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = exported.substr(start, end - start);
        text += (start == 0 || end + 2 == exported.size() ? line : "XX " + line) + "\r\n";
    }
    const std::string name = "ConsoleTest" + std::to_string(GetCurrentProcessId()) + ".vlng";
    std::filesystem::create_directory(folder / LanguageFolderName);
    folder.Write(std::string(LanguageFolderName) + "\\" + name, Enciphered(text));
    // A database without records: the scan reads the machine but can hit nothing, so it
    // ends no other test's programs.
    std::string date = "01.01.2026";
    date.resize(DateLineBytes - 2, ' ');
    folder.Write("files.dat", Enciphered(date + "\r\n_end\r\n"));
    std::filesystem::copy_file(ProgramFolder() + "RegBase.rgk", folder / "RegBase.rgk");

    const std::string before = ChosenLanguage(LanguageSettingKey);
    ASSERT_TRUE(WriteChosenLanguage(LanguageSettingKey, name));
    std::string md5, scan;
    const DWORD md5Code = RunCopy(folder, "md5 nothing-here.txt", md5);
    const DWORD scanCode = RunCopy(folder, "scan", scan);
    if (before.empty()) {
        RegKey options;
        if (options.Open(HKEY_CURRENT_USER, LanguageSettingKey, KEY_SET_VALUE))
            options.DeleteValue(LanguageValue);
    } else {
        WriteChosenLanguage(LanguageSettingKey, before);
    }
    EXPECT_EQ(md5Code, 2u);
    EXPECT_NE(md5.find("nothing-here.txtXX : cannot read the file"), std::string::npos) << md5;
    EXPECT_EQ(scanCode, 0u) << scan;
    EXPECT_NE(scan.find("XX : Scanning, please wait..."), std::string::npos) << scan;
}
