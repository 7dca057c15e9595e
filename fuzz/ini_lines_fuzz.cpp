// Longest input: 4096
// System.ini and Win.ini: the driver and program rows of any content, switching a
// row, and the rewrite that switching makes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/IniLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    for (IniRow row : IniRowsOf(content)) {
        FUZZ_CHECK(row.Text.find_first_of("\r\n") == std::string::npos);
        std::string line;
        row.Checked = !row.Checked;
        if (!ToggledIniLine(row, line))
            continue;
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        const std::string rewritten = RewriteIniContent(content, row.Text, line);
        // Switching back restores the rewritten file's line.
        IniRow back{line, !row.Checked};
        std::string again;
        if (ToggledIniLine(back, again))
            (void)RewriteIniContent(rewritten, line, again);
    }
    return 0;
}
