#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "RandomBytes.h"
#include "core/QuarantineCipher.h"

namespace {

// Transforms the bytes the way the store does a file: chunk by chunk, one cipher.
std::vector<uint8_t> InChunks(std::vector<uint8_t> bytes, bool store, size_t chunk = QuarantineChunkSize)
{
    QuarantineCipher cipher;
    for (size_t at = 0; at < bytes.size(); at += chunk) {
        const size_t n = std::min(chunk, bytes.size() - at);
        store ? cipher.Inverse(bytes.data() + at, n) : cipher.Forward(bytes.data() + at, n);
    }
    return bytes;
}

} // namespace

TEST(QuarantineCipher, RoundTripsEveryLengthAndKeepsIt)
{
    for (size_t n : {0, 1, 7, 8, 9, 15, 4095, 4096, 4097, 3 * 4096 + 5}) {
        const auto source = RandomBytes(n, static_cast<unsigned>(n));
        const auto stored = InChunks(source, true);
        ASSERT_EQ(stored.size(), n);
        if (n >= 8) {
            EXPECT_NE(stored, source) << n;
        }
        EXPECT_EQ(InChunks(stored, false), source) << n;
    }
}

TEST(QuarantineCipher, ChunksGiveTheSameBytesAsOnePass)
{
    const auto source = RandomBytes(20000 + 3, 1);
    const auto whole = InChunks(source, true, source.size());
    for (size_t chunk : {size_t(8), size_t(64), QuarantineChunkSize})
        EXPECT_EQ(InChunks(source, true, chunk), whole) << chunk;
}

// Written out from the chaining rules with the bare block cipher, so a change to either
// direction or to the feedback shows here.
TEST(QuarantineCipher, FollowsTheChainingRules)
{
    const Blowfish blowfish = QuarantineBlowfish(QuarantinePassword);
    uint8_t feedback[8], ones[8];
    std::memset(ones, 0xFF, 8);
    blowfish.EncryptBlock(ones, feedback);
    QuarantineCipher cipher;
    ASSERT_EQ(cipher.InitialFeedback(), LoadBigEndian64(feedback));

    const auto source = RandomBytes(8 * 3 + 5, 2);
    std::vector<uint8_t> expected(source.size());
    size_t at = 0;
    for (; at + 8 <= source.size(); at += 8) {
        blowfish.DecryptBlock(&source[at], &expected[at]);
        for (size_t i = 0; i < 8; ++i) {
            expected[at + i] ^= feedback[i];
            feedback[i] ^= source[at + i];
        }
    }
    uint8_t pad[8];
    blowfish.EncryptBlock(feedback, pad);
    for (size_t i = 0; at + i < source.size(); ++i)
        expected[at + i] = source[at + i] ^ pad[i];

    EXPECT_EQ(InChunks(source, true), expected);
}

TEST(QuarantineCipher, EveryFileStartsFromTheSameFeedback)
{
    QuarantineCipher cipher;
    auto first = RandomBytes(100, 3);
    auto second = first;
    cipher.Inverse(first.data(), first.size());
    cipher.Reset();
    cipher.Inverse(second.data(), second.size());
    EXPECT_EQ(first, second);
}
