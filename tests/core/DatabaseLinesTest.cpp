#include <gtest/gtest.h>

#include "core/DatabaseLines.h"

TEST(DatabaseLines, TagsSetTheRootAndEachLineIsClassedOnItsOwn)
{
    RecordRoots roots(RootFolders{"C:\\W", "C:\\W\\system32", "C:\\Program Files"});
    struct Step {
        const char* line;
        LineKind kind;
        const char* root;
    };
    const Step steps[] = {
        {"[X]:a.exe", LineKind::Record, ""},
        {"[System32Root]\\drivers\\", LineKind::Root, "C:\\W\\system32\\drivers\\"},
        {"[Bad.A]:evil.sys", LineKind::Record, "C:\\W\\system32\\drivers\\"},
        {"[Win32Root]", LineKind::Root, "C:\\W"},
        {"[ProgramFiles32Root]\\Acme", LineKind::Root, "C:\\Program Files\\Acme"},
        {"[Start]", LineKind::Root, ""},
        {"[Win32Root]", LineKind::Root, "C:\\W"},
        {"[Start]anything", LineKind::Root, ""},
        {" [Win32Root]", LineKind::Record, ""}, // a tag counts only at the first character
        {"[win32root]", LineKind::Record, ""},
        {"[System32Root]", LineKind::Root, "C:\\W\\system32"},
        {"_end", LineKind::End, "C:\\W\\system32"},
        {"_end ", LineKind::Record, "C:\\W\\system32"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(roots.Feed(step.line), step.kind) << step.line;
        EXPECT_EQ(roots.Root(), step.root) << step.line;
    }
}
