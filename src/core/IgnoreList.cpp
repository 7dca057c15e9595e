#include "core/IgnoreList.h"

#include "core/TextHelpers.h"

namespace {

bool HasControlCharacter(const std::string& text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 32)
            return true;
    return false;
}

// The target as entries keep it, or empty when it is none.
std::string NormalTarget(std::string target)
{
    if (IsMd5TextOfAnyCase(target))
        return LowerCase(target);
    if (!IsFullPath(target) || HasControlCharacter(target) || target.find('|') != std::string::npos)
        return std::string();
    while (target.size() > 3 && target.back() == '\\')
        target.pop_back();
    return target;
}

} // namespace

bool IgnoreEntry::IsMd5() const
{
    return IsMd5TextOfAnyCase(Target);
}

bool IsFullPath(const std::string& text)
{
    const bool drive = text.size() >= 3 && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')) &&
                       text[1] == ':' && text[2] == '\\';
    const bool share = text.size() >= 3 && text[0] == '\\' && text[1] == '\\' && text[2] != '\\';
    return drive || share;
}

bool IgnoreList::Parse(const std::string& text, std::string& error)
{
    IgnoreList parsed;
    size_t number = 0;
    for (const std::string& line : SplitLinesAtLf(text)) {
        ++number;
        if (line.empty())
            continue;
        const size_t bar = line.find('|');
        if (bar == std::string::npos) {
            error = "line " + std::to_string(number) + ": no \"|\" between the MD5 text or path and the name";
            return false;
        }
        if (!parsed.Add({line.substr(0, bar), line.substr(bar + 1)})) {
            error = "line " + std::to_string(number) + ": neither an MD5 text nor a full path, or no name";
            return false;
        }
    }
    entries_ = std::move(parsed.entries_);
    return true;
}

std::string IgnoreList::Text() const
{
    std::string text;
    for (const IgnoreEntry& entry : entries_)
        text += entry.Target + "|" + entry.Name + "\r\n";
    return text;
}

bool IgnoreList::Add(IgnoreEntry entry)
{
    entry.Target = NormalTarget(entry.Target);
    if (entry.Target.empty() || entry.Name.empty() || HasControlCharacter(entry.Name))
        return false;
    entries_.push_back(std::move(entry));
    return true;
}

bool IgnoreList::Remove(size_t number)
{
    if (number == 0 || number > entries_.size())
        return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(number - 1));
    return true;
}

bool IgnoreList::IgnoresPath(const std::string& path) const
{
    const std::string target = NormalTarget(path);
    for (const IgnoreEntry& entry : entries_)
        if (!entry.IsMd5() && SameTextIgnoringCase(entry.Target, target))
            return true;
    return false;
}

bool IgnoreList::IgnoresFile(const std::string& path, const std::string& md5) const
{
    if (IgnoresPath(path))
        return true;
    for (const IgnoreEntry& entry : entries_)
        if (entry.IsMd5() && SameTextIgnoringCase(entry.Target, md5))
            return true;
    return false;
}

bool IgnoreList::IgnoresFolder(const std::string& path) const
{
    return IgnoresPath(path);
}

bool IgnoreList::HasMd5Entries() const
{
    for (const IgnoreEntry& entry : entries_)
        if (entry.IsMd5())
            return true;
    return false;
}
