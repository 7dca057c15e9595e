#pragma once
#include <string>
#include <vector>

// Lower-cases the ASCII letters only; other 8-bit characters stay as they are.
inline char LowerChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string LowerCase(std::string text);
bool SameTextIgnoringCase(const std::string& a, const std::string& b);
// Replaces every occurrence of `from` (non-empty) in `text`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// Removes trailing blanks (character 32 only).
std::string TrimRightBlanks(const std::string& text);

// The letters of the random-name families, in their historical order: "q" stands
// between "s" and "t".
extern const char Alphabet[];
// 1-based position in Alphabet, 0 when absent (upper-case letters are absent).
int LetterIndex(char c);
// The letter at a 1-based index below 26, else empty: "z" is never produced.
std::string LetterAt(int index);
std::string LettersOnly(const std::string& text);
// 0 to 9 for a decimal digit, 10 for anything else.
int DigitValue(char c);
std::string DigitsOnly(const std::string& text);

// The number of separators in the text, compared ignoring letter case.
int FieldCount(const std::string& text, char separator);
// The pieces before each ",", not trimmed, after one "," is appended to a text that
// does not end with one: "" gives one empty piece, "a,b" and "a,b," give two.
std::vector<std::string> SplitAtCommas(const std::string& text);

// The n-th (0-based) field that a separator ends; a trailing part without a
// separator is never a field. Empty when there is no such field.
std::string FieldAt(const std::string& text, int n, char separator);

// Removes leading and trailing blanks and control characters (bytes 0 to 32).
std::string Trim(const std::string& text);
// Upper-cases the ASCII letters only.
std::string UpperCase(std::string text);
// Splits a text file's content into lines; CR LF, LF and a lone CR all end a line.
std::vector<std::string> SplitLines(const std::string& text);
// The same where only LF ends a line (a CR before it is dropped, a lone CR stays in
// its line), as the quarantine index and the update list page are read.
std::vector<std::string> SplitLinesAtLf(const std::string& text);
