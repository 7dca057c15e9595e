#include "core/QuarantineIndex.h"

#include "core/TextHelpers.h"

namespace {
constexpr size_t LinesPerEntry = 5;
}

std::vector<TQFileList> ParseQuarantineIndex(const std::string& text)
{
    const std::vector<std::string> lines = SplitLinesAtLf(text);
    std::vector<TQFileList> entries;
    for (size_t first = 0; first < lines.size(); first += LinesPerEntry) {
        auto field = [&](size_t i) { return first + i < lines.size() ? lines[first + i] : std::string(); };
        entries.push_back({field(0), field(1), field(2), field(3), field(4)});
    }
    return entries;
}

std::string QuarantineIndexText(const std::vector<TQFileList>& entries)
{
    std::string text;
    for (const TQFileList& e : entries)
        for (const std::string* field : {&e.FileName, &e.StoredName, &e.Task, &e.Added, &e.Checksum})
            text += *field + "\r\n";
    return text;
}

std::string UniqueStoredName(const std::string& name, const std::function<bool(const std::string&)>& taken)
{
    if (!taken(name))
        return name;
    const size_t dot = name.rfind('.');
    const size_t split = dot == std::string::npos || dot == 0 ? name.size() : dot;
    for (int number = 2; number <= 10000; ++number) {
        std::string candidate = name.substr(0, split) + " (" + std::to_string(number) + ")" + name.substr(split);
        if (!taken(candidate))
            return candidate;
    }
    return std::string();
}
