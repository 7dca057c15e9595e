#pragma once
#include <string>

// The shell's special folder by CSIDL number, read into a buffer of `bufferSize`
// characters and cut at its first NUL; empty when the shell cannot report it.
std::string SpecialFolder(int csidl, size_t bufferSize = 260);

// GetTempPathA without its one trailing backslash.
std::string TempFolder();

// GetUserNameA; empty when the call fails.
std::string CurrentUserName();
