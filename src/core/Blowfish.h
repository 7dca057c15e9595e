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

private:
    uint32_t F(uint32_t x) const;
    void EncryptWords(uint32_t& left, uint32_t& right) const;
    void DecryptWords(uint32_t& left, uint32_t& right) const;

    uint32_t p_[18];
    uint32_t s_[4][256];
};
