#include <gtest/gtest.h>

#include "database/DatabaseFile.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"

TEST(PathRoots, NameThePrefixFoldersWithoutTrailingBackslash)
{
    EXPECT_EQ(WindowsFolder(), "C:\\windows");
    EXPECT_EQ(SystemFolder(), "C:\\windows\\system32");
    EXPECT_EQ(ProgramFilesFolder(), "C:\\Program Files");
    const std::string documents = DocumentsFolder();
    EXPECT_FALSE(documents.empty());
    EXPECT_TRUE(DirectoryExists(documents)) << documents;
}

TEST(PathRoots, RootKeysByCode)
{
    const HKEY fallback = reinterpret_cast<HKEY>(static_cast<uintptr_t>(0x1234));
    EXPECT_EQ(RootKeyOf(0, fallback), HKEY_CLASSES_ROOT);
    EXPECT_EQ(RootKeyOf(1, fallback), HKEY_CURRENT_USER);
    EXPECT_EQ(RootKeyOf(2, fallback), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(RootKeyOf(3, fallback), HKEY_USERS);
    EXPECT_EQ(RootKeyOf(4, fallback), HKEY_CURRENT_CONFIG);
    EXPECT_EQ(RootKeyOf(5, fallback), fallback);
    EXPECT_EQ(RootKeyOf(-1, fallback), fallback);
}

TEST(ProgramFolder, IsTheExecutablesFolderWithABackslash)
{
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(ModuleFileName().rfind(folder, 0), 0u);
    EXPECT_EQ(ModuleFileName().find('\\', folder.size()), std::string::npos);
}
