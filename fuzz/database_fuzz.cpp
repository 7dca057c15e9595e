// Longest input: 8192
// The database container as files.dat and update pieces arrive: deciphered and
// decompressed from any bytes, the text's lines and date, and a piece merged into a
// database. The input is two files separated by the first "\n--\n".
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/DatabaseText.h"
#include "core/MemoryStream.h"

namespace {

MemoryStream Loaded(const std::string& bytes)
{
    MemoryStream stream;
    LoadDatabaseBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()), stream);
    return stream;
}

std::string Contents(const MemoryStream& stream)
{
    return std::string(reinterpret_cast<const char*>(stream.Data()), static_cast<size_t>(stream.Size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find("\n--\n");
    const std::string first = input.substr(0, split);
    const std::string second = split == std::string::npos ? std::string() : input.substr(split + 4);

    // Any bytes load into some text, and what is enciphered again loads back the same
    // (unless the text itself starts as bzip2 data does, which no database text does).
    MemoryStream database = Loaded(first);
    const std::vector<uint8_t> written = EncryptDatabase(database);
    if (Contents(database).rfind("BZh", 0) != 0)
        FUZZ_CHECK(Contents(Loaded(std::string(written.begin(), written.end()))) == Contents(database));

    // The plain input as a text: every line of it is read, and reading ends.
    MemoryStream plain(std::vector<uint8_t>(first.begin(), first.end()));
    (void)DatabaseDate(plain, "Error");
    plain.Seek(0);
    size_t lines = 0;
    while (plain.Position() < plain.Size()) {
        const size_t before = plain.Position();
        const std::string line = ReadDatabaseLine(plain);
        FUZZ_CHECK(plain.Position() > before);
        FUZZ_CHECK(line == EndLine || line.size() <= plain.Size());
        ++lines;
    }
    FUZZ_CHECK(lines <= first.size());
    (void)FindText(second.substr(0, 16), plain, 0);

    // A merge either changes nothing or leaves a whole database.
    MemoryStream target(std::vector<uint8_t>(first.begin(), first.end()));
    MemoryStream piece(std::vector<uint8_t>(second.begin(), second.end()));
    const std::string before = Contents(target);
    if (MergeUpdateText(target, piece))
        FUZZ_CHECK(IsCompleteDatabaseText(target));
    else
        FUZZ_CHECK(Contents(target) == before);
    return 0;
}
