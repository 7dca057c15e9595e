#pragma once
#include <functional>
#include <optional>
#include <string>

// Where the folder behind a %%Name%% placeholder comes from.
enum class FolderSource {
    TempFolder,    // the temporary folder without its trailing backslash
    SpecialFolder, // the shell's special folder `csidl`
    Documents,     // the user's documents as DocumentsFolder reports them
    CommonFiles,   // the Common Files folder from the registry
    WindowsDrive,  // the drive of the Windows folder, e.g. C:
    UserName,
};

struct FolderRef {
    FolderSource source;
    int csidl; // for SpecialFolder only
};

// Gives the folder text for a reference; an empty text when the system cannot
// report it, and nullopt when obtaining it failed with an error, which stops the
// expansion.
using FolderLookup = std::function<std::optional<std::string>(const FolderRef&)>;

// Replaces every long and then every short placeholder, case-sensitively, in the
// fixed order of the table; a text without "%%" comes back unchanged.
std::string ExpandFolderPlaceholders(const std::string& text, const FolderLookup& lookup);
