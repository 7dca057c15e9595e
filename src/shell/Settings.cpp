#include "shell/Settings.h"

#include "platform/RegistryKey.h"

const char ActionDialogKey[] = "Software\\Zentrova\\Pyrafix Pro\\Options";
const char LanguageSettingKey[] = "Software\\Zentrova\\Pyrafix Pro v4\\Options";

namespace {
const char ShowValue[] = "0";
}

bool ReadShowActionDialog(const std::string& key, bool current)
{
    RegKey options;
    if (!options.Open(HKEY_CURRENT_USER, key))
        return current;
    DWORD type = 0, value = 0, size = sizeof(value);
    if (RegQueryValueExA(options.Get(), ShowValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return true;
    return value != 0;
}

void WriteShowActionDialog(const std::string& key, bool show)
{
    RegKey options;
    if (!options.Create(HKEY_CURRENT_USER, key))
        return;
    const DWORD value = show ? 1 : 0;
    RegSetValueExA(options.Get(), ShowValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}
