#include <gtest/gtest.h>

#include <vector>

#include "RandomBytes.h"
#include "TestFolder.h"
#include "core/QuarantineCipher.h"
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

TEST(CopyFileBlocks, ShortReadsAreToppedUpToWholeBlocksForTheCipher)
{
    TestFolder folder;
    const std::vector<uint8_t> bytes = RandomBytes(3 * QuarantineChunkSize + 5, 7);
    const std::string source = folder.Write("source.bin", std::string(bytes.begin(), bytes.end()));
    std::vector<uint8_t> onePass = bytes;
    QuarantineCipher().Inverse(onePass.data(), onePass.size());

    // Reads of 1 to 13 bytes, as a network file may give them.
    size_t nextLength = 0;
    QuarantineCipher cipher;
    BlockCopyOptions options;
    options.BlockSize = QuarantineChunkSize;
    options.Read = [&](void* file, uint8_t* data, size_t length, size_t& got) {
        nextLength = nextLength % 13 + 1;
        DWORD read = 0;
        const bool ok = ReadFile(file, data, static_cast<DWORD>(std::min(length, nextLength)), &read, nullptr);
        got = read;
        return ok != FALSE;
    };
    std::vector<size_t> transformed;
    options.Transform = [&](uint8_t* data, size_t length) {
        transformed.push_back(length);
        cipher.Inverse(data, length);
    };
    const std::string stored = folder / "stored.bin";
    ASSERT_TRUE(CopyFileBlocks(source, stored, options));
    EXPECT_EQ(transformed, (std::vector<size_t>{QuarantineChunkSize, QuarantineChunkSize, QuarantineChunkSize, 5}));
    EXPECT_EQ(Content(stored), std::string(onePass.begin(), onePass.end()));

    options.Read = [](void*, uint8_t*, size_t, size_t&) { return false; };
    options.RemovePartial = true;
    EXPECT_FALSE(CopyFileBlocks(source, folder / "failed.bin", options));
    EXPECT_FALSE(FileExists(folder / "failed.bin"));
}
