#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

using Ripemd256Digest = std::array<uint8_t, 32>;

// RIPEMD-256 (Dobbertin, Bosselaers, Preneel): RIPEMD-128's two lines kept apart for a
// 256-bit result. Fed in pieces of any size.
class Ripemd256 {
public:
    Ripemd256();
    void Update(const void* data, size_t length);
    // Ends the message; the context must not be fed afterwards.
    Ripemd256Digest Final();

private:
    void Block(const uint8_t* data);

    uint32_t state_[8];
    uint64_t length_ = 0;
    uint8_t buffer_[64];
};

Ripemd256Digest Ripemd256Of(const void* data, size_t length);
