#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Detached Ed25519 signatures, as the maker signs every file of the update server.
constexpr size_t PublicKeyBytes = 32;
constexpr size_t SecretKeyBytes = 64;
constexpr size_t SignatureBytes = 64;

// A new key pair from the system's random source; false when the library cannot start.
bool MakeSigningKeys(std::vector<uint8_t>& publicKey, std::vector<uint8_t>& secretKey);

// The signature of the bytes; empty when the key is not a secret key.
std::vector<uint8_t> SignBytes(const uint8_t* data, size_t size, const std::vector<uint8_t>& secretKey);

// Whether `signature` is the key's signature of exactly these bytes. Anything of the
// wrong size is no signature.
bool SignatureMatches(const uint8_t* data, size_t size, const std::vector<uint8_t>& signature, const uint8_t* publicKey,
                      size_t publicKeySize);
