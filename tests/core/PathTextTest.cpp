#include <gtest/gtest.h>

#include "core/PathText.h"

TEST(PathText, FolderAndFileNamePartsSplitAtEverySeparatorWindowsKnows)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* file;
    };
    const Case cases[] = {
        {"C:\\A\\x.exe", "C:\\A\\", "x.exe"},
        {"C:/A/x.exe", "C:/A/", "x.exe"},
        {"C:\\A/B\\x.exe", "C:\\A/B\\", "x.exe"},
        {"C:x.exe", "C:", "x.exe"}, // x.exe in the current folder of C:
        {"x.exe", "", "x.exe"},
        {"C:\\A\\", "C:\\A\\", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNamePart(c.path), c.file) << c.path;
        EXPECT_EQ(FolderPart(c.path) + FileNamePart(c.path), c.path) << c.path;
    }
}
