#pragma once
#include <string>
#include <vector>

#include "core/MemoryStream.h"
#include "core/MessageTable.h"

// A language file, deciphered: header lines up to "begin():", then one line for
// every caption and hint of the windows' walk, then one line for every message row
// in LanguageMessageRows() order. A message line writes a line break as "|".
extern const char LanguageBegin[]; // "begin():"

// The message rows a language file lists, in its order: the shipped table's rows
// (169 and 180 to 198 are never in a file), then every row the program added.
const std::vector<int>& LanguageMessageRows();
constexpr int FirstAddedRow = 199;

// Reads the texts of a deciphered language file one by one. A text is at most 254
// bytes and holds no control characters but the line breaks of message texts, so
// a damaged file can change texts but never break a window or a message box.
class LanguageReader {
public:
    explicit LanguageReader(MemoryStream& text) : text_(text) { text_.Seek(0); }

    // Skips the header; false when the text has no "begin():" line, and then
    // nothing may be applied.
    bool SkipHeader();
    // The next caption or hint; "_end" for every text past the end of the file.
    std::string NextText();
    // The next message text, its "|" turned into line breaks.
    std::string NextMessage();
    bool AtEnd() const { return text_.Position() >= text_.Size(); }

private:
    MemoryStream& text_;
};

// Reads the message lines into the table. The shipped rows past the end of the file
// become "_end"; the added rows keep their texts then, so an older file still fits.
void ReadLanguageMessages(LanguageReader& reader, MessageTable& messages);

// The file lines that give these texts back, each with its CR LF.
std::string LanguageTextLine(const std::string& text);
// The message lines, and a last "_end" line after them.
std::string LanguageMessageLines(const MessageTable& messages);
