#include "scan/FolderListings.h"

#include <algorithm>
#include <cstring>

#include "core/TextHelpers.h"

namespace {

// Names the system answers for without the folder: devices, which every folder seems
// to hold whatever their extension, and the folder through which a 32-bit program
// reaches the 64-bit System32 folder, which no listing shows.
bool NamedBySystem(const std::string& upperName)
{
    std::string base = upperName.substr(0, upperName.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
        if (base == device)
            return true;
    if (base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '0' &&
        base[3] <= '9')
        return true;
    return upperName == "SYSNATIVE";
}

// A name the listing may answer for: printable ASCII (so every ANSI code page reads
// it alike), no wildcard or stream characters, and none of the forms the system
// rewrites before it looks ("." and "..", trailing dots and blanks).
bool PlainName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ')
        return false;
    for (const char c : name)
        if (c < 0x20 || c > 0x7e || std::strchr("*?<>\"|/:", c))
            return false;
    return !NamedBySystem(UpperCase(name));
}

// True when the name has the form of a short (8.3) name. Short names can be set to
// anything of that form, not only to the generated "~" forms, so any such name may
// be one.
bool MayBeShortName(const std::string& name)
{
    const size_t dot = name.find('.');
    if (dot == std::string::npos)
        return name.size() <= 8;
    return dot <= 8 && name.find('.', dot + 1) == std::string::npos && name.size() - dot - 1 <= 3;
}

bool AsciiOnly(const wchar_t* name)
{
    for (; *name; ++name)
        if (*name < 0x20 || *name > 0x7e)
            return false;
    return true;
}

std::string Narrow(const wchar_t* name)
{
    std::string text;
    for (; *name; ++name)
        text += static_cast<char>(*name);
    return text;
}

} // namespace

// Splits a plain absolute path ("X:\name\name...") into its drive's folder and names;
// false for any other path.
bool FolderListings::Split(const std::string& path, size_t& root, std::vector<std::string>& names)
{
    if (path.size() < 4 || path.size() >= MAX_PATH || path[1] != ':' || path[2] != '\\')
        return false;
    const char drive = UpperCase(path.substr(0, 1))[0];
    if (drive < 'A' || drive > 'Z')
        return false;
    for (size_t start = 3;;) {
        const size_t end = path.find('\\', start);
        names.push_back(path.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (!PlainName(names.back()))
            return false;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    auto known = drives_.find(drive);
    if (known == drives_.end()) {
        folders_.emplace_back();
        folders_.back().Path = std::wstring(1, static_cast<wchar_t>(drive)) + L":\\";
        known = drives_.emplace(drive, folders_.size() - 1).first;
    }
    root = known->second;
    return true;
}

// Goes down the names but the last from `folder`; on Entry, `folder` is the folder
// that should hold the last name.
FolderListings::Found FolderListings::Descend(size_t& folder, const std::vector<std::string>& names)
{
    for (size_t i = 0; i + 1 < names.size(); ++i) {
        size_t entry = 0;
        const Found found = Find(folder, names[i], entry);
        if (found != Found::Entry)
            return found;
        const DWORD attributes = folders_[folder].Entries[entry].Attributes;
        // A link may lead anywhere; the system follows it.
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
            return Found::Unknown;
        // A file on the way: nothing lies below it.
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return Found::Nothing;
        if (!folders_[folder].Entries[entry].Child) {
            folders_.emplace_back();
            folders_.back().Path = folders_[folder].Path + folders_[folder].Entries[entry].Name + L"\\";
            folders_[folder].Entries[entry].Child = folders_.size() - 1;
        }
        folder = folders_[folder].Entries[entry].Child;
    }
    return Found::Entry;
}

bool FolderListings::NamesNothing(const std::string& path)
{
    size_t folder = 0, entry = 0;
    std::vector<std::string> names;
    if (!Split(path, folder, names))
        return false;
    const Found found = Descend(folder, names);
    if (found != Found::Entry)
        return found == Found::Nothing;
    return Find(folder, names.back(), entry) == Found::Nothing;
}

bool FolderListings::MatchesNothing(const std::string& pattern)
{
    // The name's text before its first wildcard, or before a dot, which the system may
    // read as "a dot or the end of the name" in front of a wildcard.
    const size_t slash = pattern.find_last_of('\\');
    if (slash == std::string::npos)
        return false;
    const std::string name = pattern.substr(slash + 1);
    const std::string prefix = UpperCase(name.substr(0, name.find_first_of("*?<>\".")));
    if (prefix.empty() || prefix.size() == name.size())
        return false;
    size_t folder = 0;
    std::vector<std::string> names;
    if (!Split(pattern.substr(0, slash + 1) + "x", folder, names))
        return false;
    const Found found = Descend(folder, names);
    if (found != Found::Entry)
        return found == Found::Nothing;

    if (!folders_[folder].Listed)
        List(folder, false);
    // A short name starts with at most eight letters before its dot.
    if (prefix.size() <= 8 && !folders_[folder].ShortNames)
        List(folder, true);
    Folder& f = folders_[folder];
    if (!f.Usable || !f.OtherLengths.empty())
        return false;
    const auto next = std::lower_bound(f.Names.begin(), f.Names.end(), std::make_pair(prefix, size_t{0}));
    return next == f.Names.end() || next->first.compare(0, prefix.size(), prefix) != 0;
}

FolderListings::Found FolderListings::Find(size_t folder, const std::string& name, size_t& entry)
{
    if (!folders_[folder].Listed)
        List(folder, false);
    // ASCII names compare as the file system compares them when both sides are upper
    // case in ASCII: its case table maps a-z to A-Z and changes no other ASCII letter.
    const std::string key = UpperCase(name);
    for (;;) {
        const Folder& f = folders_[folder];
        if (!f.Usable)
            return Found::Unknown;
        const auto at = std::lower_bound(f.Names.begin(), f.Names.end(), std::make_pair(key, size_t{0}));
        if (at != f.Names.end() && at->first == key) {
            entry = at->second;
            return Found::Entry;
        }
        // A name beyond ASCII matches an ASCII one only where a case rule maps one
        // letter to one, so only a name of the same length could.
        for (const size_t length : f.OtherLengths)
            if (length == name.size())
                return Found::Unknown;
        if (f.ShortNames || !MayBeShortName(name))
            return Found::Nothing;
        List(folder, true);
    }
}

void FolderListings::List(size_t folder, bool shortNames)
{
    Folder& f = folders_[folder];
    // Folders already looked into keep their listings when this one is read again.
    std::unordered_map<std::wstring, size_t> children;
    for (const Entry& e : f.Entries)
        if (e.Child)
            children.emplace(e.Name, e.Child);
    f.Listed = true;
    f.Usable = false;
    f.Entries.clear();
    f.Names.clear();
    f.OtherLengths.clear();
    ++read_;

    const std::wstring pattern = f.Path + L"*";
    WIN32_FIND_DATAW data;
    // The basic level leaves out short names and is quicker where the system has it;
    // the large fetch reads the folder in fewer calls. Older systems know neither.
    HANDLE find = FindFirstFileExW(pattern.c_str(), shortNames ? FindExInfoStandard : FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    f.ShortNames = shortNames;
    if (find == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER) {
        find = FindFirstFileW(pattern.c_str(), &data);
        f.ShortNames = true;
    }
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!std::wcscmp(data.cFileName, L".") || !std::wcscmp(data.cFileName, L".."))
            continue;
        const size_t index = f.Entries.size();
        const auto child = children.find(data.cFileName);
        f.Entries.push_back(Entry{data.dwFileAttributes, data.cFileName, child == children.end() ? 0 : child->second});
        for (const wchar_t* name : {data.cFileName, data.cAlternateFileName}) {
            if (name == data.cAlternateFileName && (!f.ShortNames || !*name))
                continue;
            if (AsciiOnly(name))
                f.Names.emplace_back(UpperCase(Narrow(name)), index);
            else
                f.OtherLengths.push_back(std::wcslen(name));
        }
    } while (FindNextFileW(find, &data));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(find);
    if (!complete) {
        f.Entries.clear();
        f.Names.clear();
        return;
    }
    std::sort(f.Names.begin(), f.Names.end());
    f.Names.shrink_to_fit();
    f.Usable = true;
}
