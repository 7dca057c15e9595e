// Ignore.dat of any content: a list either reads whole or not at all, and what it
// reads is written back as the same entries.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/IgnoreList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    IgnoreList list;
    std::string error;
    if (!list.Parse(text, error)) {
        FUZZ_CHECK(!error.empty() && list.Entries().empty());
        return 0;
    }
    IgnoreList again;
    FUZZ_CHECK(again.Parse(list.Text(), error));
    FUZZ_CHECK(again.Text() == list.Text());
    for (const IgnoreEntry& entry : list.Entries()) {
        if (entry.IsMd5())
            FUZZ_CHECK(list.IgnoresFile("C:\\any\\file.exe", entry.Target));
        else
            FUZZ_CHECK(list.IgnoresFile(entry.Target, "") || list.IgnoresFolder(entry.Target));
    }
    (void)list.IgnoresFolder(text.substr(0, 64));
    return 0;
}
