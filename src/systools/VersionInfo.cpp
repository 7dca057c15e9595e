#include "systools/VersionInfo.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "core/TextHelpers.h"
#include "platform/FileSystem.h"

namespace {

const char* const VersionKeyNames[] = {"CompanyName",    "FileDescription",  "FileVersion", "InternalName",
                                       "LegalCopyright", "OriginalFilename", "ProductName", "ProductVersion"};

} // namespace

void TGetVersionInfoFromFile::SetFile(const std::string& path)
{
    VersionKeys.Clear();
    VersionValues.Clear();
    if (FileExists(path)) {
        VersionFile = path;
        ReadStrings();
    } else {
        VersionFile.clear();
    }
}

void TGetVersionInfoFromFile::ReadStrings()
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(VersionFile.c_str(), &ignored);
    if (size == 0)
        return;
    std::vector<char> data(size + 10);
    if (!GetFileVersionInfoA(VersionFile.c_str(), 0, size, data.data()))
        return;
    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &block, &length))
        return;
    WORD* translation = nullptr;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 2 * sizeof(WORD))
        return;
    char prefix[40];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);
    for (const char* key : VersionKeyNames) {
        char* value = nullptr;
        if (!VerQueryValueA(data.data(), (std::string(prefix) + key).c_str(), reinterpret_cast<void**>(&value),
                            &length))
            break;
        if (length > 0 && value) {
            VersionKeys.Add(key);
            VersionValues.Add(std::string(value, strnlen(value, length)));
        }
    }
}

std::string TGetVersionInfoFromFile::ValueOf(const std::string& key) const
{
    const std::string sought = LowerCase(key);
    for (int i = 0; i < VersionKeys.Count(); ++i)
        if (LowerCase(VersionKeys[i]) == sought)
            return VersionValues[i];
    return {};
}
