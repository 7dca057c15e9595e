#include "database/FileHelpers.h"

#include <windows.h>

#include <vector>

#include "core/TextHelpers.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"

namespace {

constexpr int64_t SmallestUsableSize = 10;

UniqueHandle OpenForReading(const std::string& path)
{
    return UniqueHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

std::string ExpandCommandVariables(std::string text)
{
    text = ReplaceAll(LowerCase(text), "%systemroot%", SystemFolder());
    text = ReplaceAll(LowerCase(text), "%systemdir%", SystemFolder());
    text = ReplaceAll(LowerCase(text), "%windir%", WindowsFolder());
    text = ReplaceAll(LowerCase(text), "%winroot%", WindowsFolder());
    return ReplaceAll(LowerCase(text), "\"", "");
}

// The command as the system reads it: this user's environment variables expanded,
// and the NT forms of service image paths ("\SystemRoot\...", "\??\C:\...") turned
// into plain paths.
std::string SystemExpanded(const std::string& command)
{
    std::string text = command;
    const DWORD size = ExpandEnvironmentStringsA(command.c_str(), nullptr, 0);
    if (size > 0) {
        std::vector<char> buffer(size + 1); // the ANSI call may want a byte more than it said
        const DWORD got = ExpandEnvironmentStringsA(command.c_str(), buffer.data(), size + 1);
        if (got > 0 && got <= size + 1)
            text = buffer.data();
    }
    const std::string lower = LowerCase(text);
    const std::string systemRoot = "\\systemroot\\", objects = "\\??\\";
    if (lower.compare(0, systemRoot.size(), systemRoot) == 0)
        text = WindowsFolder() + text.substr(systemRoot.size() - 1);
    else if (lower.compare(0, objects.size(), objects) == 0)
        text = text.substr(objects.size());
    return text;
}

// A colon past the drive's with a folder after it ("c:\windows\c:\x.exe", as the
// command resolution builds when it prefixes a path that has a drive) names nothing
// on Windows. Saying so without asking spares a lookup that Wine makes slowly, by
// reading the whole folder for a case-insensitive match.
bool NamesNothing(const std::string& path)
{
    const size_t first = path.find(':');
    if (first == std::string::npos)
        return false;
    const size_t second = path.find(':', first + 1);
    return second != std::string::npos && path.find('\\', second) != std::string::npos;
}

} // namespace

int64_t FileSizeOf(const std::string& path)
{
    if (path.empty())
        return 0;
    UniqueHandle file = OpenForReading(path);
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size))
        return 0;
    return size.QuadPart;
}

bool FileUsable(const std::string& path)
{
    // One look at the attributes settles most paths: a path that names nothing (the
    // usual case in a scan) or a folder is never usable; only a file whose time is
    // outside the DOS range needs the second test, which opens it.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || NamesNothing(path) || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    return IsDosFileTime(data.ftLastWriteTime) || FileSizeOf(path) > SmallestUsableSize;
}

std::string ListMatching(const std::string& pattern, const Pump& pump)
{
    std::string wildcard = pattern;
    const size_t marker = wildcard.find("<>");
    if (marker != std::string::npos)
        wildcard.replace(marker, 2, "*");
    const std::string folder = wildcard.substr(0, wildcard.find_last_of('\\') + 1);

    std::string result;
    for (FindFiles find(wildcard); find.Valid(); find.Next()) {
        if (!find.IsDirectory() && IsDosFileTime(find.Entry().ftLastWriteTime))
            result += folder + find.Name() + ";";
        if (pump)
            pump();
    }
    return result;
}

namespace {

// The program's own rule: its substitutions, the System32 and Windows folders, and
// characters dropped from the end.
std::string ResolveByOwnRule(const std::string& command, const FileTest& usable)
{
    std::string text = command;
    // Each round either returns or drops the last character, so it ends.
    while (!text.empty()) {
        text = ExpandCommandVariables(text);
        const std::string inSystem = SystemFolder() + "\\" + text;
        if (usable(inSystem))
            text = LowerCase(inSystem);
        const std::string inWindows = WindowsFolder() + "\\" + text;
        if (usable(inWindows))
            text = LowerCase(inWindows);
        // Windows ignores trailing blanks in a file name, so "prog.exe /s" cut back to
        // "prog.exe " already opens; the blank must not become part of the path.
        if (usable(text))
            return TrimRightBlanks(text);

        const size_t drive = text.find(":\\");
        if (drive == std::string::npos)
            return std::string();
        std::string fromDrive = text.substr(drive == 0 ? 0 : drive - 1);
        if (usable(fromDrive))
            return TrimRightBlanks(fromDrive);
        fromDrive.pop_back();
        text = fromDrive;
    }
    return std::string();
}

} // namespace

std::string ResolveCommandFile(const std::string& command)
{
    return ResolveCommandFile(command, FileUsable);
}

std::string ResolveCommandFile(const std::string& command, const FileTest& usable)
{
    // What the system would start comes first. The own substitutions (%systemroot%
    // for System32 among them) stay as the fallback, so nothing they found is lost.
    const std::string expanded = SystemExpanded(command);
    const std::string file = ResolveByOwnRule(expanded, usable);
    if (!file.empty() || expanded == command)
        return file;
    return ResolveByOwnRule(command, usable);
}
