#include <gtest/gtest.h>

#include "core/ProcessNames.h"
#include "core/RegBaseText.h"

TEST(ParseRegBase, ReadsEntriesUntilALineIsNoInteger)
{
    const struct {
        const char* content;
        std::vector<std::string> keys;
    } cases[] = {
        {"0\r\n", {}},
        {"2\r\n1\r\nSoftware\\A\r\nx\r\n2\r\nSoftware\\B\r\ny\r\n", {"Software\\A", "Software\\B"}},
        // The count promises three entries; the third root code reads past the end.
        {"3\r\n1\r\nA\r\n\r\n2\r\nB\r\n\r\n", {"A", "B"}},
        {"2\n1\nA\nx\nroot\nB\nx\n", {"A"}},
        {"x\r\n1\r\nA\r\n\r\n", {}},
        {"", {}},
        // Unknown roots and empty key paths are left out; reading goes on after them.
        {"3\r\n9\r\nA\r\n\r\n1\r\n\r\n\r\n 4\r\nC\r\n\r\n", {"C"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> keys;
        for (const RegBaseEntry& e : ParseRegBase(c.content))
            keys.push_back(e.KeyPath);
        EXPECT_EQ(keys, c.keys) << c.content;
    }
    const std::vector<RegBaseEntry> entries = ParseRegBase("1\r\n2\r\nSoftware\\Run\r\n\r\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].RootCode, 2);
}

TEST(ProcessNameMatches, FileNamePartOrWholeNameIgnoringAsciiCase)
{
    EXPECT_TRUE(ProcessNameMatches("evil.exe", "EVIL.EXE"));
    EXPECT_TRUE(ProcessNameMatches("C:\\Dir\\Evil.exe", "evil.exe"));
    EXPECT_FALSE(ProcessNameMatches("evil.exe", "evil"));
    EXPECT_FALSE(ProcessNameMatches("\xe9vil.exe", "\xc9VIL.EXE"));
    EXPECT_TRUE(ProcessNameMatches("\xe9vil.exe", "\xe9VIL.EXE"));
}

TEST(ProcessPageTexts, CaptionAndReportLines)
{
    MessageTable messages{};
    EXPECT_EQ(ProcessCountCaption(messages, 3), messages.Text(Msg::ActiveProcesses) + "3).");
    const std::vector<std::string> rows(12, "C:\\a.exe");
    const std::vector<std::string> lines = ProcessReportLines(messages, rows);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], messages.Text(Msg::RunningProcesses) + "12)");
    EXPECT_EQ(lines[12], "C:\\a.exe");
    EXPECT_EQ(lines[13], "");
}
