#include <gtest/gtest.h>

#include "FakeRecordMachine.h"
#include "core/StartupPatterns.h"

TEST(StartupPatterns, FragmentsMustBeFoundInOrderAndTheRestFitTheSet)
{
    struct Case {
        const char *rest, *set;
        bool fits;
    };
    const Case cases[] = {
        {"123", "0123456789", true},
        {"12a", "0123456789", false},
        {"123.exe", "0123456789!.exe!", true},
        {"123.ex", "0123456789!.exe!", false}, // a fragment is missing
        {"a1b2", "12!a!b!", true},
        {"b1a2", "12!a!b!", false}, // fragments out of order
        {"1a2a", "12!a!a!", true},  // the second "a" is looked for after the first
        {"", "x", true},
        {"x", "", false},
        {"ab", "!!ab!", false}, // an empty fragment finds nothing
        {"ab", "ab!!", false},
        {"!", "x!", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitsCharacterSet(c.rest, c.set), c.fits) << c.rest << " / " << c.set;
}

TEST(StartupPatterns, ANameWithoutPatternMatchesNothing)
{
    FakeRecordMachine m;
    m.entries = {{"RegRun c:\\w\\a.exe", "c:\\w\\a.exe"}};
    EXPECT_EQ(StartupPatternMatches("c:\\w\\a.exe", m), "");
    EXPECT_EQ(StartupPatternMatches("c:\\w\\<>", m), "c:\\w\\a.exe;");
    // The mode comes from the file name alone, not from the folder.
    EXPECT_EQ(StartupPatternMatches("c:\\w&x\\a.exe", m), "");
}

TEST(StartupPatterns, FragmentAndSetPatternsNameOnlyWhatTheyFind)
{
    FakeRecordMachine m;
    m.entries = {{"RegRun c:\\w\\abcd.exe", "c:\\w\\abcd.exe"},
                 {"RegRun c:\\w\\xbc.exe", "c:\\w\\xbc.exe"},
                 {"RegRun c:\\other\\abcd.exe", "c:\\other\\abcd.exe"}};
    const std::pair<const char*, const char*> cases[] = {
        {"c:\\w\\a?c?.exe", "c:\\w\\abcd.exe;"}, // fragments in order, in the candidate's folder
        {"c:\\w\\c?a?", ""},                     // out of order
        {"c:\\w\\B?c?", "c:\\w\\abcd.exe;c:\\w\\xbc.exe;"},
        {"c:\\w\\?b?", ""}, // an empty fragment finds nothing
        {"c:\\w\\&abcdx.e", "c:\\w\\abcd.exe;c:\\w\\xbc.exe;c:\\w\\abcd.exe;"},
        {"c:\\w\\&abcdx.e!!", ""},
        {"c:\\w\\&abcdx.e!bc!!", ""},
    };
    for (const auto& [candidate, matches] : cases)
        EXPECT_EQ(StartupPatternMatches(candidate, m), matches) << candidate;
}
