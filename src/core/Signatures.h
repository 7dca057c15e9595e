#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Detached Ed25519 signatures, as the maker signs every file of the update server.
// What is signed is the file's BLAKE2b-512 digest behind a fixed context, so that a
// download is hashed block by block as it arrives and a 10 MiB database needs no
// second pass over its bytes; BLAKE2b also hashes about twice as fast as SHA-512.
constexpr size_t PublicKeyBytes = 32;
constexpr size_t SecretKeyBytes = 64;
constexpr size_t SignatureBytes = 64;
constexpr size_t FileDigestBytes = 64;
using FileDigest = std::array<uint8_t, FileDigestBytes>;

// The digest of bytes given in any number of pieces.
class FileDigestBuilder {
public:
    FileDigestBuilder();
    ~FileDigestBuilder();
    FileDigestBuilder(const FileDigestBuilder&) = delete;
    FileDigestBuilder& operator=(const FileDigestBuilder&) = delete;
    void Add(const void* data, size_t size);
    // The digest of everything added; the builder starts again afterwards.
    FileDigest Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

FileDigest DigestOf(const uint8_t* data, size_t size);

// A new key pair from the system's random source; false when the library cannot start.
bool MakeSigningKeys(std::vector<uint8_t>& publicKey, std::vector<uint8_t>& secretKey);

// The signature of the bytes; empty when the key is not a secret key.
std::vector<uint8_t> SignBytes(const uint8_t* data, size_t size, const std::vector<uint8_t>& secretKey);

// Whether `signature` is the key's signature of exactly these bytes (or of the bytes
// with this digest). Anything of the wrong size is no signature.
bool SignatureMatches(const uint8_t* data, size_t size, const std::vector<uint8_t>& signature, const uint8_t* publicKey,
                      size_t publicKeySize);
bool DigestSignatureMatches(const FileDigest& digest, const std::vector<uint8_t>& signature, const uint8_t* publicKey,
                            size_t publicKeySize);
