#pragma once
#include <windows.h>

#include <string>

// The roots that database records name files against, each without a trailing
// backslash, as the system reports them.
std::string WindowsFolder();
std::string SystemFolder(); // System32
// "ProgramFilesDir" of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion; empty when missing.
std::string ProgramFilesFolder();
// A string value of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion; empty when missing.
std::string CurrentVersionValue(const std::string& name);
// The user's documents (special folder 5).
std::string DocumentsFolder();

// The root handle of a registry root code 0 to 4, or `fallback` for any other code.
HKEY RootKeyOf(int index, HKEY fallback);
