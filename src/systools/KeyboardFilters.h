#pragma once
#include <functional>
#include <string>
#include <vector>

// The keyboard device class key under HKEY_LOCAL_MACHINE, whose "UpperFilters"
// names the class driver first and then the filter drivers.
constexpr const char* KeyboardClassKey =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96B-E325-11CE-BFC1-08002BE10318}";

// One filter driver: its name and its file in the system folder's Drivers folder or
// the system folder itself, or "File not found".
struct KeyboardFilterRow {
    std::string Name;
    std::string Path;
};

// The filter drivers after the first name of "UpperFilters". A missing key or value,
// a value longer than 260 bytes or of a type other than multi-string or binary
// yields no rows (the list then shows "No Keyboard Filter driver found!").
std::vector<KeyboardFilterRow> ScanKeyboardFilterDriver();

// The question DelKBf asks, in a box captioned "This action can not be undone!".
std::string DelKBfQuestion(const std::string& name);
constexpr const char* DelKBfCaption = "This action can not be undone!";

// Removes every occurrence of the row's name from "UpperFilters" once `confirm`
// agrees, keeping the first name, then renames the driver file to "<path>.del" when
// the name is gone from the list. Nothing changes when the value cannot be read
// whole. True when the value was rewritten.
bool DelKBf(const KeyboardFilterRow& row, const std::function<bool(const std::string& question)>& confirm);
