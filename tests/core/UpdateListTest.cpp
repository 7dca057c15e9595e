#include <gtest/gtest.h>

#include "core/UpdateList.h"

TEST(UpdateList, ReadsTheSixLines)
{
    const ListPage page =
        ReadListPage("Pyrafix Pro\r\n01.05.2010, Upd 15\r\nPyrafix Pro v8 - SE\r\nunused\r\n1\r\n10\r\n");
    EXPECT_TRUE(page.Valid);
    EXPECT_EQ(page.DatabaseDate, "01.05.2010, Upd 15");
    EXPECT_EQ(page.ProgramVersion, "Pyrafix Pro v8 - SE");
    EXPECT_TRUE(page.LogRequested);
    EXPECT_EQ(page.PieceBase, "10");

    const ListPage shortPage = ReadListPage("Pyrafix Pro\n01.05.2010\n");
    EXPECT_TRUE(shortPage.Valid);
    EXPECT_EQ(shortPage.DatabaseDate, "01.05.2010");
    EXPECT_FALSE(shortPage.LogRequested);
    EXPECT_EQ(shortPage.PieceBase, "");

    for (const char* invalid : {"", "pyrafix pro\r\n", "Pyrafix Pro \r\n", "<html>404</html>"})
        EXPECT_FALSE(ReadListPage(invalid).Valid) << invalid;
    EXPECT_FALSE(ReadListPage("Pyrafix Pro\r\nd\r\nv\r\n\r\n 1\r\n").LogRequested); // exactly "1"
    EXPECT_EQ(page.HashesMd5, "");
}

TEST(UpdateList, ASeventhLineNamesHashesDatByItsMd5)
{
    const std::string head = "Pyrafix Pro\r\nd\r\nv\r\n\r\n0\r\n\r\n";
    EXPECT_EQ(ReadListPage(head + "0123456789ABCDEF0123456789abcdef\r\n").HashesMd5,
              "0123456789abcdef0123456789abcdef");
    for (const char* other : {"", "0123456789abcdef", "hashes.dat", "0123456789abcdef0123456789abcdeg"})
        EXPECT_EQ(ReadListPage(head + other + "\r\n").HashesMd5, "") << other;
}

TEST(UpdateList, UpdateNumbers)
{
    struct Case {
        const char* text;
        int number;
    } cases[] = {
        {"01.05.2010, Upd 12", 12},
        {"01.05.2010, Upd 1.234", 1234},  // dots and blanks go
        {"01.05.2010, Upd 12   ", 12},    // the padded date line
        {"01.05.2010, Upd 1, Upd 2", 12}, // every marker goes
        {"01.05.2010", 0},
        {"01.05.2010, Upd x", 0},
        {"01.05.2010, Upd ", 0},
        {"01.05.2010, Upd 99999999999", 0}, // too long to be a number here
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpdateNumber(c.text), c.number) << c.text;
    EXPECT_EQ(DecimalOrZero("13"), 13);
    EXPECT_EQ(DecimalOrZero("-1"), 0);
    EXPECT_TRUE(SameDatabaseDate("01.05.2010, Upd 12        ", "01.05.2010, Upd 12"));
    EXPECT_FALSE(SameDatabaseDate("01.05.2010, Upd 12", "01.05.2010, Upd 13"));
}

TEST(UpdateList, UpgradeProgress)
{
    struct Case {
        int64_t total, readed;
        int position;
    } cases[] = {
        {1000, 5, 0},
        {1000, 10, 1},
        {1000, 11, 1},
        {1000, 25, 2},
        {1000, 1000, 99},
        {1050, 1050, 100}, // more steps than the bar holds
        {50, 0, 0},
        {50, 25, 50},
        {50, 50, 99},
        {0, 300, 0},
        {0, 0, 0},
        // counts past the whole, up to the largest, never overflow
        {50, INT64_MAX / 10, 99},
        {1000, INT64_MAX, 100},
        {1000, INT64_MAX - 5, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UpgradeProgressPosition(c.total, c.readed), c.position) << c.total << " " << c.readed;
}
