#pragma once
#include <cstdint>
#include <string>
#include <vector>

// File access of the maker's tool, on Linux and on Windows alike.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);
// Writes beside the target and renames over it, so no partial file is ever left under its name.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);
