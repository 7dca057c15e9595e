#include <gtest/gtest.h>

#include "Planted.h"
#include "core/UpperFilters.h"
#include "database/PathRoots.h"
#include "platform/RegistryKey.h"
#include "systools/KeyboardFilters.h"

using namespace std::string_literals;

namespace {

std::vector<std::string> Names()
{
    std::vector<std::string> names;
    for (const KeyboardFilterRow& row : ScanKeyboardFilterDriver())
        names.push_back(row.Name + "|" + row.Path);
    return names;
}

const auto Yes = [](const std::string&) { return true; };

} // namespace

TEST(KeyboardFilters, ListsFiltersAfterTheFirstNameWithTheirFiles)
{
    SavedUpperFilters saved;
    const std::string system = SystemFolder();
    const std::string inDrivers = system + "\\Drivers\\pyrkbda.sys";
    const std::string inSystem = system + "\\pyrkbdb.sys";
    ASSERT_TRUE(CopyFileA(FixturePath("idle_process.exe").c_str(), inDrivers.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(FixturePath("idle_process.exe").c_str(), inSystem.c_str(), FALSE));

    saved.Set("kbdclass\0\0"s);
    EXPECT_TRUE(Names().empty());

    saved.Set("kbdclass\0pyrkbda\0pyrkbdb\0pyrkbdc\0\0"s);
    EXPECT_EQ(Names(), (std::vector<std::string>{"pyrkbda|" + inDrivers, "pyrkbdb|" + inSystem,
                                                 "pyrkbdc|" + std::string(FileNotFoundText)}));

    // Removing the middle name keeps the others and renames its file.
    bool asked = false;
    EXPECT_TRUE(DelKBf({"pyrkbdb", inSystem}, [&](const std::string& q) {
        asked = q == "Disable [pyrkbdb] ?";
        return true;
    }));
    EXPECT_TRUE(asked);
    EXPECT_EQ(saved.Get(), "kbdclass\0pyrkbda\0pyrkbdc\0\0"s);
    EXPECT_EQ(GetFileAttributesA(inSystem.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((inSystem + ".del").c_str()), INVALID_FILE_ATTRIBUTES);

    // A "No" changes nothing; a filter without a file only leaves the registry.
    EXPECT_FALSE(DelKBf({"pyrkbda", inDrivers}, [](const std::string&) { return false; }));
    EXPECT_EQ(saved.Get(), "kbdclass\0pyrkbda\0pyrkbdc\0\0"s);
    EXPECT_TRUE(DelKBf({"pyrkbdc", FileNotFoundText}, Yes));
    EXPECT_EQ(saved.Get(), "kbdclass\0pyrkbda\0\0"s);
    EXPECT_NE(GetFileAttributesA(inDrivers.c_str()), INVALID_FILE_ATTRIBUTES);

    DeleteFileA(inDrivers.c_str());
    DeleteFileA((inSystem + ".del").c_str());
}

TEST(KeyboardFilters, ValuesThatCannotBeReadWholeAreLeftAlone)
{
    SavedUpperFilters saved;
    std::string longValue = "kbdclass\0"s;
    for (int i = 0; i < 30; ++i)
        longValue += "pyrfilter" + std::to_string(i) + '\0';
    longValue += '\0';
    ASSERT_GT(longValue.size(), UpperFiltersBufferSize);

    const struct {
        std::string data;
        DWORD type;
    } cases[] = {{longValue, REG_MULTI_SZ}, {"kbdclass filt\0"s, REG_SZ}, {"\1\0\0\0"s, REG_DWORD}};
    for (const auto& c : cases) {
        saved.Set(c.data, c.type);
        EXPECT_TRUE(ScanKeyboardFilterDriver().empty()) << c.type;
        EXPECT_FALSE(DelKBf({"pyrfilter3", FileNotFoundText}, Yes));
        EXPECT_EQ(saved.Get(), c.data);
    }
    // Binary data is read like a multi-string.
    saved.Set("kbdclass\0pyrbin\0\0"s, REG_BINARY);
    EXPECT_EQ(Names(), std::vector<std::string>{"pyrbin|" + std::string(FileNotFoundText)});
}
