#pragma once
#include <optional>
#include <string>

#include "core/Md5.h"

// The MD5 of the file's whole content, read while other processes keep it open
// for reading or writing. Any failure (missing, locked, unreadable, empty) gives
// the digest of empty input; it never throws.
Md5Digest FileMd5(const std::string& path);

// The digest, or nothing when the file cannot be opened or read (an empty file is read
// fine). For callers that must tell "unreadable" from "empty". The file is read in
// blocks of at most `blockBytes`, to its end however large.
std::optional<Md5Digest> ReadFileMd5(const std::string& path, size_t blockBytes = size_t(256) << 10);
