#pragma once
#include <cstdint>
#include <random>
#include <vector>

// The same bytes for the same seed on every run and platform.
inline std::vector<uint8_t> RandomBytes(size_t n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<uint8_t> bytes(n);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(gen());
    return bytes;
}
