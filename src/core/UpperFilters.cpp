#include "core/UpperFilters.h"

#include <algorithm>

#include "core/TextHelpers.h"

std::string UpperFiltersBuffer(const std::string& data)
{
    std::string buffer(UpperFiltersBufferSize, ' ');
    buffer.replace(0, std::min(data.size(), buffer.size()), data.substr(0, buffer.size()));
    return buffer;
}

std::vector<std::string> UpperFilterNames(const std::string& buffer)
{
    // The walk starts at the second byte with the search for a NUL, so the first
    // name is passed over whatever it is.
    std::vector<std::string> names;
    const size_t end = std::min(buffer.size(), UpperFiltersBufferSize);
    size_t i = buffer.find('\0', 1);
    while (i != std::string::npos && i < end) {
        if (i + 1 < end && buffer[i + 1] == '\0')
            break;
        while (i < end && buffer[i] == '\0')
            ++i;
        if (i >= end)
            break;
        size_t stop = buffer.find('\0', i);
        if (stop == std::string::npos || stop > end)
            stop = end;
        const std::string name = Trim(buffer.substr(i, stop - i));
        if (!name.empty())
            names.push_back(name);
        i = stop;
    }
    return names;
}

std::string UpperFiltersWithout(const std::string& buffer, const std::string& removed)
{
    // The names are joined by NUL itself: a name that holds any other separator, as a
    // ":" would be, stays one name.
    std::string result;
    if (!Trim(buffer.substr(0, UpperFiltersBufferSize)).empty())
        result += buffer.substr(0, buffer.find('\0')) + '\0';
    for (const std::string& name : UpperFilterNames(buffer))
        if (name != removed)
            result += name + '\0';
    result += '\0';
    return result;
}
