#include <gtest/gtest.h>

#include "TestFolder.h"
#include "platform/RegistryKey.h"
#include "scan/RegBase.h"

namespace {

// Two keys of the current user, private to one test, and a base that lists them.
class PlantedBase {
public:
    explicit PlantedBase(const TestFolder& dir, const std::string& count = "2")
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::string("Software\\PyrafixTest\\") + info->name();
        EXPECT_TRUE(first.Create(HKEY_CURRENT_USER, root_ + "\\Run"));
        EXPECT_TRUE(second.Create(HKEY_CURRENT_USER, root_ + "\\RunOnce"));
        path = dir.Write("RegBase.rgk",
                         count + "\r\n1\r\n" + root_ + "\\Run\r\nRun\r\n1\r\n" + root_ + "\\RunOnce\r\nRunOnce\r\n");
    }
    ~PlantedBase()
    {
        first.Close();
        second.Close();
        RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
    }
    RegKey first;
    RegKey second;
    std::string path;

private:
    std::string root_;
};

std::vector<std::string> Names(const std::string& base)
{
    std::vector<std::string> names;
    EnumStartupValues([&](const StartupValue& v) { names.push_back(v.ValueName + "=" + v.ValueData); }, base);
    return names;
}

} // namespace

TEST(RegBase, EnumeratesStringValuesInFileOrder)
{
    TestFolder dir;
    PlantedBase base(dir);
    ASSERT_TRUE(base.first.WriteString("a", "C:\\a.exe"));
    const DWORD number = 5;
    RegSetValueExA(base.first.Get(), "n", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    ASSERT_TRUE(base.second.WriteString("b", "%windir%\\b.exe"));

    EXPECT_EQ(Names(base.path), (std::vector<std::string>{"a=C:\\a.exe", "b=%windir%\\b.exe"}));
    EXPECT_FALSE(EnumStartupValues([](const StartupValue&) {}, dir / "missing.rgk"));

    // A count of 3 with two entries yields both and stops; a count of 0 yields nothing.
    PlantedBase promising(dir, "3");
    EXPECT_EQ(Names(promising.path).size(), 2u);
    PlantedBase empty(dir, "0");
    EXPECT_TRUE(Names(empty.path).empty());
}

TEST(RegBase, RemovesValuesByPathOrFileName)
{
    TestFolder dir;
    PlantedBase base(dir, "3"); // promises one entry more than it holds
    ASSERT_TRUE(base.first.WriteString("quoted", "\"C:\\TEMP\\A.EXE\" /background"));
    ASSERT_TRUE(base.first.WriteString("folder", "C:\\Temp"));
    ASSERT_TRUE(base.first.WriteString("other", "C:\\Temp\\b.exe"));
    ASSERT_TRUE(base.second.WriteString("bare", "A.EXE"));
    ASSERT_TRUE(base.second.WriteString("again", "c:\\temp\\a.exe"));

    EXPECT_TRUE(RemoveStartupValuesFor("C:\\Temp\\a.exe", base.path));
    EXPECT_EQ(Names(base.path), (std::vector<std::string>{"folder=C:\\Temp", "other=C:\\Temp\\b.exe"}));
    EXPECT_FALSE(RemoveStartupValuesFor("C:\\Temp\\a.exe", base.path));
    EXPECT_FALSE(RemoveStartupValuesFor("", base.path));
    EXPECT_FALSE(RemoveStartupValuesFor("C:\\Temp\\b.exe", dir / "missing.rgk"));

    // A folder path has no file-name part: only data containing the folder goes.
    ASSERT_TRUE(base.second.WriteString("inside", "C:\\Temp\\Sub\\c.exe"));
    EXPECT_TRUE(RemoveStartupValuesFor("C:\\Temp\\Sub\\", base.path));
    EXPECT_EQ(Names(base.path).size(), 2u);
}
