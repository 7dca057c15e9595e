#pragma once
#include <string>

#include "core/FolderPlaceholders.h"

// Expands %%Name%% placeholders against this machine's folders, asking the system
// afresh for each placeholder the text holds.
std::string ExpandFolderPlaceholders(const std::string& text);

// The folder a placeholder stands for on this machine.
std::optional<std::string> MachineFolder(const FolderRef& folder);
