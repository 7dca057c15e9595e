// Longest input: 8192
// The quarantine cipher over a stored copy of any length and any damage: restoring
// never reads or writes outside the bytes, in pieces of whole blocks gives what one
// call gives, and storing what was restored gives the damaged copy back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "core/QuarantineCipher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the piece size (in 8-byte blocks) of the second pass.
    const size_t piece = 8 * (1 + data[0] % 64);
    const std::vector<uint8_t> stored(data + 1, data + size);

    QuarantineCipher cipher;
    std::vector<uint8_t> whole = stored;
    cipher.Forward(whole.data(), whole.size());

    cipher.Reset();
    std::vector<uint8_t> pieces = stored;
    for (size_t at = 0; at < pieces.size(); at += piece)
        cipher.Forward(pieces.data() + at, std::min(piece, pieces.size() - at));
    FUZZ_CHECK(pieces == whole);

    cipher.Reset();
    cipher.Inverse(whole.data(), whole.size());
    FUZZ_CHECK(whole == stored);
    return 0;
}
