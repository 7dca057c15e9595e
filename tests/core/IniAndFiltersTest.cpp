#include <gtest/gtest.h>

#include "core/IniLines.h"
#include "core/UpperFilters.h"

TEST(IniLines, ListsDriverLinesTrimmedAndLowerCased)
{
    const std::string content = "[boot]\r\n   DeviceX=Foo.DRV  \r\n;LOAD=old.exe\r\nrun=\nshell=explorer.exe\r\n"
                                "; comment\r\n;runner\rdevices=x";
    const std::vector<IniRow> rows = IniRowsOf(content);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].Text, "devicex=foo.drv");
    EXPECT_TRUE(rows[0].Checked);
    EXPECT_EQ(rows[1].Text, ";load=old.exe");
    EXPECT_FALSE(rows[1].Checked);
    EXPECT_EQ(rows[2].Text, "run=");
    EXPECT_EQ(rows[3].Text, ";runner");
    EXPECT_EQ(rows[4].Text, "devices=x");
    EXPECT_TRUE(IniRowsOf("").empty());
}

TEST(IniLines, TogglingAndRewriting)
{
    std::string line;
    EXPECT_TRUE(ToggledIniLine({"devicex=foo.drv", false}, line));
    EXPECT_EQ(line, ";devicex=foo.drv");
    EXPECT_TRUE(ToggledIniLine({";load=old.exe", true}, line));
    EXPECT_EQ(line, "load=old.exe");
    EXPECT_FALSE(ToggledIniLine({"run=", true}, line));
    EXPECT_FALSE(ToggledIniLine({";run=", false}, line));
    EXPECT_FALSE(ToggledIniLine({NoAdditionalDriverText, false}, line));

    EXPECT_EQ(RewriteIniContent("[Boot]\r\n  Device=A.DRV\r\nShell=X\ndevice=a.drv", "device=a.drv", ";device=a.drv"),
              "[boot]\r\n;device=a.drv\r\nshell=x\r\n;device=a.drv\r\n");
}

TEST(UpperFilters, WalkSkipsTheFirstNameAndRemovalKeepsIt)
{
    using namespace std::string_literals;
    const std::string one = UpperFiltersBuffer("kbdclass\0\0"s);
    EXPECT_TRUE(UpperFilterNames(one).empty());

    const std::string three = UpperFiltersBuffer("kbdclass\0 filtA \0filtB\0filtC\0\0"s);
    EXPECT_EQ(UpperFilterNames(three), (std::vector<std::string>{"filtA", "filtB", "filtC"}));
    EXPECT_EQ(UpperFiltersWithout(three, "filtB"), "kbdclass\0filtA\0filtC\0\0"s);
    EXPECT_EQ(UpperFiltersWithout(three, "filtC"), "kbdclass\0filtA\0filtB\0\0"s);
    // The first name is never offered, so removing it by name changes nothing about it.
    EXPECT_EQ(UpperFiltersWithout(three, "kbdclass"), "kbdclass\0filtA\0filtB\0filtC\0\0"s);
    EXPECT_EQ(UpperFiltersWithout(UpperFiltersBuffer("a\0b\0b\0\0"s), "b"), "a\0\0"s);
    // Names stay whole whatever they hold: removing one never splits another.
    EXPECT_EQ(UpperFiltersWithout(UpperFiltersBuffer("kbd:class\0a:b\0c\0\0"s), "c"), "kbd:class\0a:b\0\0"s);

    // A value that ends without its terminators runs into the blanks, which are trimmed.
    EXPECT_EQ(UpperFilterNames(UpperFiltersBuffer("a\0last"s)), std::vector<std::string>{"last"});
    // Data that fills the whole buffer: the walk stops at byte 260.
    const std::string full = UpperFiltersBuffer("a\0"s + std::string(300, 'x'));
    ASSERT_EQ(full.size(), UpperFiltersBufferSize);
    EXPECT_EQ(UpperFilterNames(full), std::vector<std::string>{std::string(258, 'x')});
}
