#include "core/Signatures.h"

#include <sodium.h>

#include <cstring>
#include <string>

namespace {
bool Ready()
{
    static const bool ready = sodium_init() >= 0; // thread-safe in the library; once is enough
    return ready;
}

// The signed message: a context that no other use of the key shares, then the digest.
constexpr char SignedContext[] = "Pyrafix Pro update file, BLAKE2b-512:";
constexpr size_t ContextBytes = sizeof SignedContext - 1;

std::array<uint8_t, ContextBytes + FileDigestBytes> SignedMessage(const FileDigest& digest)
{
    std::array<uint8_t, ContextBytes + FileDigestBytes> message{};
    std::memcpy(message.data(), SignedContext, ContextBytes);
    std::memcpy(message.data() + ContextBytes, digest.data(), FileDigestBytes);
    return message;
}
} // namespace

struct FileDigestBuilder::State {
    crypto_generichash_blake2b_state hash;
};

FileDigestBuilder::FileDigestBuilder() : state_(std::make_unique<State>())
{
    Ready();
    crypto_generichash_blake2b_init(&state_->hash, nullptr, 0, FileDigestBytes);
}

FileDigestBuilder::~FileDigestBuilder() = default;

void FileDigestBuilder::Add(const void* data, size_t size)
{
    crypto_generichash_blake2b_update(&state_->hash, static_cast<const unsigned char*>(data), size);
}

FileDigest FileDigestBuilder::Finish()
{
    FileDigest digest{};
    crypto_generichash_blake2b_final(&state_->hash, digest.data(), digest.size());
    crypto_generichash_blake2b_init(&state_->hash, nullptr, 0, FileDigestBytes);
    return digest;
}

FileDigest DigestOf(const uint8_t* data, size_t size)
{
    FileDigestBuilder builder;
    builder.Add(data, size);
    return builder.Finish();
}

bool MakeSigningKeys(std::vector<uint8_t>& publicKey, std::vector<uint8_t>& secretKey)
{
    if (!Ready())
        return false;
    std::vector<uint8_t> pub(crypto_sign_PUBLICKEYBYTES), secret(crypto_sign_SECRETKEYBYTES);
    if (crypto_sign_keypair(pub.data(), secret.data()) != 0)
        return false;
    publicKey = std::move(pub);
    secretKey = std::move(secret);
    return true;
}

std::vector<uint8_t> SignBytes(const uint8_t* data, size_t size, const std::vector<uint8_t>& secretKey)
{
    if (!Ready() || secretKey.size() != crypto_sign_SECRETKEYBYTES)
        return {};
    const auto message = SignedMessage(DigestOf(data, size));
    std::vector<uint8_t> signature(crypto_sign_BYTES);
    if (crypto_sign_detached(signature.data(), nullptr, message.data(), message.size(), secretKey.data()) != 0)
        return {};
    return signature;
}

bool DigestSignatureMatches(const FileDigest& digest, const std::vector<uint8_t>& signature, const uint8_t* publicKey,
                            size_t publicKeySize)
{
    if (!Ready() || signature.size() != crypto_sign_BYTES || publicKeySize != crypto_sign_PUBLICKEYBYTES)
        return false;
    const auto message = SignedMessage(digest);
    return crypto_sign_verify_detached(signature.data(), message.data(), message.size(), publicKey) == 0;
}

bool SignatureMatches(const uint8_t* data, size_t size, const std::vector<uint8_t>& signature, const uint8_t* publicKey,
                      size_t publicKeySize)
{
    return DigestSignatureMatches(DigestOf(data, size), signature, publicKey, publicKeySize);
}
