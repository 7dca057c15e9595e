#pragma once
#include <string>

// Registry root codes as the database, RegBase.rgk and the startup manager write
// them: 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE,
// 3 HKEY_USERS, 4 HKEY_CURRENT_CONFIG.
constexpr int RootCodeCount = 5;

// Sets name to the root's name and returns true for codes 0 to 4; for any other
// code returns false and leaves name unchanged.
bool RootNameOf(int index, std::string& name);
