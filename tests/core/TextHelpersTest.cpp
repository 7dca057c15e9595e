#include <gtest/gtest.h>

#include "core/RegistryRoots.h"
#include "core/TextHelpers.h"

TEST(TextHelpers, FieldsAreEndedBySeparators)
{
    struct Case {
        const char* text;
        char separator;
        int count;
        int n;
        const char* field;
    };
    const Case cases[] = {
        {"a?z?", '?', 2, 1, "z"},    {"a?z", '?', 1, 1, ""}, // a trailing part without separator is no field
        {"a?z", '?', 1, 0, "a"},     {"", '?', 0, 0, ""},
        {"??", '?', 2, 1, ""},       {"xAyaz", 'a', 2, 1, "y"}, // separators compare ignoring case
        {"one;two;", ';', 2, 5, ""}, {"one;two;", ';', 2, -1, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FieldCount(c.text, c.separator), c.count) << c.text;
        EXPECT_EQ(FieldAt(c.text, c.n, c.separator), c.field) << c.text << " field " << c.n;
    }
}

TEST(TextHelpers, LettersFollowTheAlphabetOrder)
{
    EXPECT_EQ(LetterIndex('a'), 1);
    EXPECT_EQ(LetterIndex('q'), 19);
    EXPECT_EQ(LetterIndex('z'), 26);
    EXPECT_EQ(LetterIndex('A'), 0);
    EXPECT_EQ(LetterIndex('1'), 0);
    EXPECT_EQ(LetterIndex('\0'), 0);
    EXPECT_EQ(LetterAt(LetterIndex('s') + 1), "q");
    EXPECT_EQ(LetterAt(LetterIndex('q') + 1), "t");
    EXPECT_EQ(LetterAt(25), "y");
    EXPECT_EQ(LetterAt(26), "");
    EXPECT_EQ(LetterAt(0), "");
    EXPECT_EQ(LettersOnly("aB3c-d"), "acd");
}

TEST(TextHelpers, DigitsAndBlanks)
{
    EXPECT_EQ(DigitValue('0'), 0);
    EXPECT_EQ(DigitValue('9'), 9);
    EXPECT_EQ(DigitValue('a'), 10);
    EXPECT_EQ(DigitsOnly("a1b22c"), "122");
    EXPECT_EQ(TrimRightBlanks("c:\\x \t  "), "c:\\x \t");
    EXPECT_EQ(TrimRightBlanks("   "), "");
}

TEST(TextHelpers, CaseAndReplacement)
{
    EXPECT_EQ(LowerCase("C:\\WINDOWS\\\xC4.EXE"), "c:\\windows\\\xC4.exe");
    EXPECT_TRUE(SameTextIgnoringCase("Abc", "aBC"));
    EXPECT_FALSE(SameTextIgnoringCase("Abc", "aBCd"));
    EXPECT_EQ(ReplaceAll("%a%%a%", "%a%", "%a%x"), "%a%x%a%x");
}

TEST(RegistryRoots, NamesTheFiveRootsAndLeavesOthersAlone)
{
    const char* names[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                           "HKEY_CURRENT_CONFIG"};
    for (int i = 0; i < 5; ++i) {
        std::string name;
        EXPECT_TRUE(RootNameOf(i, name));
        EXPECT_EQ(name, names[i]);
    }
    for (int other : {-1, 5, 100}) {
        std::string name = "unchanged";
        EXPECT_FALSE(RootNameOf(other, name));
        EXPECT_EQ(name, "unchanged");
    }
}

TEST(TextHelpers, SplitAtCommasKeepsEmptyAndUntrimmedPieces)
{
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(SplitAtCommas(""), Pieces{""});
    EXPECT_EQ(SplitAtCommas("a.dll,b.dll"), (Pieces{"a.dll", "b.dll"}));
    EXPECT_EQ(SplitAtCommas("a.dll, b.dll,"), (Pieces{"a.dll", " b.dll"}));
    EXPECT_EQ(SplitAtCommas(",,"), (Pieces{"", ""}));
}
