#include <gtest/gtest.h>

#include <vector>

#include "core/FolderPlaceholders.h"

namespace {

// Names each folder after where it comes from, and records what was asked.
struct FakeFolders {
    std::vector<std::string> asked;
    std::optional<std::string> operator()(const FolderRef& ref)
    {
        std::string name;
        switch (ref.source) {
        case FolderSource::TempFolder:
            name = "T:\\TEMP";
            break;
        case FolderSource::SpecialFolder:
            name = "C:\\csidl" + std::to_string(ref.csidl);
            break;
        case FolderSource::Documents:
            name = "C:\\docs";
            break;
        case FolderSource::CommonFiles:
            name = "C:\\common";
            break;
        case FolderSource::WindowsDrive:
            name = "D:";
            break;
        case FolderSource::UserName:
            name = "alice";
            break;
        }
        asked.push_back(name);
        return name;
    }
};

std::string Expand(const std::string& text)
{
    FakeFolders folders;
    return ExpandFolderPlaceholders(text, [&](const FolderRef& r) { return folders(r); });
}

} // namespace

TEST(FolderPlaceholders, ExpandsEveryLongAndShortForm)
{
    const std::pair<const char*, const char*> cases[] = {
        {"%%WinTemp%%\\x.exe", "T:\\TEMP\\x.exe"},
        {"%%wt%%", "T:\\TEMP"},
        {"%%PersonalFolder%%|%%pf%%", "C:\\csidl5|C:\\csidl5"},
        {"%%user%%|%%User%%", "alice|alice"},
        {"%%FavoritesFolder%%|%%ff%%", "C:\\csidl6|C:\\csidl6"},
        {"%%StartupFolder%%|%%sf%%", "C:\\csidl7|C:\\csidl7"},
        {"%%StartmenuFolder%%|%%stf%%", "C:\\csidl11|C:\\csidl11"},
        {"%%DesktopFolder%%|%%df%%", "C:\\csidl16|C:\\csidl16"},
        {"%%CommonStartmenuFolder%%|%%csf%%", "C:\\csidl22|C:\\csidl22"},
        {"%%CommonProgramsFolder%%|%%cpf%%", "C:\\csidl23|C:\\csidl23"},
        {"%%CommonStartupFolder%%", "C:\\csidl24"},
        {"%%CommonDesktopdirectoryFolder%%|%%cdf%%", "C:\\csidl25|C:\\csidl25"},
        {"%%CommonAppdataFolder%%|%%caf%%", "C:\\csidl35|C:\\csidl35"},
        {"%%AppdataFolder%%|%%af%%", "C:\\csidl26|C:\\csidl26"},
        {"%%TemplatesFolder%%|%%tf%%", "C:\\csidl21|C:\\csidl21"},
        {"%%InternetCacheFolder%%|%%icf%%", "C:\\csidl32|C:\\csidl32"},
        {"%%CookiesFolder%%|%%ckf%%", "C:\\csidl33|C:\\csidl33"},
        {"%%HistoryFolder%%|%%hf%%", "C:\\csidl34|C:\\csidl34"},
        {"%%ProfileFolder%%|%%prf%%", "C:\\csidl40|C:\\csidl40"},
        {"%%CommonFilesFolder%%|%%cff%%", "C:\\common|C:\\common"},
        {"%%MyDocuments%%|%%md%%", "C:\\docs|C:\\docs"},
        {"%%root%%\\boot.ini|%%rt%%", "D:\\boot.ini|D:"},
        // Left as written: other letter case, single percent signs, no placeholder at all.
        {"%%WINTEMP%%\\x", "%%WINTEMP%%\\x"},
        {"%windir%\\a%%b", "%windir%\\a%%b"},
        {"c:\\plain\\path.exe", "c:\\plain\\path.exe"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Expand(text), expected) << text;
}

TEST(FolderPlaceholders, AsksOnlyForWhatTheTextHoldsAndStopsOnAnError)
{
    FakeFolders folders;
    EXPECT_EQ(ExpandFolderPlaceholders("%%df%%\\a", [&](const FolderRef& r) { return folders(r); }), "C:\\csidl16\\a");
    EXPECT_EQ(folders.asked, std::vector<std::string>{"C:\\csidl16"});

    // The user name fails: the expansion stops there, with the earlier forms replaced.
    const auto failing = [](const FolderRef& r) -> std::optional<std::string> {
        if (r.source == FolderSource::UserName)
            return std::nullopt;
        return std::string("X");
    };
    EXPECT_EQ(ExpandFolderPlaceholders("%%WinTemp%%\\%%user%%\\%%df%%", failing), "X\\%%user%%\\%%df%%");
}
