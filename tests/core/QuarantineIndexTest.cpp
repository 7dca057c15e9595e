#include <gtest/gtest.h>

#include <set>

#include "core/PathText.h"
#include "core/QuarantineIndex.h"

namespace {

bool operator==(const TQFileList& a, const TQFileList& b)
{
    return a.FileName == b.FileName && a.StoredName == b.StoredName && a.Task == b.Task && a.Added == b.Added &&
           a.Checksum == b.Checksum;
}

} // namespace

TEST(QuarantineIndex, FiveCrLfLinesPerEntryReadBack)
{
    const std::vector<TQFileList> entries = {
        {"C:\\A\\x.exe", "C:\\P\\Quarantine\\x.exe", "Trojan.X", "10.12.2026, 01:02:03", "0af0"},
        {"C:\\B\\y.exe", "C:\\P\\Quarantine\\y.exe", "Unknown", "10.12.2026, 01:02:04", ""},
    };
    const std::string text = QuarantineIndexText(entries);
    EXPECT_EQ(text.substr(0, 45), "C:\\A\\x.exe\r\nC:\\P\\Quarantine\\x.exe\r\nTrojan.X\r\n");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n"); // the empty checksum is an empty line
    const auto back = ParseQuarantineIndex(text);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_TRUE(back[0] == entries[0]);
    EXPECT_TRUE(back[1] == entries[1]);
    EXPECT_TRUE(ParseQuarantineIndex("").empty());
}

TEST(QuarantineIndex, ReadsBareLfLinesAndAShortLastEntry)
{
    const auto entries = ParseQuarantineIndex("C:\\x.exe\nC:\\Q\\x.exe\nW\nT\nsum\nC:\\y.exe\r\nC:\\Q\\y.exe");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Checksum, "sum");
    EXPECT_EQ(entries[1].FileName, "C:\\y.exe");
    EXPECT_EQ(entries[1].StoredName, "C:\\Q\\y.exe");
    EXPECT_EQ(entries[1].Task, "");
}

TEST(QuarantineIndex, UniqueStoredNamesKeepTheExtension)
{
    std::set<std::string> taken = {"x.exe", "x (2).exe", "README", ".hidden"};
    auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
    EXPECT_EQ(UniqueStoredName("new.exe", isTaken), "new.exe");
    EXPECT_EQ(UniqueStoredName("x.exe", isTaken), "x (3).exe");
    EXPECT_EQ(UniqueStoredName("README", isTaken), "README (2)");
    EXPECT_EQ(UniqueStoredName(".hidden", isTaken), ".hidden (2)");
    EXPECT_EQ(UniqueStoredName("x.exe", [](const std::string&) { return true; }), "");
}
