#include <gtest/gtest.h>

#include "TestFolder.h"
#include "shell/ProgramRoles.h"

namespace {

FILETIME WriteTimeOf(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

} // namespace

TEST(ProgramRoles, TheUpgraderWritesItsImageOnceAndRetriesOnlyTheMove)
{
    TestFolder folder;
    const std::string target = folder.Write("pyrafix.exe", "old version");
    const std::string staged = target + ".new";
    const std::string text = "the new version's image";
    // The old program still runs from its file.
    HANDLE running = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(running, INVALID_HANDLE_VALUE);

    int pauses = 0;
    FILETIME firstWrite{};
    ReplaceProgramFile(target, std::vector<uint8_t>(text.begin(), text.end()), [&] {
        ++pauses;
        EXPECT_EQ(FileText(staged), text) << pauses;
        const FILETIME written = WriteTimeOf(staged);
        if (pauses == 1)
            firstWrite = written;
        EXPECT_EQ(CompareFileTime(&written, &firstWrite), 0) << "written again before pause " << pauses;
        EXPECT_EQ(FileText(target), "<unreadable>");
        if (pauses == 3)
            CloseHandle(running); // the old program exits
        Sleep(20);
    });
    EXPECT_EQ(pauses, 3);
    EXPECT_EQ(FileText(target), text);
    EXPECT_EQ(GetFileAttributesA(staged.c_str()), INVALID_FILE_ATTRIBUTES);
}
