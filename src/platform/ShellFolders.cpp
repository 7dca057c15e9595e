#include "platform/ShellFolders.h"

#include <shlobj.h>
#include <windows.h>

#include <vector>

std::string SpecialFolder(int csidl, size_t bufferSize)
{
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items)
        return std::string();
    // SHGetPathFromIDListA writes up to MAX_PATH characters whatever buffer it gets.
    std::vector<char> buffer(std::max<size_t>(bufferSize, MAX_PATH) + 1, '\0');
    const BOOL ok = SHGetPathFromIDListA(items, buffer.data());
    CoTaskMemFree(items);
    if (!ok)
        return std::string();
    buffer.resize(bufferSize);
    return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

std::string TempFolder()
{
    char buffer[MAX_PATH + 2] = {};
    const DWORD n = GetTempPathA(sizeof buffer, buffer);
    if (n == 0 || n >= sizeof buffer)
        return std::string();
    std::string folder(buffer, strnlen(buffer, sizeof buffer));
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

std::string CurrentUserName()
{
    char buffer[257] = {};
    DWORD size = sizeof buffer;
    if (!GetUserNameA(buffer, &size))
        return std::string();
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}
