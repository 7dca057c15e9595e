// Longest input: 4096
// Hash signature lists of any content: a list is taken whole or refused, and every
// signature it holds is found by its size and by its MD5 and size.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/HashSignatures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HashSignatures signatures;
    std::string error;
    if (!signatures.Parse(reinterpret_cast<const char*>(data), size, error)) {
        FUZZ_CHECK(!error.empty() && signatures.Count() == 0);
        return 0;
    }
    const std::string text = signatures.Text();
    HashSignatures again;
    FUZZ_CHECK(again.Parse(text, error));
    FUZZ_CHECK(again.Text() == text && again.Count() == signatures.Count());
    return 0;
}
