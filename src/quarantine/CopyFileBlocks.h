#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/DatabaseText.h" // Pump

// Changes a block of bytes in place on its way from source to destination.
using BlockTransform = std::function<void(uint8_t* data, size_t length)>;

// Reads up to `length` bytes of the open source file at its position, setting `got`
// (0 at the end); false on an error. A read may return fewer bytes than asked before
// the end: a network file, or one another process is appending to.
using BlockReader = std::function<bool(void* file, uint8_t* data, size_t length, size_t& got)>;

struct BlockCopyOptions {
    size_t BlockSize = 2048;
    // Sees whole blocks but the last (a block cipher needs that): short reads are
    // topped up until the block is full or the file ends.
    BlockTransform Transform; // none: a plain copy
    BlockReader Read;         // none: the file's own reads
    Pump ProcessMessages;     // called after every block, so a long copy keeps the window alive
    bool CreateNew = false;   // refuse to open a destination that already exists
    // On failure, delete a destination this copy created; one that existed before
    // is never deleted (it may still hold the user's bytes).
    bool RemovePartial = false;
};

// Copies the source (opened read-only, shared) to the destination (created, or
// truncated when it exists) block by block. False on any I/O error; by default a
// partly written destination stays on disk.
[[nodiscard]] bool CopyFileBlocks(const std::string& source, const std::string& destination,
                                  const BlockCopyOptions& options = {});
