#pragma once
#include <array>
#include <string>

// Every user-visible text of the scanner, by index. Language files overwrite a
// range of it at run time; code refers to texts by their index only.
constexpr int MessageCount = 199;
using MessageTable = std::array<std::string, MessageCount>;

// The built-in English texts. Index 104 holds two Windows-1252 0x92 bytes, as shipped.
void FillMessageTable(MessageTable& table);
