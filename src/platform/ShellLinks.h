#pragma once
#include <string>

// The target path a shell link (.lnk) names, as stored (not resolved), at most 260
// characters and trimmed; empty when the file is no shell link or names no path.
std::string ShortcutTarget(const std::string& linkPath);

// Makes a shell link at `linkPath` that points to `target`; false on failure.
bool CreateShortcut(const std::string& linkPath, const std::string& target);
