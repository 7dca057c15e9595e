#include "core/TextHelpers.h"

#include <cstring>

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = LowerChar(c);
    return text;
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerChar(a[i]) != LowerChar(b[i]))
            return false;
    return true;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return text;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string TrimRightBlanks(const std::string& text)
{
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return text.substr(0, end);
}

const char Alphabet[] = "abcdefghijklmnoprsqtuvwxyz";

int LetterIndex(char c)
{
    if (c == '\0')
        return 0;
    const char* at = std::strchr(Alphabet, c);
    return at ? static_cast<int>(at - Alphabet) + 1 : 0;
}

std::string LetterAt(int index)
{
    if (index < 1 || index >= 26)
        return std::string();
    return std::string(1, Alphabet[index - 1]);
}

std::string LettersOnly(const std::string& text)
{
    std::string letters;
    for (char c : text)
        if (LetterIndex(c) > 0)
            letters += c;
    return letters;
}

int DigitValue(char c)
{
    return (c >= '0' && c <= '9') ? c - '0' : 10;
}

std::string DigitsOnly(const std::string& text)
{
    std::string digits;
    for (char c : text)
        if (DigitValue(c) <= 9)
            digits += c;
    return digits;
}

int FieldCount(const std::string& text, char separator)
{
    int count = 0;
    for (char c : text)
        if (LowerChar(c) == LowerChar(separator))
            ++count;
    return count;
}

std::string FieldAt(const std::string& text, int n, char separator)
{
    if (n < 0)
        return std::string();
    size_t start = 0;
    int field = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (LowerChar(text[i]) != LowerChar(separator))
            continue;
        if (field == n)
            return text.substr(start, i - start);
        ++field;
        start = i + 1;
    }
    return std::string();
}

std::vector<std::string> SplitAtCommas(const std::string& text)
{
    const std::string ended = (!text.empty() && text.back() == ',') ? text : text + ",";
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t comma = ended.find(','); comma != std::string::npos; comma = ended.find(',', start)) {
        pieces.push_back(ended.substr(start, comma - start));
        start = comma + 1;
    }
    return pieces;
}

std::string Trim(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return text.substr(begin, end - begin);
}

std::string UpperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::vector<std::string> SplitLinesAtLf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}
