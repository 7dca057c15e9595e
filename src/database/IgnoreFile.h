#pragma once
#include <string>

#include "core/IgnoreList.h"

extern const char IgnoreFileName[]; // "Ignore.dat", beside the program

enum class IgnoreFileState {
    Absent, // no file: nothing is ignored
    Loaded,
    Damaged, // unreadable or holding a line that is no entry: nothing is ignored
};

// Reads the ignore list; anything but Loaded leaves `list` empty. For Damaged, the
// reason is in `error`.
IgnoreFileState LoadIgnoreFile(const std::string& path, IgnoreList& list, std::string& error);

// Writes the list in one step (never a partial file).
[[nodiscard]] bool SaveIgnoreFile(const std::string& path, const IgnoreList& list);
