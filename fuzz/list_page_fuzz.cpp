// The update server's list page and the numbers read from it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/UpdateList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ListPage page = ReadListPage(text);
    if (page.Valid) {
        (void)UpdateNumber(page.DatabaseDate);
        (void)DecimalOrZero(page.PieceBase);
        FUZZ_CHECK(SameDatabaseDate(page.DatabaseDate, page.DatabaseDate));
    }
    (void)UpdateNumber(text);
    (void)DecimalOrZero(text);
    const size_t half = text.size() / 2;
    FUZZ_CHECK(SameDatabaseDate(text.substr(0, half), text.substr(half)) ==
               SameDatabaseDate(text.substr(half), text.substr(0, half)));
    if (size >= 16) {
        int64_t total = 0, readed = 0;
        for (int i = 0; i < 8; ++i) {
            total = (total << 8) | data[i];
            readed = (readed << 8) | data[8 + i];
        }
        const int position = UpgradeProgressPosition(total, readed);
        FUZZ_CHECK(position >= 0 && position <= 100);
    }
    return 0;
}
