#include "core/Signatures.h"

#include <sodium.h>

namespace {
bool Ready()
{
    static const bool ready = sodium_init() >= 0; // thread-safe in the library; once is enough
    return ready;
}
} // namespace

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
    std::vector<uint8_t> signature(crypto_sign_BYTES);
    if (crypto_sign_detached(signature.data(), nullptr, data, size, secretKey.data()) != 0)
        return {};
    return signature;
}

bool SignatureMatches(const uint8_t* data, size_t size, const std::vector<uint8_t>& signature, const uint8_t* publicKey,
                      size_t publicKeySize)
{
    return Ready() && signature.size() == crypto_sign_BYTES && publicKeySize == crypto_sign_PUBLICKEYBYTES &&
           crypto_sign_verify_detached(signature.data(), data, size, publicKey) == 0;
}
