#pragma once
#include <string>
#include <vector>

// The keyboard class's "UpperFilters" multi-string is read into a buffer of this
// many bytes, filled with blanks first. Its first name (the class driver itself) is
// never listed and never removed.
constexpr size_t UpperFiltersBufferSize = 260;

constexpr const char* NoKeyboardFilterText = "No Keyboard Filter driver found!";
constexpr const char* FileNotFoundText = "File not found";

// The blank-filled buffer holding the first bytes of `data`.
std::string UpperFiltersBuffer(const std::string& data);

// The names after the first one, trimmed, in order.
std::vector<std::string> UpperFilterNames(const std::string& buffer);

// The value data that keeps the first name and every other name except `removed`
// (compared exactly), as a multi-string ended by two NUL bytes.
std::string UpperFiltersWithout(const std::string& buffer, const std::string& removed);
