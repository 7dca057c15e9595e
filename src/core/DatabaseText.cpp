#include "core/DatabaseText.h"

#include <algorithm>
#include <cstring>

#include "core/Bzip2.h"
#include "core/StreamCipher.h"
#include "core/TextHelpers.h"

const char EndLine[] = "_end";

namespace {

constexpr size_t ReadAhead = MaxLineBytes + 1;
const char EndLineWithBreak[] = "_end\r\n";
constexpr size_t EndLineWithBreakBytes = 6;

bool HasDateLine(const MemoryStream& text)
{
    return text.Size() >= DateLineBytes && text.Data()[DateLineBytes - 2] == '\r' &&
           text.Data()[DateLineBytes - 1] == '\n' && std::memchr(text.Data(), '\r', DateLineBytes - 2) == nullptr;
}

bool EndsWithEndLine(const MemoryStream& text)
{
    return text.Size() >= EndLineWithBreakBytes &&
           std::memcmp(text.Data() + text.Size() - EndLineWithBreakBytes, EndLineWithBreak, EndLineWithBreakBytes) == 0;
}

} // namespace

std::string_view NextDatabaseLine(MemoryStream& stream)
{
    // Looks at the next 255 bytes where they lie instead of copying them out.
    const size_t start = stream.Position();
    const size_t size = stream.Size();
    const size_t n = start < size ? std::min(ReadAhead, size - start) : 0;
    const char* at = reinterpret_cast<const char*>(stream.Data()) + (n ? start : 0);
    const void* cr = n ? std::memchr(at, '\r', n) : nullptr;
    const size_t length = cr ? static_cast<size_t>(static_cast<const char*>(cr) - at) : n;
    const size_t next = cr ? start + length + 2 : start + n;
    stream.Seek(next);
    if (next >= size)
        return EndLine;
    return std::string_view(at, length);
}

std::string ReadDatabaseLine(MemoryStream& stream)
{
    return std::string(NextDatabaseLine(stream));
}

std::string DatabaseDate(MemoryStream& stream, const std::string& errorText)
{
    if (stream.Size() == 0)
        return errorText;
    stream.Seek(0);
    return ReadDatabaseLine(stream);
}

int64_t FindText(const std::string& text, MemoryStream& stream, int64_t start, const Pump& pump)
{
    if (start < 0)
        start = 0;
    const size_t size = stream.Size();
    const std::string wanted = LowerCase(text);
    const uint8_t* data = stream.Data();
    for (size_t at = static_cast<size_t>(start); at <= size && size - at >= wanted.size(); ++at) {
        if (pump && at % 65536 == 0)
            pump();
        size_t i = 0;
        while (i < wanted.size() && LowerChar(static_cast<char>(data[at + i])) == wanted[i])
            ++i;
        if (i == wanted.size()) {
            stream.Seek(at + wanted.size());
            return static_cast<int64_t>(at + wanted.size());
        }
    }
    stream.Seek(size);
    return -1;
}

void LoadDatabaseBytes(std::vector<uint8_t> fileBytes, MemoryStream& database)
{
    Decrypt(fileBytes.data(), fileBytes.size(), fileBytes.data(), DatabaseKey, fileBytes.size());
    MemoryStream text(std::move(fileBytes));
    if (!DecompressStream(text))
        text.Seek(0);
    database = std::move(text);
    database.Seek(0);
}

bool MergeUpdateText(MemoryStream& database, MemoryStream& update)
{
    if (!IsCompleteDatabaseText(database) || !IsCompleteDatabaseText(update))
        return false;
    const int64_t afterCr = FindText("\r", update, 0);
    if (afterCr != static_cast<int64_t>(DateLineBytes) - 1)
        return false;

    std::memcpy(database.Data(), update.Data(), DateLineBytes);
    database.Seek(database.Size() - EndLineWithBreakBytes);
    database.Write(update.Data() + DateLineBytes, update.Size() - DateLineBytes);
    database.Seek(0);
    return true;
}

bool IsCompleteDatabaseText(const MemoryStream& text)
{
    // The "_end" line follows the date line: a text so short that the two overlap would
    // have its date line written over by a merge.
    return text.Size() >= DateLineBytes + EndLineWithBreakBytes && HasDateLine(text) && EndsWithEndLine(text);
}

std::vector<uint8_t> EncryptDatabase(const MemoryStream& database)
{
    std::vector<uint8_t> bytes(database.Size());
    Encrypt(database.Data(), database.Size(), bytes.data(), DatabaseKey, bytes.size());
    return bytes;
}
