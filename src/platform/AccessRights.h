#pragma once
#include <windows.h>

#include <functional>

// What the program opens, for the rights it asks. Windows refuses a standard user
// most rights outside the user's own keys and processes, and an open that asks for
// more than it needs then fails outright; Wine grants every right to everyone. So
// every open of these kinds asks here first, and a test can refuse what Windows
// would refuse a standard user.
enum class Securable { RegistryKey, ServiceManager, Service, Process };

// `root` is the registry root the key is opened under; null for the other kinds.
using RightsCheck = std::function<bool(Securable what, HKEY root, DWORD rights)>;

// Replaces the check; an empty one (the program's) refuses nothing.
void SetRightsCheck(RightsCheck check);

// False when the check refuses: the open then fails as the system's would.
bool RightsGranted(Securable what, DWORD rights, HKEY root = nullptr);
