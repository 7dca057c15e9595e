#include "core/StartupPatterns.h"

#include <vector>

#include "core/PathText.h"
#include "core/TextHelpers.h"

namespace {

// Where a fragment of a pattern occurs, from `from` on. An empty one (from "!!", or
// "?" at the start) finds nothing, so its pattern fits no name instead of every name:
// each hit ends the processes of that name.
size_t FindFragment(const std::string& text, const std::string& fragment, size_t from)
{
    return fragment.empty() ? std::string::npos : text.find(fragment, from);
}

bool SameFolder(const std::string& a, const std::string& b)
{
    return SameTextIgnoringCase(FolderPart(a), FolderPart(b));
}

bool ContainsIgnoringCase(const std::string& text, const std::string& part)
{
    return LowerCase(text).find(LowerCase(part)) != std::string::npos;
}

std::string PrefixMatches(const std::string& path, const std::string& name, RecordMachine& machine)
{
    const std::string prefix = name.substr(0, name.find("<>"));
    std::string result;
    for (const ResolvedEntry& entry : machine.StartupEntries()) {
        if (entry.File.empty() || entry.Line.find(prefix) == std::string::npos)
            continue;
        if (ContainsIgnoringCase(entry.File, prefix) && SameFolder(entry.File, path))
            result += entry.File + ";";
    }
    return result;
}

std::string SetMatches(const std::string& path, const std::string& name, RecordMachine& machine)
{
    const size_t amp = name.find('&');
    const std::string prefix = name.substr(0, amp);
    const std::string set = name.substr(amp + 1);
    const std::string folder = FolderPart(path);
    const std::string lowerPrefix = LowerCase(prefix);
    std::string result;

    if (prefix.empty()) {
        for (const ResolvedEntry& entry : machine.StartupEntries()) {
            const std::string rest = LowerCase(FileNamePart(entry.File));
            if (!entry.File.empty() && FitsCharacterSet(rest, set))
                result += folder + rest + ";";
        }
        return result;
    }

    const std::string pattern = folder + prefix + "<>" + ExtensionOf(ReplaceAll(name, "!", ""));
    const std::string listed = machine.ListMatching(pattern);
    for (const std::string& file : SplitPathList(listed)) {
        std::string rest = LowerCase(FileNamePart(file));
        const size_t at = rest.find(lowerPrefix);
        if (at != std::string::npos)
            rest.erase(at, lowerPrefix.size());
        if (FitsCharacterSet(rest, set))
            result += folder + prefix + rest + ";";
    }

    // A name the system's own wildcard matching finds but the listing missed: look
    // among the startup programs of that folder instead.
    const std::string folderPrefix = folder + prefix;
    if (machine.FileUsable(pattern) && !ContainsIgnoringCase(listed, folderPrefix)) {
        for (const ResolvedEntry& entry : machine.StartupEntries()) {
            if (entry.File.empty() || !ContainsIgnoringCase(entry.Line, folderPrefix) ||
                !ContainsIgnoringCase(entry.File, folderPrefix))
                continue;
            const std::string rest = ReplaceAll(LowerCase(FileNamePart(entry.File)), lowerPrefix, "");
            if (FitsCharacterSet(rest, set))
                result += folderPrefix + rest + ";";
        }
    }
    return result;
}

std::string FragmentMatches(const std::string& path, const std::string& name, RecordMachine& machine)
{
    std::vector<std::string> fragments;
    const int count = FieldCount(name, '?');
    for (int i = 0; i < count; ++i)
        fragments.push_back(LowerCase(FieldAt(name, i, '?')));

    std::string result;
    for (const ResolvedEntry& entry : machine.StartupEntries()) {
        if (entry.File.empty())
            continue;
        const std::string fileName = LowerCase(FileNamePart(entry.File));
        bool inOrder = true;
        size_t from = 0;
        for (const std::string& fragment : fragments) {
            const size_t at = FindFragment(fileName, fragment, from);
            if (at == std::string::npos) {
                inOrder = false;
                break;
            }
            from = at;
        }
        if (inOrder && SameFolder(entry.File, path))
            result += entry.File + ";";
    }
    return result;
}

std::string RandomAMatches(const std::string& path, RecordMachine& machine)
{
    std::string result;
    for (const ResolvedEntry& entry : machine.StartupEntries()) {
        if (entry.File.empty())
            continue;
        const std::string fileName = LowerCase(FileNamePart(entry.File));
        const std::string extension = ExtensionOf(fileName);
        const size_t at = fileName.find("a" + extension);
        // The "a" comes after at least three characters of the real name.
        if (at == std::string::npos || at < 3)
            continue;
        const std::string twin = LowerCase(FolderPart(entry.File)) + fileName.substr(0, at) + extension +
                                 fileName.substr(at + 1 + extension.size());
        if (!machine.FileUsable(twin))
            continue;
        if (SameFolder(entry.File, path))
            result += entry.File + ";";
        result += entry.File + ";" + twin + ";";
    }
    return result;
}

} // namespace

bool FitsCharacterSet(const std::string& rest, const std::string& set)
{
    std::vector<bool> taken(rest.size(), false);
    std::string characters = set;
    const int count = FieldCount(set, '!');
    size_t previous = std::string::npos; // before the first position
    for (int i = 1; i < count; ++i) {
        const std::string fragment = FieldAt(set, i, '!');
        const size_t at = FindFragment(rest, fragment, previous == std::string::npos ? 0 : previous + 1);
        if (at == std::string::npos)
            return false;
        for (size_t k = at; k < at + fragment.size(); ++k)
            taken[k] = true;
        previous = at;
        const size_t inSet = characters.find(fragment);
        if (inSet != std::string::npos)
            characters.erase(inSet, fragment.size());
    }
    characters = ReplaceAll(characters, "!", "");
    for (size_t i = 0; i < rest.size(); ++i)
        if (!taken[i] && characters.find(rest[i]) == std::string::npos)
            return false;
    return true;
}

std::string StartupPatternMatches(const std::string& candidatePath, RecordMachine& machine)
{
    const std::string name = FileNamePart(candidatePath);
    if (name.find("<>") != std::string::npos)
        return PrefixMatches(candidatePath, name, machine);
    if (name.find('&') != std::string::npos)
        return SetMatches(candidatePath, name, machine);
    if (name.find('?') != std::string::npos)
        return FragmentMatches(candidatePath, name, machine);
    if (name.find("randomA") != std::string::npos)
        return RandomAMatches(candidatePath, machine);
    return std::string();
}
