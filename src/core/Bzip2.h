#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/MemoryStream.h"

// Far above any real database: a stream that would decompress past this is refused
// rather than allowed to exhaust memory.
constexpr size_t DecompressLimit = size_t(1) << 30;

// Replaces the stream's content with its bzip2-decompressed content, position 0.
// Returns false and leaves the stream as it was (position aside) when the content
// is not one complete bzip2 stream or would decompress past `limit` bytes.
[[nodiscard]] bool DecompressStream(MemoryStream& stream, size_t limit = DecompressLimit);

// A bzip2 stream (block size 900k) of the given bytes.
std::vector<uint8_t> CompressBytes(const uint8_t* data, size_t length);
