#include <gtest/gtest.h>
#include <sodium.h>

#include <string>
#include <vector>

#include "core/Signatures.h"

namespace {

struct Keys {
    std::vector<uint8_t> pub, secret;
    Keys() { EXPECT_TRUE(MakeSigningKeys(pub, secret)); }
};

std::vector<uint8_t> Bytes(size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 131 + (i >> 9));
    return bytes;
}

} // namespace

TEST(Signatures, DigestInPiecesIsTheDigestOfTheWhole)
{
    const std::vector<uint8_t> bytes = Bytes(100000);
    const FileDigest whole = DigestOf(bytes.data(), bytes.size());
    for (size_t piece : {1u, 4097u, 65536u, 99999u}) {
        FileDigestBuilder builder;
        for (size_t at = 0; at < bytes.size(); at += piece)
            builder.Add(bytes.data() + at, std::min(piece, bytes.size() - at));
        EXPECT_EQ(builder.Finish(), whole) << piece;
    }
    std::vector<uint8_t> changed = bytes;
    changed[50000] ^= 1;
    EXPECT_NE(DigestOf(changed.data(), changed.size()), whole);
}

TEST(Signatures, OnlyTheKeysSignatureOfTheseBytesMatches)
{
    const Keys keys, other;
    const std::vector<uint8_t> bytes = Bytes(5000);
    const std::vector<uint8_t> signature = SignBytes(bytes.data(), bytes.size(), keys.secret);
    ASSERT_EQ(signature.size(), SignatureBytes);
    EXPECT_TRUE(SignatureMatches(bytes.data(), bytes.size(), signature, keys.pub.data(), keys.pub.size()));
    EXPECT_TRUE(
        DigestSignatureMatches(DigestOf(bytes.data(), bytes.size()), signature, keys.pub.data(), keys.pub.size()));

    EXPECT_FALSE(SignatureMatches(bytes.data(), bytes.size(), signature, other.pub.data(), other.pub.size()));
    EXPECT_FALSE(SignatureMatches(bytes.data(), bytes.size() - 1, signature, keys.pub.data(), keys.pub.size()));
    std::vector<uint8_t> flipped = signature;
    flipped[10] ^= 0x20;
    EXPECT_FALSE(SignatureMatches(bytes.data(), bytes.size(), flipped, keys.pub.data(), keys.pub.size()));
    EXPECT_FALSE(SignatureMatches(bytes.data(), bytes.size(), {}, keys.pub.data(), keys.pub.size()));
    EXPECT_FALSE(SignatureMatches(bytes.data(), bytes.size(), signature, keys.pub.data(), 31));
    EXPECT_TRUE(SignBytes(bytes.data(), bytes.size(), keys.pub).empty());

    // A plain signature of the bytes themselves, or of their bare digest, is the key's
    // signature of another message: the signed context keeps the uses apart.
    std::vector<uint8_t> plain(crypto_sign_BYTES);
    crypto_sign_detached(plain.data(), nullptr, bytes.data(), bytes.size(), keys.secret.data());
    EXPECT_FALSE(SignatureMatches(bytes.data(), bytes.size(), plain, keys.pub.data(), keys.pub.size()));
    const FileDigest digest = DigestOf(bytes.data(), bytes.size());
    crypto_sign_detached(plain.data(), nullptr, digest.data(), digest.size(), keys.secret.data());
    EXPECT_FALSE(SignatureMatches(bytes.data(), bytes.size(), plain, keys.pub.data(), keys.pub.size()));
}
