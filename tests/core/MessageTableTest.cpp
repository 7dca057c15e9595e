#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "SourcePath.h"
#include "core/MessageTable.h"

namespace {

// One row a line, in row order, 8-bit as shipped (row 104 holds two 0x92 bytes).
std::string GoldenPath()
{
    return SourcePath("tests/core/golden/messages.txt");
}

} // namespace

TEST(MessageTable, EveryRowIsTheGoldenText)
{
    std::ifstream golden(GoldenPath(), std::ios::binary);
    ASSERT_TRUE(golden) << GoldenPath();
    const MessageTable table;
    std::string line;
    int row = 0;
    for (; std::getline(golden, line); ++row) {
        ASSERT_LT(row, MessageCount) << "the golden file has more rows than the table";
        EXPECT_EQ(table.Row(row), line) << "row " << row;
    }
    EXPECT_EQ(row, MessageCount) << "the table has rows the golden file lacks";
}

TEST(MessageTable, NamesAddressTheirRowsAndNumbersOutsideTheTableThrow)
{
    MessageTable table;
    EXPECT_EQ(&table.Text(Msg::ScanningLine), &table.Row(8));
    EXPECT_EQ(&table.Text(Msg::Services198), &table.Row(198));
    table.Row(62) = "Letzte Aktualisierung: ";
    EXPECT_EQ(table.Text(Msg::LastUpdate), "Letzte Aktualisierung: ");
    EXPECT_THROW(table.Row(MessageCount), std::out_of_range);
    EXPECT_THROW(table.Row(-1), std::out_of_range);
}
