#include "core/RandomNames.h"

#include <climits>

#include "core/TextHelpers.h"

namespace {

// Reads decimal digits; a value that would overflow keeps what was read so far.
long long NumberOf(const std::string& digits)
{
    long long value = 0;
    for (char c : digits) {
        if (value > (LLONG_MAX - 9) / 10)
            break;
        value = value * 10 + DigitValue(c);
    }
    return value;
}

} // namespace

bool HasRandomNames(const std::string& fileName)
{
    return fileName.find("??") != std::string::npos;
}

std::vector<std::string> RandomNameFamily(const std::string& fileName)
{
    std::vector<std::string> members;
    const size_t first = fileName.find("??");
    if (first == std::string::npos)
        return members;
    const size_t last = fileName.find_last_of('?');
    const std::string body = fileName.substr(first + 2, last + 1 - (first + 2));
    const std::string s1 = FieldAt(body, 0, '?');
    const std::string s2 = FieldAt(body, 1, '?');

    const std::string l1 = LettersOnly(s1);
    const std::string l2 = LettersOnly(s2);
    int letter = 0;
    int letterEnd = 1; // one pass without a letter
    if (l1.size() == 1 && l2.size() == 1) {
        letter = LetterIndex(l1[0]);
        letterEnd = LetterIndex(l2[0]);
    }

    const std::string d1 = DigitsOnly(s1);
    const std::string d2 = DigitsOnly(s2);
    long long firstNumber = 0;
    long long numberEnd = 0;
    if (!d1.empty() && !d2.empty()) {
        firstNumber = NumberOf(d1);
        numberEnd = NumberOf(d2);
    }

    for (; letter < letterEnd; ++letter) {
        std::string c = ReplaceAll(ReplaceAll(body, l1, LetterAt(letter)), l2, "");
        std::string numberText = d1;
        long long number = firstNumber;
        do { // at least one pass, as with an end of 0
            c = ReplaceAll(ReplaceAll(c, d2, ""), "?", "");
            const std::string written = std::to_string(number);
            c = ReplaceAll(c, numberText, written);
            numberText = written;
            members.push_back(ReplaceAll(ReplaceAll(fileName, body, c), "?", ""));
            if (members.size() >= MaxRandomNames)
                return members;
            ++number;
        } while (number < numberEnd);
    }
    return members;
}
