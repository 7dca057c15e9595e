#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using Md5Digest = std::array<uint8_t, 16>;

// MD5 (RFC 1321), fed in pieces of any size.
class Md5 {
public:
    Md5();
    void Update(const void* data, size_t length);
    // Ends the message; the context must not be fed afterwards.
    Md5Digest Final();

private:
    void Blocks(const uint8_t* data, size_t count);

    uint32_t state_[4];
    uint64_t length_ = 0;
    uint8_t buffer_[64];
};

// 32 lower-case hexadecimal characters, bytes in digest order.
std::string Md5Text(const Md5Digest& digest);
