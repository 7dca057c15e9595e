#include <gtest/gtest.h>

#include "TestFolder.h"
#include "database/FileHelpers.h"
#include "scan/FolderListings.h"

namespace {

std::string ShortNameOf(const std::string& path)
{
    char buffer[MAX_PATH] = "";
    const DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? buffer : "";
}

} // namespace

// The listings may only ever say "nothing" where the system finds nothing too; where
// they cannot tell, the system is asked.
TEST(FolderListings, SaysNothingOnlyWhereTheSystemFindsNothing)
{
    TestFolder dir;
    CreateDirectoryA((dir / "Sub Folder").c_str(), nullptr);
    const std::string file = dir.Write("Sub Folder\\Long Program Name.exe", "x");
    dir.Write("plain.dll", "x");
    const std::string shortFile = ShortNameOf(file);

    struct Case {
        std::string Path;
        bool Nothing; // what the listings must say
    };
    const std::vector<Case> cases = {
        {dir / "plain.dll", false},
        {dir / "PLAIN.DLL", false},
        {dir / "Sub Folder", false},
        {dir / "sub folder\\long program name.EXE", false},
        {dir / "absent.dll", true},
        {dir / "absent\\deeper\\file.exe", true},
        {dir / "plain.dll\\below.exe", true}, // a file on the way
        {dir / "absent.dll.", false},         // the system drops trailing dots and blanks
        {dir / "plain.dll ", false},
        {dir / "Sub Folder\\..\\plain.dll", false},
        {dir / ".\\plain.dll", false},
        {dir / "pl*.dll", false},
        {dir / "plain.dll:stream", false},
        {dir.Path() + "\\\\plain.dll", false},
        {dir / "", false},
        {"plain.dll", false},
        {"\\\\server\\share\\plain.dll", false},
        {"\\\\?\\" + (dir / "absent.dll"), false},
        {dir / "caf\xe9.exe", false}, // beyond ASCII: the code page decides
    };
    FolderListings listings;
    for (const Case& c : cases) {
        EXPECT_EQ(listings.NamesNothing(c.Path), c.Nothing) << c.Path;
        if (c.Nothing) {
            EXPECT_EQ(GetFileAttributesA(c.Path.c_str()), INVALID_FILE_ATTRIBUTES) << c.Path;
        }
    }
    // Short names are read where a name could be one, whatever its form.
    ASSERT_FALSE(shortFile.empty());
    EXPECT_FALSE(listings.NamesNothing(shortFile)) << shortFile;

    // Each folder is read once; a file made afterwards is left for the next scan.
    const size_t read = listings.FoldersRead();
    const std::string late = dir.Write("late.exe", "x");
    EXPECT_TRUE(listings.NamesNothing(late));
    EXPECT_EQ(listings.FoldersRead(), read);
    EXPECT_FALSE(FolderListings().NamesNothing(late));
}

// A wildcard listing is skipped only where no name in the folder, long or short,
// starts with the text before the wildcard.
TEST(FolderListings, SaysAWildcardMatchesNothingOnlyWhereTheSystemListsNothing)
{
    TestFolder dir;
    CreateDirectoryA((dir / "Sub Folder").c_str(), nullptr);
    const std::string file = dir.Write("Sub Folder\\Long Program Name.exe", "x");
    dir.Write("plain.dll", "x");
    std::string shortName = ShortNameOf(file);
    shortName = shortName.substr(shortName.find_last_of('\\') + 1);
    ASSERT_NE(shortName.find('~'), std::string::npos) << shortName;

    struct Case {
        std::string Pattern;
        bool Nothing;
    };
    const std::vector<Case> cases = {
        {dir / "pl<>.dll", false},
        {dir / "PLAIN<>", false},
        {dir / "plain.<>", false}, // the text before a dot does not count alone
        {dir / "zz<>.dll", true},
        {dir / "plainer<>.dll", true},
        {dir / "absent\\ab<>.exe", true},
        {dir / "plain.dll\\ab<>.exe", true},
        {dir / "<>.dll", false},
        {dir / "Sub Folder\\Long<>.exe", false},
        {dir / "Sub Folder\\" + shortName.substr(0, shortName.find('~') + 1) + "<>", false},
        {dir / "Sub Folder\\..\\zz<>.dll", false},
        {"zz<>.dll", false},
    };
    FolderListings listings;
    for (const Case& c : cases) {
        EXPECT_EQ(listings.MatchesNothing(c.Pattern), c.Nothing) << c.Pattern;
        if (c.Nothing) {
            EXPECT_EQ(ListMatching(c.Pattern), "") << c.Pattern;
        }
    }
}

// A folder that cannot be listed vouches for nothing.
TEST(FolderListings, AFolderThatCannotBeListedIsLeftToTheSystem)
{
    FolderListings listings;
    char drive = 0;
    for (char d = 'Z'; d > 'C' && !drive; --d)
        if (!(GetLogicalDrives() & (1u << (d - 'A'))))
            drive = d;
    ASSERT_NE(drive, 0);
    EXPECT_FALSE(listings.NamesNothing(std::string(1, drive) + ":\\absent\\file.exe"));
}
