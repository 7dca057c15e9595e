#include <gtest/gtest.h>

#include <set>

#include "core/LanguageFile.h"

namespace {

MemoryStream Text(const std::string& text)
{
    return MemoryStream(text);
}

} // namespace

TEST(LanguageFile, MessageRowsFollowTheShippedOrderThenTheAddedRows)
{
    const std::vector<int>& rows = LanguageMessageRows();
    ASSERT_GT(rows.size(), 30u);
    const std::vector<int> start = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 128, 21};
    EXPECT_EQ(std::vector<int>(rows.begin(), rows.begin() + start.size()), start);
    const auto at = [&rows](int row) { return std::find(rows.begin(), rows.end(), row) - rows.begin(); };
    EXPECT_EQ(at(129), at(26) + 1);
    EXPECT_EQ(at(131), at(44) + 1);
    EXPECT_EQ(at(136), at(57) + 1);
    EXPECT_EQ(at(58), at(137) + 1);
    EXPECT_EQ(at(134), at(59) + 1);
    EXPECT_EQ(at(60), at(135) + 1);
    EXPECT_EQ(at(138), at(127) + 1);
    EXPECT_EQ(at(170), at(168) + 1);
    EXPECT_EQ(at(FirstAddedRow), at(179) + 1);
    EXPECT_EQ(rows.back(), MessageCount - 1);

    const std::set<int> distinct(rows.begin(), rows.end());
    EXPECT_EQ(distinct.size(), rows.size());
    for (int row = 0; row < MessageCount; ++row)
        EXPECT_EQ(distinct.count(row), row == 169 || (row >= 180 && row < FirstAddedRow) ? 0u : 1u) << row;
}

TEST(LanguageFile, HeaderLinesUpToBeginAreSkippedAndWithoutBeginNothingIsRead)
{
    MemoryStream header = Text("Deutsch\r\nby someone\r\nbegin():x\r\nbegin():\r\nErster\r\n_end\r\n");
    LanguageReader reader(header);
    ASSERT_TRUE(reader.SkipHeader());
    EXPECT_EQ(reader.NextText(), "Erster");

    // "begin():" as the very last line is never read, as no last line is.
    for (const char* text : {"", "no header end\r\nFirst\r\n", "Title\r\nbegin():\r\n", "begin():"}) {
        MemoryStream none = Text(text);
        LanguageReader without(none);
        EXPECT_FALSE(without.SkipHeader()) << text;
    }
}

TEST(LanguageFile, TextsPastTheEndAreEndAndDamagedLinesCannotBreakAWindow)
{
    const std::string long_(300, 'x');
    MemoryStream text = Text("begin():\r\nTab\there\x01\x7f!\r\nA|B\r\n" + long_ + "\r\nlast\r\n");
    LanguageReader reader(text);
    ASSERT_TRUE(reader.SkipHeader());
    EXPECT_EQ(reader.NextText(), "Tabhere!");
    EXPECT_EQ(reader.NextMessage(), "A\rB");
    EXPECT_EQ(reader.NextText(), std::string(254, 'x'));
    reader.NextText();                    // the rest of that line
    EXPECT_EQ(reader.NextText(), "_end"); // "last" ends the text, so it is never read
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.NextText(), "_end");
}

TEST(LanguageFile, MessagesRoundTripAndAFileWithoutTheAddedRowsKeepsThem)
{
    MessageTable english;
    english.Row(FirstAddedRow) = "two\rlines";
    MemoryStream full = Text(std::string(LanguageBegin) + "\r\n" + LanguageMessageLines(english));
    LanguageReader reader(full);
    ASSERT_TRUE(reader.SkipHeader());
    MessageTable read;
    for (int row : LanguageMessageRows())
        read.Row(row) = "changed";
    ReadLanguageMessages(reader, read);
    for (int row = 0; row < MessageCount; ++row)
        EXPECT_EQ(read.Row(row), english.Row(row)) << row;

    // The shipped rows only: the added ones keep their texts. Ending one row early
    // makes the last shipped row "_end", as every text past the end.
    std::string shipped = "begin():\r\n";
    for (int row : LanguageMessageRows())
        if (row < FirstAddedRow)
            shipped += "T" + std::to_string(row) + "\r\n";
    for (bool complete : {true, false}) {
        MemoryStream file = Text(complete ? shipped + "_end\r\n" : shipped);
        LanguageReader shippedReader(file);
        ASSERT_TRUE(shippedReader.SkipHeader());
        MessageTable messages;
        ReadLanguageMessages(shippedReader, messages);
        EXPECT_EQ(messages.Row(0), "T0");
        EXPECT_EQ(messages.Row(178), "T178");
        EXPECT_EQ(messages.Row(179), complete ? "T179" : "_end");
        EXPECT_EQ(messages.Row(169), english.Row(169));
        EXPECT_EQ(messages.Row(190), english.Row(190));
        EXPECT_EQ(messages.Row(FirstAddedRow), MessageTable().Row(FirstAddedRow));
        EXPECT_EQ(messages.Row(MessageCount - 1), english.Row(MessageCount - 1));
    }
}
