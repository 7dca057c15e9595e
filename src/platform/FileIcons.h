#pragma once
#include <string>

// Whether a file (a program, a library, an icon file) holds at least one icon.
bool FileHasIcon(const std::string& path);
