#pragma once
#include <array>
#include <string>

#include "core/MessageRows.h"

// The rows the built-in English texts fill; the first 199 are the shipped table.
constexpr int MessageCount = static_cast<int>(Msg::Count);

// Every user-visible text of the scanner. Code names a row (`Text(Msg::ScanningLine)`);
// language files overwrite rows by number at run time. Starts out with the English
// texts; row 104 holds two Windows-1252 0x92 bytes, as shipped.
class MessageTable {
public:
    MessageTable();

    const std::string& Text(Msg row) const { return rows_[Index(row)]; }
    std::string& Text(Msg row) { return rows_[Index(row)]; }

    // By number, as a language file addresses a row; throws std::out_of_range
    // outside 0 to MessageCount - 1.
    const std::string& Row(int number) const { return rows_.at(static_cast<size_t>(number)); }
    std::string& Row(int number) { return rows_.at(static_cast<size_t>(number)); }

private:
    static size_t Index(Msg row) { return static_cast<size_t>(row); }

    std::array<std::string, MessageCount> rows_;
};

// The update's connection error: its first line, a blank line and the tips.
std::string ConnectionErrorMessage(const MessageTable& messages);
