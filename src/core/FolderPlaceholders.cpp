#include "core/FolderPlaceholders.h"

#include "core/TextHelpers.h"

namespace {

struct Placeholder {
    const char* name;
    FolderRef folder;
};

constexpr FolderRef Special(int csidl)
{
    return {FolderSource::SpecialFolder, csidl};
}
constexpr FolderRef Temp{FolderSource::TempFolder, 0};
constexpr FolderRef User{FolderSource::UserName, 0};
constexpr FolderRef CommonFiles{FolderSource::CommonFiles, 0};
constexpr FolderRef Documents{FolderSource::Documents, 0};
constexpr FolderRef Drive{FolderSource::WindowsDrive, 0};

// Long forms first, in this order, then the short forms in theirs. "%%csf%%" is the
// all users' Start menu; the all users' Startup folder has no short form.
const Placeholder Placeholders[] = {
    {"%%WinTemp%%", Temp},
    {"%%PersonalFolder%%", Special(5)},
    {"%%user%%", User},
    {"%%User%%", User},
    {"%%FavoritesFolder%%", Special(6)},
    {"%%StartupFolder%%", Special(7)},
    {"%%StartmenuFolder%%", Special(11)},
    {"%%DesktopFolder%%", Special(16)},
    {"%%CommonStartmenuFolder%%", Special(22)},
    {"%%CommonProgramsFolder%%", Special(23)},
    {"%%CommonStartupFolder%%", Special(24)},
    {"%%CommonDesktopdirectoryFolder%%", Special(25)},
    {"%%CommonAppdataFolder%%", Special(35)},
    {"%%AppdataFolder%%", Special(26)},
    {"%%TemplatesFolder%%", Special(21)},
    {"%%InternetCacheFolder%%", Special(32)},
    {"%%CookiesFolder%%", Special(33)},
    {"%%HistoryFolder%%", Special(34)},
    {"%%ProfileFolder%%", Special(40)},
    {"%%CommonFilesFolder%%", CommonFiles},
    {"%%MyDocuments%%", Documents},
    {"%%root%%", Drive},

    {"%%wt%%", Temp},
    {"%%pf%%", Special(5)},
    {"%%User%%", User},
    {"%%user%%", User},
    {"%%ff%%", Special(6)},
    {"%%sf%%", Special(7)},
    {"%%stf%%", Special(11)},
    {"%%df%%", Special(16)},
    {"%%csf%%", Special(22)},
    {"%%cpf%%", Special(23)},
    {"%%cdf%%", Special(25)},
    {"%%caf%%", Special(35)},
    {"%%af%%", Special(26)},
    {"%%tf%%", Special(21)},
    {"%%icf%%", Special(32)},
    {"%%ckf%%", Special(33)},
    {"%%hf%%", Special(34)},
    {"%%prf%%", Special(40)},
    {"%%cff%%", CommonFiles},
    {"%%md%%", Documents},
    {"%%rt%%", Drive},
};

} // namespace

std::string ExpandFolderPlaceholders(const std::string& text, const FolderLookup& lookup)
{
    if (text.find("%%") == std::string::npos)
        return text;
    std::string result = text;
    for (const Placeholder& placeholder : Placeholders) {
        if (result.find(placeholder.name) == std::string::npos)
            continue;
        const std::optional<std::string> folder = lookup(placeholder.folder);
        if (!folder)
            return result;
        result = ReplaceAll(result, placeholder.name, *folder);
    }
    return result;
}
