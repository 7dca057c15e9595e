// The files beside the program as someone else may leave them: empty, cut short,
// a folder in their place, held open by another program, or larger than a gigabyte.
// Each gives its clear message or is passed over, and nothing else changes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ConsoleCopy.h"
#include "TestFolder.h"
#include "core/DatabaseText.h"
#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"
#include "scan/RegBase.h"

namespace {

std::string Shipped(const std::string& name)
{
    return FileText(ProgramFolder() + name);
}

// One way of spoiling the file at `path`; the handle keeps it held when it is.
struct Spoil {
    const char* name;
    std::function<UniqueHandle(const std::string& path, const std::string& real)> make;
};

UniqueHandle WriteText(const std::string& path, const std::string& text)
{
    EXPECT_TRUE(WriteWholeFile(path, text.data(), text.size()));
    return UniqueHandle();
}

const Spoil Spoils[] = {
    {"empty", [](const std::string& path, const std::string&) { return WriteText(path, ""); }},
    {"cut in half",
     [](const std::string& path, const std::string& real) { return WriteText(path, real.substr(0, real.size() / 2)); }},
    {"a folder",
     [](const std::string& path, const std::string&) {
         EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
         return UniqueHandle();
     }},
    {"held by another program",
     [](const std::string& path, const std::string& real) {
         WriteText(path, real);
         return UniqueHandle(
             CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
     }},
    {"over a gigabyte",
     [](const std::string& path, const std::string& real) {
         WriteText(path, real);
         UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
         LARGE_INTEGER size;
         size.QuadPart = (int64_t(1) << 30) + 12345;
         EXPECT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get()));
         return UniqueHandle();
     }},
};

// What the spoiled file looks like, so that the test sees it unchanged afterwards.
std::string Fingerprint(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return "gone";
    return std::to_string(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) + ":" +
           std::to_string((uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

} // namespace

TEST(HostileFiles, ADamagedOrHeldDatabaseStopsTheScanWithItsMessage)
{
    const std::string real = Shipped("files.dat");
    ASSERT_GT(real.size(), 100u);
    for (const Spoil& spoil : Spoils) {
        SCOPED_TRACE(spoil.name);
        TestFolder dir;
        const std::string path = dir / "files.dat";
        UniqueHandle held = spoil.make(path, real);
        const std::string before = Fingerprint(path);
        std::string errors;
        EXPECT_EQ(RunCopy(dir, "scan", errors), 2u);
        EXPECT_TRUE(errors.find("cannot read the database") != std::string::npos ||
                    errors.find("is damaged or is not a Pyrafix database") != std::string::npos)
            << errors;
        EXPECT_EQ(Fingerprint(path), before);
    }
    // Cut at every length, it never loads as a whole database.
    TestFolder dir;
    for (size_t length = 0; length < real.size(); ++length) {
        const std::string path = dir / "files.dat";
        WriteText(path, real.substr(0, length));
        MemoryStream loaded;
        ASSERT_TRUE(LoadDatabase(path, loaded)) << length;
        EXPECT_FALSE(IsCompleteDatabaseText(loaded)) << length;
    }
}

TEST(HostileFiles, AnUnreadableQuarantineIndexIsReportedAndNothingIsDeleted)
{
    const std::string real = "C:\\a\\b.exe\r\nC:\\q\\b.exe\r\nWorm\r\n10.12.2026, 12:00:00\r\n\r\n";
    for (const Spoil& spoil : Spoils) {
        SCOPED_TRACE(spoil.name);
        TestFolder dir;
        CreateDirectoryA((dir / "Quarantine").c_str(), nullptr);
        const std::string kept = dir.Write("Quarantine\\b.exe", "a stored copy");
        const std::string path = dir / "Quarantine.info";
        UniqueHandle held = spoil.make(path, real);
        const std::string before = Fingerprint(path);
        const bool readable = spoil.name == std::string("empty") || spoil.name == std::string("cut in half");
        std::string errors;
        EXPECT_EQ(RunCopy(dir, "quarantine list", errors), readable ? 0u : 2u) << errors;
        if (!readable) {
            EXPECT_NE(errors.find("Quarantine.info"), std::string::npos) << errors;
        }
        EXPECT_EQ(Fingerprint(path), before);
        // Clearing deletes what the index lists; an index that cannot be read lists nothing.
        if (!readable) {
            (void)RunCopy(dir, "quarantine clear", errors);
            EXPECT_EQ(FileText(kept), "a stored copy");
        }
    }
}

TEST(HostileFiles, AnUnreadableRegistryBaseIsPassedOver)
{
    const std::string real = Shipped("RegBase.rgk");
    for (const Spoil& spoil : Spoils) {
        SCOPED_TRACE(spoil.name);
        TestFolder dir;
        const std::string path = dir / "RegBase.rgk";
        UniqueHandle held = spoil.make(path, real);
        const std::string before = Fingerprint(path);
        int values = 0;
        const bool read = EnumStartupValues([&](const StartupValue&) { ++values; }, path);
        if (spoil.name != std::string("cut in half")) {
            EXPECT_TRUE(!read || values == 0) << values;
        }
        EXPECT_EQ(Fingerprint(path), before);
    }
}
