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
        {"ab", "!!ab!", true}, // an empty fragment looks for nothing
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
