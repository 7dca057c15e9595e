#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/MemoryStream.h"

// The text of a database: CR LF lines, the date line first (with its CR LF it
// fills exactly DateLineBytes, so an update can overwrite it in place), then the
// records, and last the "_end" line, whose six bytes an update overwrites.
constexpr size_t DateLineBytes = 35;
constexpr size_t MaxLineBytes = 254;
// The largest files.dat or update piece read at all; a real one is a few megabytes.
constexpr uint64_t MaxDatabaseFileBytes = uint64_t(256) << 20;
extern const char EndLine[]; // "_end"

// Called between steps of long loops so the window stays alive.
using Pump = std::function<void()>;

// The next line from the stream's position: the bytes before the first CR among
// the next 255, after which the position skips the CR and the byte after it.
// Returns "_end" once that position reaches the end of the stream, so the last
// line of a stream is never returned itself. A run of 255 bytes without CR is
// returned as one line and reading goes on after it.
std::string ReadDatabaseLine(MemoryStream& stream);

// The same line as a view into the stream's bytes, valid until the stream changes:
// walking a database this way copies no line.
std::string_view NextDatabaseLine(MemoryStream& stream);

// The first line, or errorText when the stream is empty.
std::string DatabaseDate(MemoryStream& stream, const std::string& errorText);

// Searches the text ignoring letter case from `start` (0 when -1); returns the
// position just after the first occurrence, or -1.
int64_t FindText(const std::string& text, MemoryStream& stream, int64_t start, const Pump& pump = {});

// Deciphers file bytes with the database key and decompresses them when they are
// bzip2 data; anything else stays as deciphered.
void LoadDatabaseBytes(std::vector<uint8_t> fileBytes, MemoryStream& database);

// Appends a deciphered update piece: its date line replaces the database's, its
// records follow the old ones and its "_end" line ends the text. Returns false
// and changes nothing when either text lacks the 35-byte date line or the final
// "_end" line, because the merge would then overwrite records.
[[nodiscard]] bool MergeUpdateText(MemoryStream& database, MemoryStream& update);

// A whole database text: the 35-byte date line first and the "_end" line last. A
// download that is not one never replaces the database.
bool IsCompleteDatabaseText(const MemoryStream& text);

// The database text enciphered for writing as files.dat (never compressed).
std::vector<uint8_t> EncryptDatabase(const MemoryStream& database);
