#pragma once
#include <string>

struct IShellLinkA;

// The target path a shell link (.lnk) names, not resolved, at most 260 characters
// and trimmed; empty when the file is no shell link or names no path. A target
// stored with environment variables ("%ProgramFiles%\x.exe") comes expanded.
std::string ShortcutTarget(const std::string& linkPath);

// The same for a link already loaded.
std::string LinkTargetPath(IShellLinkA& link);
