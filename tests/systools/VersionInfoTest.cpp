#include <gtest/gtest.h>

#include "Fixtures.h"
#include "systools/VersionInfo.h"

TEST(VersionInfo, ReadsTheFirstTranslationUntilTheFirstMissingKey)
{
    const struct {
        const char* file;
        std::vector<std::string> keys;
        const char* company;
    } cases[] = {
        {"version_full.exe",
         {"CompanyName", "FileDescription", "FileVersion", "InternalName", "LegalCopyright", "OriginalFilename",
          "ProductName", "ProductVersion"},
         "Zentrova Test"},
        {"version_gap.exe", {"CompanyName", "FileDescription"}, "Gap company"},
        {"idle_process.exe", {}, ""},
    };
    for (const auto& c : cases) {
        TGetVersionInfoFromFile info;
        info.SetFile(FixturePath(c.file));
        EXPECT_EQ(info.VersionFile, FixturePath(c.file));
        EXPECT_EQ(info.VersionKeys.Lines(), c.keys) << c.file;
        EXPECT_EQ(info.VersionValues.Count(), info.VersionKeys.Count());
        EXPECT_EQ(info.ValueOf("companyNAME"), c.company) << c.file;
    }
    TGetVersionInfoFromFile gap;
    gap.SetFile(FixturePath("version_gap.exe"));
    EXPECT_EQ(gap.ValueOf("LegalCopyright"), ""); // present, but after the missing key

    TGetVersionInfoFromFile full;
    full.SetFile(FixturePath("version_full.exe"));
    EXPECT_EQ(full.ValueOf("LEGALCOPYRIGHT"), "Copyright (C) Microsoft Corp. 2026");
    EXPECT_EQ(full.ValueOf("Comments"), "");

    full.SetFile(FixturePath("missing.exe"));
    EXPECT_EQ(full.VersionFile, "");
    EXPECT_EQ(full.VersionKeys.Count(), 0);
    EXPECT_EQ(full.VersionValues.Count(), 0);
}
