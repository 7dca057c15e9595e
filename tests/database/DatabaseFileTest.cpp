#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/Bzip2.h"
#include "core/DatabaseText.h"
#include "core/StreamCipher.h"
#include "database/DatabaseFile.h"

namespace {

const std::string Text = "2026-12-10                       \r\n[A]:a.exe\r\n_end\r\n";

std::string Enciphered(std::string bytes)
{
    auto* p = reinterpret_cast<uint8_t*>(bytes.data());
    Encrypt(p, bytes.size(), p, DatabaseKey, bytes.size());
    return bytes;
}

} // namespace

TEST(LoadDatabase, PlainAndCompressedFilesGiveTheSameStream)
{
    TestFolder dir;
    const std::vector<uint8_t> packed = CompressBytes(reinterpret_cast<const uint8_t*>(Text.data()), Text.size());
    const std::string plain = dir.Write("plain.dat", Enciphered(Text));
    const std::string compressed = dir.Write("packed.dat", Enciphered(std::string(packed.begin(), packed.end())));

    MemoryStream a, b;
    ASSERT_TRUE(LoadDatabase(plain, a));
    ASSERT_TRUE(LoadDatabase(compressed, b));
    EXPECT_EQ(a.Text(), Text);
    EXPECT_EQ(b.Text(), Text);
    EXPECT_EQ(DatabaseDate(b, "Error"), "2026-12-10" + std::string(23, ' '));
}

TEST(LoadDatabase, AMissingFileLeavesTheStreamAlone)
{
    TestFolder dir;
    MemoryStream db(Text);
    EXPECT_FALSE(LoadDatabase(dir / "files.dat", db));
    EXPECT_EQ(db.Text(), Text);
}

TEST(MergeUpdate, MergesAPieceFileAndSavesTheResult)
{
    TestFolder dir;
    MemoryStream db(Text);
    const std::string piece =
        dir.Write("Upd.dat", Enciphered("2026-12-11                       \r\n[B]:b.exe\r\n_end\r\n"));
    ASSERT_TRUE(MergeUpdate(piece, db));
    const std::string merged = "2026-12-11                       \r\n[A]:a.exe\r\n[B]:b.exe\r\n_end\r\n";
    EXPECT_EQ(db.Text(), merged);

    const std::string bad = dir.Write("bad.dat", Enciphered("2026\r\n[C]:c.exe\r\n"));
    EXPECT_FALSE(MergeUpdate(bad, db));
    EXPECT_FALSE(MergeUpdate(dir / "missing.dat", db));
    EXPECT_EQ(db.Text(), merged);

    const std::string files = dir.Write("files.dat", "old");
    ASSERT_TRUE(SaveDatabase(db, files));
    MemoryStream back;
    ASSERT_TRUE(LoadDatabase(files, back));
    EXPECT_EQ(back.Text(), merged);
    EXPECT_EQ(GetFileAttributesA((files + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}
