// Checks the quarantine cipher against Crypto++, an independent implementation of
// Blowfish and RIPEMD-256. Linux only: Crypto++ is not built for Windows here.
#include <gtest/gtest.h>

#include <crypto++/blowfish.h>
#include <crypto++/ripemd.h>

#include <cstring>
#include <string>
#include <vector>

#include "RandomBytes.h"
#include "core/QuarantineCipher.h"
#include "core/Ripemd256.h"

namespace {

std::vector<uint8_t> TheirDigest(const std::string& text)
{
    std::vector<uint8_t> digest(CryptoPP::RIPEMD256::DIGESTSIZE);
    CryptoPP::RIPEMD256().CalculateDigest(digest.data(), reinterpret_cast<const CryptoPP::byte*>(text.data()),
                                          text.size());
    return digest;
}

// The store direction written over Crypto++'s Blowfish, from the chaining rules.
std::vector<uint8_t> TheirStoredCopy(const std::vector<uint8_t>& source)
{
    const auto key = TheirDigest(QuarantinePassword);
    CryptoPP::BlowfishEncryption encrypt(key.data(), key.size());
    CryptoPP::BlowfishDecryption decrypt(key.data(), key.size());
    uint8_t feedback[8];
    std::memset(feedback, 0xFF, 8);
    encrypt.ProcessBlock(feedback);
    std::vector<uint8_t> out(source.size());
    size_t at = 0;
    for (; at + 8 <= source.size(); at += 8) {
        decrypt.ProcessBlock(&source[at], &out[at]);
        for (size_t i = 0; i < 8; ++i) {
            out[at + i] ^= feedback[i];
            feedback[i] ^= source[at + i];
        }
    }
    encrypt.ProcessBlock(feedback);
    for (size_t i = 0; at + i < source.size(); ++i)
        out[at + i] = source[at + i] ^ feedback[i];
    return out;
}

} // namespace

TEST(QuarantineAgainstCryptopp, DigestsAgree)
{
    for (size_t n : {0, 1, 8, 55, 56, 63, 64, 65, 1000})
        for (const std::string& text : {std::string(QuarantinePassword), std::string(n, 'x')}) {
            const Ripemd256Digest ours = Ripemd256Of(text.data(), text.size());
            EXPECT_EQ(std::vector<uint8_t>(ours.begin(), ours.end()), TheirDigest(text)) << text.size();
        }
}

TEST(QuarantineAgainstCryptopp, KeyedBlocksAgree)
{
    const auto key = TheirDigest(QuarantinePassword);
    CryptoPP::BlowfishEncryption encrypt(key.data(), key.size());
    CryptoPP::BlowfishDecryption decrypt(key.data(), key.size());
    const Blowfish ours = QuarantineBlowfish(QuarantinePassword);
    const auto blocks = RandomBytes(8 * 64, 4);
    for (size_t at = 0; at < blocks.size(); at += 8) {
        uint8_t mine[8], theirs[8];
        ours.EncryptBlock(&blocks[at], mine);
        encrypt.ProcessBlock(&blocks[at], theirs);
        ASSERT_EQ(0, std::memcmp(mine, theirs, 8)) << at;
        ours.DecryptBlock(&blocks[at], mine);
        decrypt.ProcessBlock(&blocks[at], theirs);
        ASSERT_EQ(0, std::memcmp(mine, theirs, 8)) << at;
    }
    uint8_t iv[8];
    std::memset(iv, 0xFF, 8);
    encrypt.ProcessBlock(iv);
    EXPECT_EQ(QuarantineCipher().InitialFeedback(), LoadBigEndian64(iv));
}

TEST(QuarantineAgainstCryptopp, WholeStoredFilesAgree)
{
    // Past one chunk, with whole blocks left over from the four deciphered side by side.
    for (size_t n : {size_t(0), size_t(5), size_t(8), size_t(4096), 3 * 4096 + size_t(1001),
                     2 * QuarantineChunkSize + 3 * 8 + 5}) {
        const auto source = RandomBytes(n, static_cast<unsigned>(n) + 7);
        std::vector<uint8_t> stored = source;
        QuarantineCipher cipher;
        for (size_t at = 0; at < n; at += QuarantineChunkSize)
            cipher.Inverse(stored.data() + at, std::min(QuarantineChunkSize, n - at));
        EXPECT_EQ(stored, TheirStoredCopy(source)) << n;
    }
}
