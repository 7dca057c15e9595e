#pragma once
#include <string>
#include <vector>

// One key of RegBase.rgk, the list of registry keys whose values start programs.
struct RegBaseEntry {
    int RootCode = 0; // 0 to 4 as RootNameOf maps them
    std::string KeyPath;
};

// The entries of RegBase.rgk's content: a count line, then three lines per entry
// (root code, key path, a line nobody reads). Reading stops at a count or root-code
// line that is no integer, including past the end of the text; entries read so far
// stay. Entries with another root code or an empty key path are left out.
std::vector<RegBaseEntry> ParseRegBase(const std::string& content);

// A decimal integer with optional leading blanks and sign; false for anything else.
bool ParseInteger(const std::string& text, int& value);
