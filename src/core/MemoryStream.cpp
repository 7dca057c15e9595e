#include "core/MemoryStream.h"

#include <algorithm>
#include <cstring>

size_t MemoryStream::Read(void* destination, size_t count)
{
    if (position_ >= bytes_.size())
        return 0;
    const size_t n = std::min(count, bytes_.size() - position_);
    std::memcpy(destination, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void MemoryStream::Write(const void* source, size_t count)
{
    if (count == 0)
        return;
    if (position_ + count > bytes_.size())
        bytes_.resize(position_ + count);
    std::memcpy(bytes_.data() + position_, source, count);
    position_ += count;
}

void MemoryStream::Assign(std::vector<uint8_t> bytes)
{
    bytes_ = std::move(bytes);
    position_ = 0;
}
