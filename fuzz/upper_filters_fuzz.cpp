// The keyboard class's UpperFilters value, of any bytes: the listed names and the
// value written without one of them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/UpperFilters.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string value(reinterpret_cast<const char*>(data), size);
    const std::string buffer = UpperFiltersBuffer(value);
    FUZZ_CHECK(buffer.size() == UpperFiltersBufferSize);
    const std::vector<std::string> names = UpperFilterNames(buffer);
    for (const std::string& name : names) {
        const std::string without = UpperFiltersWithout(buffer, name);
        FUZZ_CHECK(without.size() >= 2 && without[without.size() - 1] == '\0' && without[without.size() - 2] == '\0');
        const std::vector<std::string> left = UpperFilterNames(UpperFiltersBuffer(without));
        FUZZ_CHECK(left.size() <= names.size());
    }
    return 0;
}
