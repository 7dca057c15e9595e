#include <gtest/gtest.h>

#include <string>

#include "core/Ripemd256.h"

namespace {

std::string HexOf(const Ripemd256Digest& digest)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : digest) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

} // namespace

// The test suite published with RIPEMD-256.
TEST(Ripemd256, MatchesThePublishedSuite)
{
    const std::pair<std::string, std::string> suite[] = {
        {"", "02ba4c4e5f8ecd1877fc52d64d30e37a2d9774fb1e5d026380ae0168e3c5522d"},
        {"a", "f9333e45d857f5d90a91bab70a1eba0cfb1be4b0783c9acfcd883a9134692925"},
        {"abc", "afbd6e228b9d8cbbcef5ca2d03e6dba10ac0bc7dcbe4680e1e42d2e975459b65"},
        {"message digest", "87e971759a1ce47a514d5c914c392c9018c7c46bc14465554afcdf54a5070c0e"},
        {"abcdefghijklmnopqrstuvwxyz", "649d3034751ea216776bf9a18acc81bc7896118a5197968782dd1fd97d8d5133"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "3843045583aac6c8c8d9128573e7a9809afb2a0f34ccc36ea9e72f16f6368e3f"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "5740a408ac16b720b84424ae931cbb1fe363d1d0bf4017f1a89f7ea6de77a0b8"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "06fdcc7a409548aaf91368c06a6275b553e3f099bf0ea4edfd6778df89a890dd"},
        {std::string(1000000, 'a'), "ac953744e10e31514c150d4d8d7b677342e33399788296e43ae4850ce4f97978"},
    };
    for (const auto& [input, expected] : suite)
        EXPECT_EQ(HexOf(Ripemd256Of(input.data(), input.size())), expected) << input.substr(0, 40);
}

TEST(Ripemd256, GivesTheSameDigestWhateverThePieces)
{
    std::string input;
    for (int i = 0; i < 200; ++i)
        input += static_cast<char>(i * 13 + 5);
    const Ripemd256Digest whole = Ripemd256Of(input.data(), input.size());
    for (size_t split = 0; split <= input.size(); ++split) {
        Ripemd256 context;
        context.Update(input.data(), split);
        context.Update(input.data() + split, input.size() - split);
        ASSERT_EQ(context.Final(), whole) << split;
    }
}
