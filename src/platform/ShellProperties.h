#pragma once
#include <windows.h>

#include <string>

// Opens the shell's "properties" dialog of a file, owned by `owner`; false when the
// shell refuses (no such file, no handler).
bool ShowFileProperties(const std::string& path, HWND owner);
