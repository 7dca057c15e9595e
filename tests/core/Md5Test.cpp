#include <gtest/gtest.h>

#include <string>

#include "Md5Of.h"
#include "core/Md5.h"

TEST(Md5, MatchesTheRfc1321Suite)
{
    const std::pair<std::string, std::string> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& [input, expected] : suite)
        EXPECT_EQ(Md5Text(Md5Of(input.data(), input.size())), expected) << '"' << input << '"';
}

TEST(Md5, GivesTheSameDigestWhateverThePieces)
{
    std::string input;
    for (int i = 0; i < 200; ++i)
        input += static_cast<char>(i * 7 + 3);
    const Md5Digest whole = Md5Of(input.data(), input.size());
    for (size_t split = 0; split <= input.size(); ++split) {
        Md5 md5;
        md5.Update(input.data(), split);
        md5.Update(input.data() + split, input.size() - split);
        ASSERT_EQ(md5.Final(), whole) << split;
    }
}

TEST(Md5, TextIsTwoLowerCaseDigitsPerByte)
{
    Md5Digest digest{};
    digest[0] = 0x0A;
    digest[1] = 0xF0;
    digest[15] = 0xFF;
    EXPECT_EQ(Md5Text(digest), "0af000000000000000000000000000ff");
}
