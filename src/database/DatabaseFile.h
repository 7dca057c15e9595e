#pragma once
#include <string>

#include "core/MemoryStream.h"

// The folder of the running executable with a trailing backslash; every file of
// the program is named relative to it.
std::string ProgramFolder();

// Replaces the database with the file's content, deciphered and, when it is bzip2
// data, decompressed. A file that cannot be read leaves the database unchanged.
[[nodiscard]] bool LoadDatabase(const std::string& path, MemoryStream& database);

// Appends one enciphered incremental update piece to the database (see
// MergeUpdateText); false and no change when the piece is unreadable or malformed.
[[nodiscard]] bool MergeUpdate(const std::string& path, MemoryStream& database);

// Writes the database enciphered, without compression, replacing the file in one step.
[[nodiscard]] bool SaveDatabase(const MemoryStream& database, const std::string& path);
