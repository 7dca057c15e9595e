#include "core/StreamCipher.h"

const CipherKey DatabaseKey = {0x6F35, 0x3A9B, 0xB7E1};

namespace {

// The key runs on the plain byte in both directions, so decrypting what was
// encrypted with the same key gives the input back. The sum is an 8-bit one.
inline uint16_t NextKey(uint16_t running, uint8_t plain, const CipherKey& key)
{
    const uint16_t sum = static_cast<uint8_t>(plain + (running & 0xFF));
    return static_cast<uint16_t>(sum * key.Multiplier + key.Addend);
}

} // namespace

bool Encrypt(const uint8_t* source, size_t sourceLength, uint8_t* destination, const CipherKey& key,
             size_t destinationLength)
{
    if (sourceLength != destinationLength)
        return false;
    uint16_t running = key.StartKey;
    for (size_t i = 0; i < sourceLength; ++i) {
        const uint8_t plain = source[i];
        destination[i] = static_cast<uint8_t>(plain ^ (running >> 8));
        running = NextKey(running, plain, key);
    }
    return true;
}

bool Decrypt(const uint8_t* source, size_t sourceLength, uint8_t* destination, const CipherKey& key,
             size_t destinationLength)
{
    if (sourceLength != destinationLength)
        return false;
    uint16_t running = key.StartKey;
    for (size_t i = 0; i < sourceLength; ++i) {
        const uint8_t plain = static_cast<uint8_t>(source[i] ^ (running >> 8));
        destination[i] = plain;
        running = NextKey(running, plain, key);
    }
    return true;
}
