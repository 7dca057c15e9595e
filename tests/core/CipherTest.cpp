#include <gtest/gtest.h>

#include <vector>

#include "RandomBytes.h"
#include "core/StreamCipher.h"

TEST(Cipher, RoundTripsAnyLength)
{
    for (size_t n : {size_t(0), size_t(1), size_t(35), size_t(1) << 20}) {
        const std::vector<uint8_t> plain = RandomBytes(n, static_cast<unsigned>(n));
        std::vector<uint8_t> cipher(n), back(n);
        ASSERT_TRUE(Encrypt(plain.data(), n, cipher.data(), DatabaseKey, n));
        if (n > 16) {
            EXPECT_NE(cipher, plain);
        }
        ASSERT_TRUE(Decrypt(cipher.data(), n, back.data(), DatabaseKey, n));
        EXPECT_EQ(back, plain) << n;
        // Decrypting in place gives the same.
        ASSERT_TRUE(Decrypt(cipher.data(), n, cipher.data(), DatabaseKey, n));
        EXPECT_EQ(cipher, plain) << n;
    }
}

TEST(Cipher, FollowsTheKeyScheduleWithAnEightBitSum)
{
    // Worked by hand: R=0x1234 gives c0 = 0x41^0x12; R = ((0x41+0x34)&0xFF)*3+5 = 0x164;
    // c1 = 0xFF^0x01; R = ((0xFF+0x64)&0xFF)*3+5 = 0x12E (a 16-bit sum would give 0x42E); c2 = 0x00^0x01.
    const CipherKey key{3, 5, 0x1234};
    const uint8_t plain[] = {0x41, 0xFF, 0x00};
    uint8_t cipher[3];
    ASSERT_TRUE(Encrypt(plain, 3, cipher, key, 3));
    EXPECT_EQ(cipher[0], 0x53);
    EXPECT_EQ(cipher[1], 0xFE);
    EXPECT_EQ(cipher[2], 0x01);
}

TEST(Cipher, RefusesDifferentLengthsAndLeavesBuffersAlone)
{
    const std::vector<uint8_t> source = {1, 2, 3, 4};
    std::vector<uint8_t> destination = {9, 9, 9};
    EXPECT_FALSE(Encrypt(source.data(), 4, destination.data(), DatabaseKey, 3));
    EXPECT_FALSE(Decrypt(source.data(), 4, destination.data(), DatabaseKey, 3));
    EXPECT_EQ(destination, (std::vector<uint8_t>{9, 9, 9}));
    EXPECT_EQ(source, (std::vector<uint8_t>{1, 2, 3, 4}));
}
