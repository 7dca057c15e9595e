#pragma once
#include <string>

// The location tags of the startup manager's registry rows, in loading order:
// a Run or RunServices key of the current user or the machine, and its "_Bak" twin
// that holds the disabled entries.
constexpr int StartupTagCount = 8;
extern const char* const StartupTags[StartupTagCount];
// The two startup-folder tags: the user's "Startup" and the "Common Startup" folder.
extern const char* const StartupFolderTags[2];

constexpr const char* RunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* RunServicesKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
constexpr const char* TwinSuffix = "_Bak";
constexpr const char* NoStartupProgramText = "No startup program found!";

// Where a tag's rows are read from.
struct StartupTagKey {
    bool CurrentUser = false; // else HKEY_LOCAL_MACHINE
    std::string KeyPath;
};
StartupTagKey StartupTagLocation(const std::string& tag);
// An entry is disabled exactly when its tag contains "_B".
bool StartupTagDisabled(const std::string& tag);

// The keys a move or removal of a row works on: the checked state's key is the
// target, the other one loses the value.
struct StartupMove {
    bool CurrentUser = false;
    std::string TargetKey;
    std::string OtherKey;
};
StartupMove StartupMoveFor(const std::string& tag, bool checked);
