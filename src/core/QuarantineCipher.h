#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Blowfish.h"

// The cipher of stored quarantine copies. Blowfish keyed with the RIPEMD-256 digest of
// a fixed password, in a feedback chaining that keeps the length: a stored copy is
// exactly as long as its source. Every file starts from the same feedback value, so
// copies stored by earlier versions stay readable; these constants never change.
extern const char QuarantinePassword[];

// Files are transformed in chunks of this size; any multiple of the block size gives
// the same bytes as one pass over the whole file. Large enough that reading and writing
// cost little beside the cipher, small enough (a few milliseconds of work) that the
// window is kept alive between chunks.
constexpr size_t QuarantineChunkSize = size_t(256) << 10;

class QuarantineCipher {
public:
    QuarantineCipher();
    explicit QuarantineCipher(const std::string& password);

    // Storing a file applies Inverse to its bytes; restoring applies Forward to the
    // stored bytes. Both work in place and carry the feedback from call to call:
    // every call but the last of a file must cover whole blocks, since a partial final
    // block does not advance the feedback.
    void Forward(uint8_t* data, size_t length);
    void Inverse(uint8_t* data, size_t length);

    // Starts a new file.
    void Reset();

    // The feedback every file starts from, as Blowfish::Encrypt takes a block.
    uint64_t InitialFeedback() const { return iv_; }

private:
    void FinalPartialBlock(uint8_t* data, size_t length) const;

    Blowfish blowfish_;
    uint64_t iv_;
    uint64_t feedback_;
};

// The Blowfish key: the RIPEMD-256 digest of the password's bytes.
Blowfish QuarantineBlowfish(const std::string& password);
