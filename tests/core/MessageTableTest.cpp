#include <gtest/gtest.h>

#include "core/MessageTable.h"

TEST(MessageTable, HoldsTheShippedTexts)
{
    MessageTable table;
    FillMessageTable(table);
    EXPECT_EQ(table[0], "Sending log...");
    EXPECT_EQ(table[2], "Error");
    EXPECT_EQ(table[18], "Click on \"Fix\" button to fix selected tasks.");
    EXPECT_EQ(table[35], "Clean...[%f sec]");
    EXPECT_EQ(table[62], "Last Update: ");
    EXPECT_EQ(table[104], "Your database is out of date, do you wan\x92\x92t to upgrade it?");
    EXPECT_EQ(table[198], "Services: (");
    for (int empty : {75, 130, 133, 169})
        EXPECT_TRUE(table[empty].empty()) << empty;
    int filled = 0;
    for (const std::string& text : table)
        filled += !text.empty();
    EXPECT_EQ(filled, MessageCount - 4);
}
