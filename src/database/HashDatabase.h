#pragma once
#include <string>

#include "core/HashSignatures.h"

// The hash signatures beside the program.
extern const char HashDatabaseName[]; // "hashes.dat"

// Loads a hashes.dat (enciphered like files.dat, bzip2-compressed or not). False,
// with the reason in `error`, and the signatures unchanged, when the file cannot be
// read or holds a line that is no signature.
[[nodiscard]] bool LoadHashSignatures(const std::string& path, HashSignatures& signatures, std::string& error);
