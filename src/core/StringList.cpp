#include "core/StringList.h"

#include <algorithm>

#include "core/TextHelpers.h"

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerChar(x)) < static_cast<unsigned char>(LowerChar(y));
    });
}

} // namespace

int StringList::Add(const std::string& line)
{
    if (!sorted_) {
        lines_.push_back(line);
        return Count() - 1;
    }
    const auto at = std::lower_bound(lines_.begin(), lines_.end(), line, LessIgnoringCase);
    if (at != lines_.end() && SameTextIgnoringCase(*at, line))
        return -1;
    const auto index = at - lines_.begin();
    lines_.insert(at, line);
    return static_cast<int>(index);
}

int StringList::IndexOf(const std::string& line) const
{
    if (sorted_) {
        const auto at = std::lower_bound(lines_.begin(), lines_.end(), line, LessIgnoringCase);
        return (at != lines_.end() && SameTextIgnoringCase(*at, line)) ? static_cast<int>(at - lines_.begin()) : -1;
    }
    for (size_t i = 0; i < lines_.size(); ++i)
        if (SameTextIgnoringCase(lines_[i], line))
            return static_cast<int>(i);
    return -1;
}

void StringList::Delete(int index)
{
    if (index >= 0 && index < Count())
        lines_.erase(lines_.begin() + index);
}

std::string StringList::Text() const
{
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}
