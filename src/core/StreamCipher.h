#pragma once
#include <cstddef>
#include <cstdint>

// The byte-stream cipher of the database, its update pieces and the language files.
// Files made with other key words cannot be read, so these never change.
struct CipherKey {
    uint16_t Multiplier;
    uint16_t Addend;
    uint16_t StartKey;
};

extern const CipherKey DatabaseKey;

// Both return false and touch nothing when the two lengths differ. Both may run
// in place (source == destination).
bool Encrypt(const uint8_t* source, size_t sourceLength, uint8_t* destination, const CipherKey& key,
             size_t destinationLength);
bool Decrypt(const uint8_t* source, size_t sourceLength, uint8_t* destination, const CipherKey& key,
             size_t destinationLength);
