#include <gtest/gtest.h>

#include <windows.h>

#include "core/TextHelpers.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "scan/FolderPlaceholders.h"

TEST(MachineFolders, PlaceholdersExpandToThePrefixsRealFolders)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string tempFolder = temp;
    ASSERT_EQ(tempFolder.back(), '\\');
    tempFolder.pop_back();
    EXPECT_EQ(ExpandFolderPlaceholders("%%WinTemp%%\\x.exe"), tempFolder + "\\x.exe");
    EXPECT_EQ(ExpandFolderPlaceholders("%%root%%\\boot.ini"), "C:\\boot.ini");
    EXPECT_EQ(ExpandFolderPlaceholders("%%md%%"), DocumentsFolder());
    EXPECT_EQ(ExpandFolderPlaceholders("%%cff%%"), "C:\\Program Files\\Common Files");

    char user[257];
    DWORD size = sizeof user;
    ASSERT_TRUE(GetUserNameA(user, &size));
    EXPECT_EQ(ExpandFolderPlaceholders("%%user%%"), user);

    // Folders Wine makes in every prefix; each expands to a real folder. (Documents and
    // Desktop are links to the Linux home, which the shell reports with a trailing backslash.)
    for (const char* placeholder : {"%%sf%%", "%%stf%%", "%%df%%", "%%csf%%", "%%cpf%%", "%%CommonStartupFolder%%",
                                    "%%cdf%%", "%%caf%%", "%%af%%", "%%tf%%", "%%prf%%"}) {
        const std::string folder = ExpandFolderPlaceholders(placeholder);
        EXPECT_FALSE(folder.empty()) << placeholder;
        EXPECT_NE(folder.back(), '\\') << placeholder;
        EXPECT_TRUE(DirectoryExists(folder)) << placeholder << " -> " << folder;
    }
    EXPECT_NE(ExpandFolderPlaceholders("%%csf%%"), ExpandFolderPlaceholders("%%CommonStartupFolder%%"));
    EXPECT_TRUE(SameTextIgnoringCase(ExpandFolderPlaceholders("%%csf%%\\Programs\\Startup"),
                                     ExpandFolderPlaceholders("%%CommonStartupFolder%%")));
    EXPECT_TRUE(DirectoryExists(ExpandFolderPlaceholders("%%pf%%")));
    EXPECT_EQ(ExpandFolderPlaceholders("%%WINTEMP%%\\x"), "%%WINTEMP%%\\x");
}
