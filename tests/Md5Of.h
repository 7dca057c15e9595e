#pragma once
#include <cstddef>

#include "core/Md5.h"

// The digest of a buffer, for expected values.
inline Md5Digest Md5Of(const void* data, size_t length)
{
    Md5 md5;
    md5.Update(data, length);
    return md5.Final();
}
