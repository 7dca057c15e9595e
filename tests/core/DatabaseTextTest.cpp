#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Bzip2.h"
#include "core/DatabaseText.h"
#include "core/StreamCipher.h"

namespace {

std::string DateLine(const std::string& date)
{
    return date + std::string(33 - date.size(), ' ') + "\r\n";
}

// Reads with both readers side by side: the view and the copy agree on every line.
std::vector<std::string> ReadAll(MemoryStream& stream)
{
    MemoryStream twin(stream.Bytes());
    twin.Seek(stream.Position());
    std::vector<std::string> lines;
    for (int guard = 0; guard < 1000; ++guard) {
        std::string line = ReadDatabaseLine(stream);
        EXPECT_EQ(NextDatabaseLine(twin), line);
        EXPECT_EQ(twin.Position(), stream.Position());
        if (line == EndLine)
            return lines;
        lines.push_back(line);
    }
    ADD_FAILURE() << "the reader never reached _end";
    return lines;
}

std::vector<uint8_t> Enciphered(std::vector<uint8_t> bytes)
{
    Encrypt(bytes.data(), bytes.size(), bytes.data(), DatabaseKey, bytes.size());
    return bytes;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace

TEST(DatabaseReader, ReadsLinesUntilEnd)
{
    MemoryStream db(DateLine("2026-12-10") + "rec one\r\n\r\nrec three\r\n_end\r\n");
    EXPECT_EQ(ReadAll(db), (std::vector<std::string>{"2026-12-10" + std::string(23, ' '), "rec one", "", "rec three"}));
}

TEST(DatabaseReader, TheLastLineOfTheStreamReadsAsEnd)
{
    // A record directly followed by the end of the text is never returned itself.
    MemoryStream withBreak("first\r\nlast\r\n");
    EXPECT_EQ(ReadAll(withBreak), std::vector<std::string>{"first"});
    MemoryStream withoutBreak("first\r\nlast");
    EXPECT_EQ(ReadAll(withoutBreak), std::vector<std::string>{"first"});
    MemoryStream empty;
    EXPECT_EQ(ReadDatabaseLine(empty), EndLine);
    MemoryStream past("abc\r\n");
    past.Seek(100);
    EXPECT_EQ(ReadDatabaseLine(past), EndLine);
}

TEST(DatabaseReader, AnOverLongLineNeverStallsTheReader)
{
    const std::string longest(254, 'x');
    MemoryStream fits("a\r\n" + longest + "\r\nb\r\n_end\r\n");
    EXPECT_EQ(ReadAll(fits), (std::vector<std::string>{"a", longest, "b"}));

    // 600 bytes without CR come back in pieces of 255 and reading goes on after them.
    MemoryStream tooLong("a\r\n" + std::string(600, 'y') + "\r\nb\r\n_end\r\n");
    const std::vector<std::string> lines = ReadAll(tooLong);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], std::string(255, 'y'));
    EXPECT_EQ(lines[3], std::string(90, 'y'));
    EXPECT_EQ(lines[4], "b");

    MemoryStream noBreakAtAll(std::string(1000, 'z'));
    EXPECT_EQ(ReadAll(noBreakAtAll).size(), 3u);
}

TEST(DatabaseReader, DateIsTheFirstLine)
{
    MemoryStream db(DateLine("2026-12-10") + "x\r\n_end\r\n");
    db.Seek(40);
    EXPECT_EQ(DatabaseDate(db, "Error"), "2026-12-10" + std::string(23, ' '));
    EXPECT_EQ(db.Position(), 35u);
    MemoryStream empty;
    EXPECT_EQ(DatabaseDate(empty, "Error"), "Error");
}

TEST(FindText, FindsIgnoringCaseFromAStart)
{
    MemoryStream stream("abc\r\nHello World\r\n");
    EXPECT_EQ(FindText("\r", stream, 0), 4);
    EXPECT_EQ(FindText("\r", stream, -1), 4);
    EXPECT_EQ(FindText("WORLD", stream, 0), 16);
    EXPECT_EQ(FindText("\r", stream, 4), 17);
    EXPECT_EQ(FindText("missing", stream, 0), -1);
    EXPECT_EQ(FindText("abc", stream, 1), -1);
    int pumps = 0;
    EXPECT_EQ(FindText("abc", stream, 0, [&] { ++pumps; }), 3);
    EXPECT_GT(pumps, 0);
}

TEST(LoadDatabaseBytes, CompressedAndPlainFilesLoadTheSameText)
{
    std::string text = DateLine("2026-12-10");
    for (int i = 0; i < 2000; ++i)
        text += "[Name" + std::to_string(i) + "]:file" + std::to_string(i) + ".exe\r\n";
    text += "_end\r\n";
    const std::vector<uint8_t> compressed = CompressBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    ASSERT_LT(compressed.size(), text.size());

    MemoryStream fromPlain, fromCompressed;
    LoadDatabaseBytes(Enciphered(Bytes(text)), fromPlain);
    LoadDatabaseBytes(Enciphered(compressed), fromCompressed);
    EXPECT_EQ(fromPlain.Text(), text);
    EXPECT_EQ(fromCompressed.Text(), text);
    EXPECT_EQ(fromCompressed.Position(), 0u);
}

TEST(LoadDatabaseBytes, DamagedCompressionLeavesTheDecipheredBytes)
{
    const std::string text = DateLine("d") + "_end\r\n";
    std::vector<uint8_t> truncated = CompressBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    truncated.resize(truncated.size() / 2);
    MemoryStream db;
    LoadDatabaseBytes(Enciphered(truncated), db);
    EXPECT_EQ(db.Bytes(), truncated);
}

TEST(DecompressStream, RefusesOutputPastTheLimit)
{
    const std::vector<uint8_t> zeros(1 << 20, 0);
    MemoryStream stream(CompressBytes(zeros.data(), zeros.size()));
    const std::vector<uint8_t> before = stream.Bytes();
    EXPECT_FALSE(DecompressStream(stream, 100000));
    EXPECT_EQ(stream.Bytes(), before);
    EXPECT_TRUE(DecompressStream(stream, 1 << 20));
    EXPECT_EQ(stream.Bytes(), zeros);
}

TEST(MergeUpdate, AppendsThePieceAfterTheOldRecords)
{
    MemoryStream db(DateLine("2026-01-01") + "old one\r\nold two\r\n_end\r\n");
    MemoryStream piece(DateLine("2026-02-02") + "new one\r\n_end\r\n");
    ASSERT_TRUE(MergeUpdateText(db, piece));
    EXPECT_EQ(db.Text(), DateLine("2026-02-02") + "old one\r\nold two\r\nnew one\r\n_end\r\n");

    MemoryStream second(DateLine("2026-03-03") + "newer\r\n_end\r\n");
    ASSERT_TRUE(MergeUpdateText(db, second));
    EXPECT_EQ(db.Text(), DateLine("2026-03-03") + "old one\r\nold two\r\nnew one\r\nnewer\r\n_end\r\n");
}

TEST(MergeUpdate, RefusesTextsThatWouldOverwriteRecords)
{
    const std::string good = DateLine("2026-01-01") + "old\r\n_end\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {good, "2026-02-02\r\nnew\r\n_end\r\n"},                          // the piece's date line is short
        {good, DateLine("2026-02-02") + "new\r\n"},                       // the piece has no _end line
        {"2026\r\nold\r\n_end\r\n", DateLine("x") + "_end\r\n"},          // the database's date line is short
        {DateLine("2026-01-01") + "old\r\n", DateLine("x") + "_end\r\n"}, // nor has it an _end line
        {good, ""},
        // a date line whose own last bytes read "_end": the "_end" line is not after it
        {std::string(29, ' ') + "_end\r\n", DateLine("2026-02-02") + "new\r\n_end\r\n"},
        {good, std::string(29, ' ') + "_end\r\n"},
    };
    for (const auto& [database, update] : cases) {
        MemoryStream db(database), piece(update);
        EXPECT_FALSE(MergeUpdateText(db, piece)) << update;
        EXPECT_EQ(db.Text(), database);
    }
}

TEST(EncryptDatabase, WritesTheTextEnciphered)
{
    MemoryStream db(DateLine("d") + "_end\r\n");
    const std::vector<uint8_t> file = EncryptDatabase(db);
    MemoryStream back;
    LoadDatabaseBytes(file, back);
    EXPECT_EQ(back.Text(), db.Text());
    EXPECT_NE(std::string(file.begin(), file.end()), db.Text());
}
