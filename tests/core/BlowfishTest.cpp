#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Blowfish.h"

namespace {

std::vector<uint8_t> Hex(const std::string& text)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

} // namespace

// Eric Young's published vectors: key, plain text, cipher text.
TEST(Blowfish, MatchesThePublishedVectors)
{
    const char* const vectors[][3] = {
        {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
        {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
        {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
        {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
        {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
        {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
        {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
        {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    };
    for (const auto& v : vectors) {
        const auto key = Hex(v[0]), plain = Hex(v[1]), cipher = Hex(v[2]);
        const Blowfish blowfish(key.data(), key.size());
        uint8_t out[8], back[8];
        blowfish.EncryptBlock(plain.data(), out);
        EXPECT_EQ(std::vector<uint8_t>(out, out + 8), cipher) << v[0] << " " << v[1];
        blowfish.DecryptBlock(out, back);
        EXPECT_EQ(std::vector<uint8_t>(back, back + 8), plain) << v[0] << " " << v[1];
    }
}

// The published variable-key-length set: the key's first n bytes, one plain block.
TEST(Blowfish, TakesKeysOfAnyLength)
{
    const auto key = Hex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677");
    const auto plain = Hex("FEDCBA9876543210");
    const std::pair<size_t, const char*> vectors[] = {
        {1, "F9AD597C49DB005E"}, {8, "E87A244E2CC85E82"}, {16, "93142887EE3BE15C"}, {24, "05044B62FA52D080"}};
    for (const auto& [length, cipher] : vectors) {
        const Blowfish blowfish(key.data(), length);
        uint8_t out[8];
        blowfish.EncryptBlock(plain.data(), out);
        EXPECT_EQ(std::vector<uint8_t>(out, out + 8), Hex(cipher)) << length;
    }
}
