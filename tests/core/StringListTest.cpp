#include <gtest/gtest.h>

#include "core/StringList.h"

TEST(StringList, SortedListOrdersIgnoringCaseAndDropsDuplicates)
{
    StringList list(true);
    EXPECT_GE(list.Add("beta"), 0);
    EXPECT_GE(list.Add("Alpha"), 0);
    EXPECT_EQ(list.Add("ALPHA"), -1);
    EXPECT_GE(list.Add("gamma"), 0);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], "Alpha");
    EXPECT_EQ(list[1], "beta");
    EXPECT_EQ(list.IndexOf("GAMMA"), 2);
    EXPECT_EQ(list.Text(), "Alpha\r\nbeta\r\ngamma\r\n");
}

TEST(StringList, PlainListKeepsOrderAndDuplicates)
{
    StringList list;
    list.Add("b");
    list.Add("a");
    list.Add("B");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], "b");
    EXPECT_EQ(list.IndexOf("A"), 1);
    list.Delete(0);
    EXPECT_EQ(list[0], "a");
}
