#include "database/PathRoots.h"

#include "core/RegistryRoots.h"
#include "platform/RegistryKey.h"
#include "platform/ShellFolders.h"

namespace {

constexpr DWORD FolderBuffer = 2048;

std::string CutAtNul(const char* buffer, size_t size)
{
    return std::string(buffer, strnlen(buffer, size));
}

} // namespace

std::string WindowsFolder()
{
    char buffer[FolderBuffer] = {};
    if (GetWindowsDirectoryA(buffer, FolderBuffer) == 0)
        return std::string();
    return CutAtNul(buffer, FolderBuffer);
}

std::string SystemFolder()
{
    char buffer[FolderBuffer] = {};
    if (GetSystemDirectoryA(buffer, FolderBuffer) == 0)
        return std::string();
    return CutAtNul(buffer, FolderBuffer);
}

std::string CurrentVersionValue(const std::string& name)
{
    RegKey key;
    std::string value;
    if (key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion") && key.ReadString(name, value))
        return value;
    return std::string();
}

std::string ProgramFilesFolder()
{
    return CurrentVersionValue("ProgramFilesDir");
}

std::string DocumentsFolder()
{
    return SpecialFolder(5, 261);
}

HKEY RootKeyOf(int index, HKEY fallback)
{
    static const HKEY roots[RootCodeCount] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                                              HKEY_CURRENT_CONFIG};
    return (index >= 0 && index < RootCodeCount) ? roots[index] : fallback;
}
