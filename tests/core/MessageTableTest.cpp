#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "core/MessageTable.h"

namespace {

// One row a line, in row order, 8-bit as shipped (row 104 holds two 0x92 bytes).
std::string GoldenPath()
{
    const std::string here = __FILE__;
    std::string path = here.substr(0, here.rfind("MessageTableTest.cpp")) + "golden/messages.txt";
#ifdef _WIN32
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path; // Wine shows the Linux root as drive Z:
#endif
    return path;
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
