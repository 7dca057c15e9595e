// RegBase.rgk, the list of registry startup keys shipped beside the program.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/RegBaseText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const RegBaseEntry& entry : ParseRegBase(text)) {
        FUZZ_CHECK(entry.RootCode >= 0 && entry.RootCode <= 4);
        FUZZ_CHECK(!entry.KeyPath.empty() && entry.KeyPath.size() <= text.size());
    }
    int value = 0;
    (void)ParseInteger(text, value);
    return 0;
}
