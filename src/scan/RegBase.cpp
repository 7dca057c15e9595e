#include "scan/RegBase.h"

#include <vector>

#include "core/PathText.h"
#include "core/RegBaseText.h"
#include "core/TextHelpers.h"
#include "database/DatabaseFile.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"

namespace {

bool ReadBase(const std::string& basePath, std::vector<RegBaseEntry>& entries)
{
    // The shipped base is under a kilobyte; anything near a megabyte is no base.
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(basePath, bytes, 1 << 20))
        return false;
    entries = ParseRegBase(std::string(bytes.begin(), bytes.end()));
    return true;
}

// One removal pass. After each deletion the whole removal runs again from a fresh
// read of the base, then this pass goes on with its remaining value names.
bool RemovePass(const std::string& basePath, const std::string& lowerPath, const std::string& lowerName)
{
    std::vector<RegBaseEntry> entries;
    if (!ReadBase(basePath, entries))
        return false;
    bool removed = false;
    for (const RegBaseEntry& entry : entries) {
        RegKey key;
        if (!key.Open(RootKeyOf(entry.RootCode, nullptr), entry.KeyPath, KEY_READ | KEY_SET_VALUE))
            continue;
        for (const std::string& name : key.ValueNames()) {
            std::string data;
            if (!key.ReadString(name, data))
                continue; // deleted meanwhile, or no string
            data = LowerCase(data);
            const bool matches = data.find(lowerPath) != std::string::npos || (!lowerName.empty() && data == lowerName);
            if (matches && key.DeleteValue(name)) {
                removed = true;
                RemovePass(basePath, lowerPath, lowerName);
            }
        }
    }
    return removed;
}

} // namespace

std::string RegBasePath()
{
    return ProgramFolder() + "RegBase.rgk";
}

bool EnumStartupValues(const StartupValueHandler& handler, const std::string& basePath)
{
    std::vector<RegBaseEntry> entries;
    if (!ReadBase(basePath, entries))
        return false;
    for (const RegBaseEntry& entry : entries) {
        RegKey key;
        if (!key.Open(RootKeyOf(entry.RootCode, nullptr), entry.KeyPath))
            continue;
        for (const std::string& name : key.ValueNames()) {
            StartupValue value{entry.RootCode, entry.KeyPath, name, {}};
            if (key.ReadString(name, value.ValueData))
                handler(value);
        }
    }
    return true;
}

bool RemoveStartupValuesFor(const std::string& path, const std::string& basePath)
{
    if (path.empty())
        return false;
    return RemovePass(basePath, LowerCase(path), LowerCase(FileNamePart(path)));
}
