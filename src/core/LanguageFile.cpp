#include "core/LanguageFile.h"

#include "core/DatabaseText.h"

const char LanguageBegin[] = "begin():";

namespace {

const char LineBreakMark = '|';

// Control characters would break a window's text or a message box; a line break is
// written as the mark and only message texts turn it back.
std::string Clean(const std::string& line)
{
    std::string text;
    for (char c : line) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)
            text += c;
        if (text.size() == MaxLineBytes)
            break;
    }
    return text;
}

} // namespace

const std::vector<int>& LanguageMessageRows()
{
    static const std::vector<int> rows = [] {
        std::vector<int> order;
        const auto range = [&order](int first, int last) {
            for (int row = first; row <= last; ++row)
                order.push_back(row);
        };
        range(0, 20);
        order.push_back(128);
        range(21, 26);
        order.insert(order.end(), {129, 130});
        range(27, 44);
        order.insert(order.end(), {131, 132, 133});
        range(45, 57);
        order.insert(order.end(), {136, 137, 58, 59, 134, 135});
        range(60, 127);
        range(138, 168);
        range(170, 179);
        range(FirstAddedRow, MessageCount - 1);
        return order;
    }();
    return rows;
}

bool LanguageReader::SkipHeader()
{
    while (!AtEnd())
        if (ReadDatabaseLine(text_) == LanguageBegin)
            return true;
    return false;
}

std::string LanguageReader::NextText()
{
    return Clean(ReadDatabaseLine(text_));
}

std::string LanguageReader::NextMessage()
{
    std::string text = NextText();
    for (char& c : text)
        if (c == LineBreakMark)
            c = '\r';
    return text;
}

void ReadLanguageMessages(LanguageReader& reader, MessageTable& messages)
{
    for (int row : LanguageMessageRows()) {
        std::string text = reader.NextMessage();
        // The reader never gives the last line of a text itself: it says "_end" there.
        if (row >= FirstAddedRow && reader.AtEnd())
            return;
        messages.Row(row) = std::move(text);
    }
}

std::string LanguageTextLine(const std::string& text)
{
    return text + "\r\n";
}

std::string LanguageMessageLines(const MessageTable& messages)
{
    std::string lines;
    for (int row : LanguageMessageRows()) {
        std::string text = messages.Row(row);
        for (char& c : text)
            if (c == '\r')
                c = LineBreakMark;
        lines += LanguageTextLine(text);
    }
    // The reader never returns a text's last line, so one more line lets it read the last message.
    return lines + LanguageTextLine(EndLine);
}
