#include "core/Ripemd256.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Message word order and rotation amounts, one row of 16 per round; the second
// line's rows follow the first line's.
const uint8_t WordOrder[2][64] = {
    {0, 1,  2,  3, 4, 5,  6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 7, 4, 13, 1,  10, 6, 15, 3, 12, 0, 9, 5,  2,  14, 11, 8,
     3, 10, 14, 4, 9, 15, 8, 1, 2, 7, 0,  6,  13, 11, 5,  12, 1, 9, 11, 10, 0,  8, 12, 4, 13, 3, 7, 15, 14, 5,  6,  2},
    {5,  14, 7, 0, 9, 2,  11, 4, 13, 6, 15, 8, 1,  10, 3, 12, 6, 11, 3, 7, 0, 13, 5,  10, 14, 15, 8, 12, 4, 9, 1,  2,
     15, 5,  1, 3, 7, 14, 6,  9, 11, 8, 12, 2, 10, 0,  4, 13, 8, 6,  4, 1, 3, 11, 15, 0,  5,  12, 2, 13, 9, 7, 10, 14},
};
const uint8_t Rotation[2][64] = {
    {11, 14, 15, 12, 5,  8,  7,  9,  11, 13, 14, 15, 6, 7,  9,  8, 7,  6,  8,  13, 11, 9,
     7,  15, 7,  12, 15, 9,  11, 7,  13, 12, 11, 13, 6, 7,  14, 9, 13, 15, 14, 8,  13, 6,
     5,  12, 7,  5,  11, 12, 14, 15, 14, 15, 9,  8,  9, 14, 5,  6, 8,  6,  5,  12},
    {8,  9,  9, 11, 13, 15, 15, 5,  7,  7,  8, 11, 14, 14, 12, 6, 9,  13, 15, 7,  12, 8,
     9,  11, 7, 7,  12, 7,  6,  15, 13, 11, 9, 7,  15, 11, 8,  6, 6,  14, 12, 13, 5,  14,
     13, 13, 7, 5,  15, 5,  8,  11, 14, 14, 6, 14, 6,  9,  12, 9, 12, 5,  15, 8},
};
const uint32_t RoundConstant[2][4] = {
    {0x00000000, 0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC},
    {0x50A28BE6, 0x5C4DD124, 0x6D703EF3, 0x00000000},
};

uint32_t RotateLeft(uint32_t x, unsigned n)
{
    return (x << n) | (x >> (32 - n));
}

// The four boolean functions; the second line uses them in reverse order.
uint32_t Mix(int function, uint32_t x, uint32_t y, uint32_t z)
{
    switch (function) {
    case 0:
        return x ^ y ^ z;
    case 1:
        return (x & y) | (~x & z);
    case 2:
        return (x | ~y) ^ z;
    default:
        return (x & z) | (y & ~z);
    }
}

uint32_t LoadLittleEndian(const uint8_t* p)
{
    return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

} // namespace

Ripemd256::Ripemd256()
    : state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0x76543210, 0xFEDCBA98, 0x89ABCDEF, 0x01234567}
{
}

void Ripemd256::Block(const uint8_t* data)
{
    uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = LoadLittleEndian(data + 4 * i);
    // line[k] holds A, B, C, D of line k.
    uint32_t line[2][4];
    std::memcpy(line, state_, sizeof line);
    for (int round = 0; round < 4; ++round) {
        for (int k = 0; k < 2; ++k) {
            uint32_t* r = line[k];
            const int function = k == 0 ? round : 3 - round;
            for (int j = 16 * round; j < 16 * round + 16; ++j) {
                const uint32_t t =
                    RotateLeft(r[0] + Mix(function, r[1], r[2], r[3]) + x[WordOrder[k][j]] + RoundConstant[k][round],
                               Rotation[k][j]);
                r[0] = r[3];
                r[3] = r[2];
                r[2] = r[1];
                r[1] = t;
            }
        }
        // After round n the lines trade their n-th register (A, then B, C, D).
        std::swap(line[0][round], line[1][round]);
    }
    for (int i = 0; i < 4; ++i) {
        state_[i] += line[0][i];
        state_[4 + i] += line[1][i];
    }
}

void Ripemd256::Update(const void* data, size_t length)
{
    auto* p = static_cast<const uint8_t*>(data);
    size_t used = static_cast<size_t>(length_ % 64);
    length_ += length;
    if (used > 0) {
        const size_t take = std::min(length, 64 - used);
        std::memcpy(buffer_ + used, p, take);
        used += take;
        p += take;
        length -= take;
        if (used < 64)
            return;
        Block(buffer_);
    }
    for (; length >= 64; p += 64, length -= 64)
        Block(p);
    std::memcpy(buffer_, p, length);
}

Ripemd256Digest Ripemd256::Final()
{
    const uint64_t bits = length_ * 8;
    uint8_t pad[72] = {0x80};
    const size_t used = static_cast<size_t>(length_ % 64);
    const size_t padLength = (used < 56 ? 56 : 120) - used;
    Update(pad, padLength);
    uint8_t lengthBytes[8];
    for (int i = 0; i < 8; ++i)
        lengthBytes[i] = static_cast<uint8_t>(bits >> (8 * i));
    Update(lengthBytes, 8);
    Ripemd256Digest digest;
    for (int i = 0; i < 8; ++i)
        for (int b = 0; b < 4; ++b)
            digest[static_cast<size_t>(4 * i + b)] = static_cast<uint8_t>(state_[i] >> (8 * b));
    return digest;
}

Ripemd256Digest Ripemd256Of(const void* data, size_t length)
{
    Ripemd256 context;
    context.Update(data, length);
    return context.Final();
}
