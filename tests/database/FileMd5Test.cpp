#include <gtest/gtest.h>

#include <random>

#include "Md5Of.h"
#include "TestFolder.h"
#include "database/DatabaseFile.h"
#include "database/FileHelpers.h"
#include "database/FileMd5.h"

namespace {

const char EmptyMd5[] = "d41d8cd98f00b204e9800998ecf8427e";

std::string Text(const std::string& path)
{
    return Md5Text(FileMd5(path));
}

} // namespace

TEST(FileMd5, DigestsTheWholeFile)
{
    TestFolder dir;
    EXPECT_EQ(Text(dir.Write("abc.txt", "abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Text(dir.Write("empty.txt", "")), EmptyMd5);
}

TEST(FileMd5, AnythingUnreadableGivesTheEmptyDigest)
{
    TestFolder dir;
    EXPECT_EQ(Text(dir / "missing.exe"), EmptyMd5);
    EXPECT_EQ(Text(""), EmptyMd5);
    EXPECT_EQ(Text(dir.Path()), EmptyMd5); // a folder

    const std::string locked = dir.Write("locked.bin", "some content");
    HANDLE h = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Text(locked), EmptyMd5);
    CloseHandle(h);
    EXPECT_NE(Text(locked), EmptyMd5);
}

TEST(FileMd5, ReadsAFileOpenForWritingWithSharing)
{
    TestFolder dir;
    const std::string path = dir / "busy.log";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, 0,
                           nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(h, "abc", 3, &written, nullptr));
    EXPECT_EQ(Text(path), "900150983cd24fb0d6963f7d28e17f72");
    ASSERT_TRUE(WriteFile(h, "def", 3, &written, nullptr));
    EXPECT_EQ(Text(path), Md5Text(Md5Of("abcdef", 6)));
    CloseHandle(h);
}

TEST(FileMd5, ReadsAFileAnotherProcessHoldsOpenForWriting)
{
    TestFolder dir;
    const std::string path = dir / "held.log";
    std::string command = "\"" + ProgramFolder() + "hold_file.exe\" \"" + path + "\" 30 shared";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr, &si, &pi));
    const std::string text = "held open by another process";
    for (int i = 0; i < 200 && FileSizeOf(path) < static_cast<int64_t>(text.size()); ++i)
        Sleep(50);
    EXPECT_EQ(Text(path), Md5Text(Md5Of(text.data(), text.size())));
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST(FileMd5, BlocksCoverFilesLargerThanOneBlock)
{
    TestFolder dir;
    std::mt19937 gen(7);
    std::string content((1 << 20) + 12345, '\0');
    for (char& c : content)
        c = static_cast<char>(gen());
    const std::string path = dir.Write("big.bin", content);
    const Md5Digest expected = Md5Of(content.data(), content.size());
    EXPECT_EQ(ReadFileMd5(path, 65536), expected);
    EXPECT_EQ(FileMd5(path), expected);
}
