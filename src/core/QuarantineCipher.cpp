#include "core/QuarantineCipher.h"

#include <cstring>

#include "core/Ripemd256.h"

const char QuarantinePassword[] = "71846039";

namespace {
constexpr size_t Block = Blowfish::BlockSize;
}

Blowfish QuarantineBlowfish(const std::string& password)
{
    const Ripemd256Digest key = Ripemd256Of(password.data(), password.size());
    return Blowfish(key.data(), key.size());
}

QuarantineCipher::QuarantineCipher() : QuarantineCipher(QuarantinePassword) {}

QuarantineCipher::QuarantineCipher(const std::string& password) : blowfish_(QuarantineBlowfish(password))
{
    uint8_t ones[Block];
    std::memset(ones, 0xFF, Block);
    blowfish_.EncryptBlock(ones, iv_);
    Reset();
}

void QuarantineCipher::Reset()
{
    std::memcpy(feedback_, iv_, Block);
}

void QuarantineCipher::FinalPartialBlock(uint8_t* data, size_t length) const
{
    uint8_t pad[Block];
    blowfish_.EncryptBlock(feedback_, pad);
    for (size_t i = 0; i < length; ++i)
        data[i] ^= pad[i];
}

void QuarantineCipher::Forward(uint8_t* data, size_t length)
{
    for (; length >= Block; data += Block, length -= Block) {
        for (size_t i = 0; i < Block; ++i)
            data[i] ^= feedback_[i];
        blowfish_.EncryptBlock(data, data);
        for (size_t i = 0; i < Block; ++i)
            feedback_[i] ^= data[i];
    }
    if (length > 0)
        FinalPartialBlock(data, length);
}

void QuarantineCipher::Inverse(uint8_t* data, size_t length)
{
    for (; length >= Block; data += Block, length -= Block) {
        uint8_t stored[Block];
        std::memcpy(stored, data, Block);
        blowfish_.DecryptBlock(data, data);
        for (size_t i = 0; i < Block; ++i) {
            data[i] ^= feedback_[i];
            feedback_[i] ^= stored[i];
        }
    }
    if (length > 0)
        FinalPartialBlock(data, length);
}
