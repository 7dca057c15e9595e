#include "core/RegBaseText.h"

#include "core/RegistryRoots.h"
#include "core/TextHelpers.h"

bool ParseInteger(const std::string& text, int& value)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    long long result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        result = result * 10 + (text[i] - '0');
        if (result > 0x7FFFFFFF)
            return false;
    }
    value = static_cast<int>(negative ? -result : result);
    return true;
}

std::vector<RegBaseEntry> ParseRegBase(const std::string& content)
{
    const std::vector<std::string> lines = SplitLines(content);
    auto line = [&](size_t index) { return index < lines.size() ? lines[index] : std::string(); };
    std::vector<RegBaseEntry> entries;
    int count = 0;
    if (!ParseInteger(line(0), count))
        return entries;
    for (int k = 0; k < count; ++k) {
        const size_t at = 1 + 3 * static_cast<size_t>(k);
        RegBaseEntry entry;
        if (!ParseInteger(line(at), entry.RootCode))
            break;
        entry.KeyPath = line(at + 1);
        if (entry.RootCode >= 0 && entry.RootCode < RootCodeCount && !entry.KeyPath.empty())
            entries.push_back(entry);
    }
    return entries;
}
