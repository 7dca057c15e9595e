#include "core/RegistryRoots.h"

bool RootNameOf(int index, std::string& name)
{
    static const char* const names[RootCodeCount] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE",
                                                     "HKEY_USERS", "HKEY_CURRENT_CONFIG"};
    if (index < 0 || index >= RootCodeCount)
        return false;
    name = names[index];
    return true;
}
