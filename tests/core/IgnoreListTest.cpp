#include <gtest/gtest.h>

#include "core/IgnoreList.h"

namespace {

const std::string SomeMd5 = "0123456789abcdef0123456789abcdef";

} // namespace

TEST(IgnoreList, ReadsWritesAndMatchesFilesByPathOrMd5AndFoldersByPathOnly)
{
    IgnoreList list;
    std::string error;
    ASSERT_TRUE(list.Parse("0123456789ABCDEF0123456789abcdef|Tro.A\r\n\nC:\\Tools\\Keep.EXE|Riskware|x\n"
                           "\\\\server\\share\\dir\\|Folder.B\r\n",
                           error))
        << error;
    ASSERT_EQ(list.Entries().size(), 3u);
    EXPECT_EQ(list.Text(), SomeMd5 + "|Tro.A\r\nC:\\Tools\\Keep.EXE|Riskware|x\r\n\\\\server\\share\\dir|Folder.B\r\n");
    EXPECT_TRUE(list.HasMd5Entries());

    EXPECT_TRUE(list.IgnoresFile("c:\\tools\\keep.exe", "ffffffffffffffffffffffffffffffff"));
    EXPECT_TRUE(list.IgnoresFile("D:\\elsewhere\\copy.bin", SomeMd5));
    EXPECT_FALSE(list.IgnoresFile("C:\\Tools\\Keep.exe.bak", "ffffffffffffffffffffffffffffffff"));
    EXPECT_TRUE(list.IgnoresFolder("\\\\SERVER\\share\\dir\\"));
    EXPECT_FALSE(list.IgnoresFolder("\\\\server\\share"));
    // A folder is never passed over for an MD5 entry, even one equal to the text it is given.
    EXPECT_FALSE(list.IgnoresFolder(SomeMd5));

    ASSERT_TRUE(list.Remove(1));
    EXPECT_FALSE(list.HasMd5Entries());
    EXPECT_FALSE(list.Remove(3));
    EXPECT_FALSE(list.Remove(0));
    EXPECT_EQ(list.Entries().size(), 2u);
}

TEST(IgnoreList, ADamagedLineRefusesTheWholeListByItsNumber)
{
    const char* const bad[] = {
        "no bar at all", "relative\\path.exe|Name",  "0123456789abcdef0123456789abcde|Short.SomeMd5", "C:\\ok.exe|",
        "|Name",         "C:\\tab\tinside.exe|Name",
    };
    for (const char* line : bad) {
        IgnoreList list;
        std::string error;
        ASSERT_TRUE(list.Parse(SomeMd5 + "|Kept\n", error));
        EXPECT_FALSE(list.Parse(SomeMd5 + "|Tro.A\r\n\r\n" + line + "\r\n", error)) << line;
        EXPECT_EQ(error.rfind("line 3: ", 0), 0u) << line << ": " << error;
        EXPECT_EQ(list.Text(), SomeMd5 + "|Kept\r\n") << line;
    }
    IgnoreList list;
    EXPECT_FALSE(list.Add({"C:\\a.exe", "two\r\nlines"}));
    EXPECT_FALSE(list.Add({"C:\\a|b.exe", "Bar"}));
    EXPECT_TRUE(list.Entries().empty());
}
