#include "core/QuarantineCipher.h"

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

QuarantineCipher::QuarantineCipher(const std::string& password)
    : blowfish_(QuarantineBlowfish(password)), iv_(blowfish_.Encrypt(~uint64_t(0))), feedback_(iv_)
{
}

void QuarantineCipher::Reset()
{
    feedback_ = iv_;
}

void QuarantineCipher::FinalPartialBlock(uint8_t* data, size_t length) const
{
    uint8_t pad[Block];
    StoreBigEndian64(blowfish_.Encrypt(feedback_), pad);
    for (size_t i = 0; i < length; ++i)
        data[i] ^= pad[i];
}

void QuarantineCipher::Forward(uint8_t* data, size_t length)
{
    for (; length >= Block; data += Block, length -= Block) {
        const uint64_t stored = blowfish_.Encrypt(LoadBigEndian64(data) ^ feedback_);
        StoreBigEndian64(stored, data);
        feedback_ ^= stored;
    }
    if (length > 0)
        FinalPartialBlock(data, length);
}

void QuarantineCipher::Inverse(uint8_t* data, size_t length)
{
    // The feedback only gathers the source blocks, so four blocks decipher side by side.
    for (; length >= 4 * Block; data += 4 * Block, length -= 4 * Block) {
        uint64_t blocks[4], source[4];
        for (int k = 0; k < 4; ++k)
            blocks[k] = source[k] = LoadBigEndian64(data + k * Block);
        blowfish_.Decrypt4(blocks);
        for (int k = 0; k < 4; ++k) {
            StoreBigEndian64(blocks[k] ^ feedback_, data + k * Block);
            feedback_ ^= source[k];
        }
    }
    for (; length >= Block; data += Block, length -= Block) {
        const uint64_t source = LoadBigEndian64(data);
        StoreBigEndian64(blowfish_.Decrypt(source) ^ feedback_, data);
        feedback_ ^= source;
    }
    if (length > 0)
        FinalPartialBlock(data, length);
}
