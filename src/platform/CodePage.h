#pragma once
#include <string>

// The program's texts are in the ANSI code page; JSON and other outside formats
// want UTF-8. Every byte is converted, none dropped or replaced, since a path may
// hold any character the code page has.
std::string AnsiToUtf8(const std::string& text);
