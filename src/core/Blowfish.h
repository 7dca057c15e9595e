#pragma once
#include <cstddef>
#include <cstdint>

// Blowfish (Schneier, 1993): 64-bit blocks, keys of 1 to 56 bytes, the standard key
// schedule over the hexadecimal digits of pi. A block's two words are read from and
// written to the bytes big-endian.
class Blowfish {
public:
    static constexpr size_t BlockSize = 8;
    static constexpr size_t MaxKeyLength = 56;

    // A key longer than MaxKeyLength uses its first MaxKeyLength bytes; an empty key
    // is treated as one zero byte.
    Blowfish(const uint8_t* key, size_t length);

    void EncryptBlock(const uint8_t in[BlockSize], uint8_t out[BlockSize]) const;
    void DecryptBlock(const uint8_t in[BlockSize], uint8_t out[BlockSize]) const;

    // One block as a number: the left word in the high half, as the bytes read big-endian.
    uint64_t Encrypt(uint64_t block) const;
    uint64_t Decrypt(uint64_t block) const;
    // Deciphers four blocks in place, each on its own (as Decrypt does), faster than one by one.
    void Decrypt4(uint64_t blocks[4]) const;

private:
    uint32_t F(uint32_t x) const;

    uint32_t p_[18];
    uint32_t s_[4][256];
};

inline uint64_t LoadBigEndian64(const uint8_t* p)
{
    uint64_t block = 0;
    for (int i = 0; i < 8; ++i)
        block = block << 8 | p[i];
    return block;
}

inline void StoreBigEndian64(uint64_t block, uint8_t* p)
{
    for (int i = 7; i >= 0; --i, block >>= 8)
        p[i] = static_cast<uint8_t>(block);
}
