#include <gtest/gtest.h>

#include <vector>

#include "TestFolder.h"
#include "platform/FileSystem.h"
#include "quarantine/CopyFileBlocks.h"

namespace {

std::string Content(const std::string& path)
{
    std::vector<uint8_t> bytes;
    return ReadWholeFile(path, bytes) ? std::string(bytes.begin(), bytes.end()) : "<unreadable>";
}

} // namespace

TEST(CopyFileBlocks, CopiesBlockByBlockAndKeepsTheWindowAlive)
{
    TestFolder folder;
    const std::string content(5000, 'q');
    const std::string source = folder.Write("source.bin", content);
    const std::string destination = folder.Write("destination.bin", "older and longer than nothing");
    int pumps = 0;
    BlockCopyOptions options;
    options.ProcessMessages = [&] { ++pumps; };
    ASSERT_TRUE(CopyFileBlocks(source, destination, options));
    EXPECT_EQ(Content(destination), content);
    EXPECT_EQ(pumps, 3); // 2048 + 2048 + 904 bytes

    options.Transform = [](uint8_t* data, size_t length) {
        for (size_t i = 0; i < length; ++i)
            data[i] ^= 0x20;
    };
    ASSERT_TRUE(CopyFileBlocks(source, destination, options));
    EXPECT_EQ(Content(destination), std::string(5000, 'Q'));
}

TEST(CopyFileBlocks, AFailureNeverRemovesAFileThatWasThere)
{
    TestFolder folder;
    const std::string source = folder.Write("source.bin", "new");
    const std::string existing = folder.Write("existing.bin", "the user's");
    BlockCopyOptions options;
    options.CreateNew = true;
    options.RemovePartial = true;
    EXPECT_FALSE(CopyFileBlocks(source, existing, options));
    EXPECT_EQ(Content(existing), "the user's");
    EXPECT_FALSE(CopyFileBlocks(folder / "missing.bin", existing, options));
    EXPECT_EQ(Content(existing), "the user's");
}
