#include "systools/KeyboardFilters.h"

#include <windows.h>

#include "core/UpperFilters.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"

namespace {

// Reads "UpperFilters" into the blank-filled buffer. A missing value leaves it blank
// and counts as read; a value that does not fit or is no list fails.
bool ReadUpperFilters(const RegKey& key, std::string& buffer, bool& present)
{
    std::string data(UpperFiltersBufferSize, ' ');
    DWORD type = REG_NONE;
    DWORD size = UpperFiltersBufferSize;
    const LONG rc =
        RegQueryValueExA(key.Get(), "UpperFilters", nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    present = rc == ERROR_SUCCESS;
    if (rc == ERROR_FILE_NOT_FOUND) {
        buffer = UpperFiltersBuffer("");
        return true;
    }
    if (rc != ERROR_SUCCESS || (type != REG_MULTI_SZ && type != REG_BINARY))
        return false;
    buffer = data;
    return true;
}

std::string DriverPath(const std::string& name)
{
    const std::string system = SystemFolder();
    for (const std::string& path : {system + "\\Drivers\\" + name + ".sys", system + "\\" + name + ".sys"})
        if (FileExists(path))
            return path;
    return FileNotFoundText;
}

} // namespace

std::vector<KeyboardFilterRow> ScanKeyboardFilterDriver()
{
    std::vector<KeyboardFilterRow> rows;
    RegKey key;
    std::string buffer;
    bool present = false;
    if (!key.Open(HKEY_LOCAL_MACHINE, KeyboardClassKey) || !ReadUpperFilters(key, buffer, present))
        return rows;
    for (const std::string& name : UpperFilterNames(buffer))
        rows.push_back({name, DriverPath(name)});
    return rows;
}

std::string DelKBfQuestion(const std::string& name)
{
    return "Disable [" + name + "] ?";
}

bool DelKBf(const KeyboardFilterRow& row, const std::function<bool(const std::string& question)>& confirm)
{
    std::string buffer;
    {
        RegKey key;
        bool present = false;
        // Rewriting a value we could not read whole would drop the names we never saw.
        if (!key.Open(HKEY_LOCAL_MACHINE, KeyboardClassKey) || !ReadUpperFilters(key, buffer, present) || !present)
            return false;
    }
    const std::string data = UpperFiltersWithout(buffer, row.Name);
    RegKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, KeyboardClassKey, KEY_SET_VALUE) || !confirm(DelKBfQuestion(row.Name)))
        return false;
    if (RegSetValueExA(key.Get(), "UpperFilters", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
        return false;
    key.Close();
    for (const KeyboardFilterRow& left : ScanKeyboardFilterDriver())
        if (left.Name == row.Name)
            return true;
    MoveFileA(row.Path.c_str(), (row.Path + ".del").c_str());
    return true;
}
