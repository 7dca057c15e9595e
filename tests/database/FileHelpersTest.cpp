#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "database/PathRoots.h"

TEST(FileUsable, DosTimeOrMoreThanTenReadableBytes)
{
    TestFolder dir;
    const std::string small = dir.Write("small.exe", "12345");
    const std::string smallFuture = dir.Write("small2200.exe", "12345");
    const std::string bigFuture = dir.Write("big2200.exe", std::string(20, 'x'));
    const std::string smallPast = dir.Write("small1970.exe", "12345");
    ASSERT_TRUE(SetWriteYear(smallFuture, 2200));
    ASSERT_TRUE(SetWriteYear(bigFuture, 2200));
    ASSERT_TRUE(SetWriteYear(smallPast, 1975));

    EXPECT_TRUE(FileUsable(small));
    EXPECT_FALSE(FileUsable(smallFuture));
    EXPECT_TRUE(FileUsable(bigFuture));
    EXPECT_FALSE(FileUsable(smallPast));
    EXPECT_FALSE(FileUsable(dir.Path()));
    EXPECT_FALSE(FileUsable(dir / "missing.exe"));
    EXPECT_FALSE(FileUsable(""));
}

TEST(FileUsable, APathWithASecondDriveInsideNamesNothing)
{
    TestFolder dir;
    const std::string file = dir.Write("there.exe", "12345");
    EXPECT_FALSE(FileUsable(SystemFolder() + "\\" + file)); // as command resolution builds it
    EXPECT_TRUE(FileUsable("\\\\?\\" + file));              // one drive, after the long-path prefix
}

TEST(FileSizeOf, ZeroWhenTheFileCannotBeOpened)
{
    TestFolder dir;
    const std::string file = dir.Write("f.bin", std::string(1234, 'x'));
    EXPECT_EQ(FileSizeOf(file), 1234);
    EXPECT_EQ(FileSizeOf(dir / "missing"), 0);
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(FileSizeOf(file), 0);
    CloseHandle(h);
}

TEST(ListMatching, ListsTheFilesOfTheFirstWildcard)
{
    TestFolder dir;
    dir.Write("ab1.exe", "x");
    dir.Write("ab2.exe", "x");
    dir.Write("abc.txt", "x");
    dir.Write("zz.exe", "x");
    const std::string old = dir.Write("ab3.exe", "x");
    ASSERT_TRUE(SetWriteYear(old, 2200));
    CreateDirectoryA((dir / "abdir.exe").c_str(), nullptr);
    int pumps = 0;

    const std::string found = ListMatching(dir / "ab<>.exe", [&] { ++pumps; });
    EXPECT_EQ(FieldCount(found, ';'), 2) << found;
    EXPECT_NE(found.find(dir / "ab1.exe;"), std::string::npos) << found;
    EXPECT_NE(found.find(dir / "ab2.exe;"), std::string::npos) << found;
    EXPECT_GE(pumps, 4);

    EXPECT_EQ(ListMatching(dir / "none<>.exe"), "");
    // The second marker is no wildcard: ab* followed by a literal "<>" names nothing here.
    EXPECT_EQ(ListMatching(dir / "ab<>1<>.exe"), "");
}

TEST(ResolveCommandFile, TurnsCommandLinesIntoExistingFiles)
{
    TestFolder dir;
    const std::string program = dir.Write("Tool Name.EXE", std::string(64, 'x'));
    const std::string windows = LowerCase(WindowsFolder());
    const std::string system = LowerCase(SystemFolder());
    const std::string notepad = windows + "\\notepad.exe";
    const std::string regedit = windows + "\\regedit.exe"; // in the Windows folder only
    ASSERT_TRUE(FileUsable(notepad));
    ASSERT_TRUE(FileUsable(regedit));
    ASSERT_TRUE(FileUsable(system + "\\notepad.exe"));
    ASSERT_FALSE(FileUsable(windows + "\\kernel32.dll"));
    // The test folder lies in the temporary folder; name it through the variables too.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string inTemp = program.substr(std::string(temp).size());
    ASSERT_TRUE(SetEnvironmentVariableA("PYRAFIX_TEST_FOLDER", dir.Path().c_str()));

    const std::pair<std::string, std::string> cases[] = {
        {"\"%windir%\\notepad.exe\" /s", notepad},
        {"%WINDIR%\\NOTEPAD.EXE", notepad},
        // %SystemRoot% is the Windows folder, as Windows writes service and Run commands.
        {"%SystemRoot%\\System32\\notepad.exe -k netsvcs", system + "\\notepad.exe"},
        {"%SystemRoot%\\regedit.exe", regedit},
        // Where that names nothing, the old reading of %systemroot% as System32 still holds.
        {"%systemroot%\\kernel32.dll,Entry", system + "\\kernel32.dll"},
        {"%systemdir%\\notepad.exe", system + "\\notepad.exe"},
        {"%winroot%\\regedit.exe", regedit},
        {"\"%TEMP%\\" + inTemp + "\" /min", LowerCase(program)},
        {"%Pyrafix_Test_Folder%\\Tool Name.EXE", LowerCase(program)},
        {"%PYRAFIX_NO_SUCH_VARIABLE%\\Tool Name.EXE", ""},
        // The NT forms of service image paths.
        {"\\SystemRoot\\System32\\notepad.exe", system + "\\notepad.exe"},
        {"\\??\\" + program, LowerCase(program)},
        {"regedit.exe", regedit},
        {"notepad.exe", system + "\\notepad.exe"}, // System32 is tried before the Windows folder
        {"kernel32.dll", system + "\\kernel32.dll"},
        {"\"" + program + "\" -a -b", LowerCase(program)},
        {"rundll32 " + program + ",Run", LowerCase(program)},
        {"c:\\no\\such\\file.exe /x", ""},
        {"", ""},
    };
    for (const auto& [command, expected] : cases)
        EXPECT_EQ(ResolveCommandFile(command), expected) << command;
    SetEnvironmentVariableA("PYRAFIX_TEST_FOLDER", nullptr);
}
