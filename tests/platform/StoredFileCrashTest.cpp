// The files the program rewrites in place (an INI file, pyrafix.exe under its
// upgrader, files.dat under an update), each rewrite ended at every crash point: the
// file is always the old one or the new one, whole, never a mix.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CrashChild.h"
#include "RandomBytes.h"
#include "TestFolder.h"
#include "core/DatabaseText.h"
#include "core/IniLines.h"
#include "database/DatabaseFile.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"

namespace {

std::string Text(const std::vector<uint8_t>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

std::string LoadedText(const std::string& path)
{
    MemoryStream loaded;
    if (!LoadDatabase(path, loaded))
        return "<does not load>";
    return std::string(reinterpret_cast<const char*>(loaded.Data()), loaded.Size());
}

std::string DatabaseTextOf(const std::string& date, int records)
{
    std::string text = date + std::string(DateLineBytes - 2 - date.size(), ' ') + "\r\n[System32Root]\r\n";
    for (int i = 0; i < records; ++i)
        text += "worm" + std::to_string(i) + ".exe\r\n";
    return text + "_end\r\n";
}

// Rewrites a file in a child ended at every crash point: `read` of the file after each
// run is `before` or, once the child ran to its end, always `after`.
void ExpectOldOrNew(const std::function<void()>& prepare, const std::string& arguments,
                    const std::function<std::string()>& read, const std::string& before, const std::string& after)
{
    ASSERT_NE(before, after);
    CrashAtEveryPoint(
        [&](long) {
            prepare();
            return arguments;
        },
        [&](long, bool completed) {
            const std::string now = read();
            if (completed) {
                EXPECT_EQ(now, after);
            } else {
                EXPECT_TRUE(now == before || now == after) << "a mix: " << now.substr(0, 200);
            }
        });
}

} // namespace

TEST(StoredFileCrash, EachRewriteLeavesTheOldFileOrTheNewWhole)
{
    TestFolder test;
    {
        SCOPED_TRACE("an INI line switched: a file of its own in the Windows folder, where the commands look");
        const std::string name = "pyrafix-crash-" + std::to_string(GetCurrentProcessId()) + ".ini";
        const std::string path = WindowsFolder() + "\\" + name;
        const std::string before = "[boot]\r\nshell=Explorer.exe\r\ndevice=vmm32.vxd\r\n;load=old.exe\r\n";
        ExpectOldOrNew([&] { EXPECT_TRUE(WriteWholeFile(path, before.data(), before.size())); },
                       "ini-change " + Quoted(name) + " ;load=old.exe load=old.exe", [&] { return FileText(path); },
                       before, RewriteIniContent(before, ";load=old.exe", "load=old.exe"));
        DeleteFileA(path.c_str());
    }
    {
        SCOPED_TRACE("pyrafix.exe written over by its upgrader");
        const std::string target = test / "pyrafix.exe", image = test / "image.bin";
        const std::string before = Text(RandomBytes(5000, 1)), after = Text(RandomBytes(300000, 2));
        ASSERT_TRUE(WriteWholeFile(image, after.data(), after.size()));
        ExpectOldOrNew([&] { EXPECT_TRUE(WriteWholeFile(target, before.data(), before.size())); },
                       "replace-program " + Quoted(target) + " " + Quoted(image), [&] { return FileText(target); },
                       before, after);
    }
    {
        SCOPED_TRACE("files.dat saved by an update: it loads, as the old database or the new");
        const std::string target = test / "files.dat", source = test / "new.txt";
        const std::string before = DatabaseTextOf("2026-12-01", 10), after = DatabaseTextOf("2026-12-10", 5000);
        ASSERT_TRUE(WriteWholeFile(source, after.data(), after.size()));
        ExpectOldOrNew([&] { EXPECT_TRUE(SaveDatabase(MemoryStream(before), target)); },
                       "save-database " + Quoted(source) + " " + Quoted(target), [&] { return LoadedText(target); },
                       before, after);
    }
}
