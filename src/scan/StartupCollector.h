#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/DatabaseText.h"
#include "model/SharedState.h"

// Adds to `locations` the usable files that the string values of one key name,
// resolved as command lines; values of other types are skipped.
void AddValuePaths(HKEY root, const std::string& keyPath, StringList& locations);

// Refills `locations` with the files of the shell's COM servers and hooks, Winlogon
// notification packages, AppInit_DLLs and the user's uninstallers, in that order,
// each path once (ignoring case).
void CollectClsidPaths(StringList& locations, const Pump& pump = {});

// What the other lists hold when the collector runs; it takes them as they stand.
struct StartupSources {
    std::vector<std::string> Processes;             // full executable paths of the running processes
    std::vector<std::string> StartupFolderCommands; // the startup folders' entries
    std::vector<std::string> ServiceImagePaths;     // the services' image paths
    std::vector<std::string> SystemIniEntries;      // System.ini's driver and shell entries
};

// Refills StartupEntries: one "tag path[md5][size]" line per running program, Run
// value (StartupRecords), startup-folder entry, service, System.ini entry and COM or
// hook file (refilling RegistryLocations on the way). `status` sees each path.
void CollectStartupLocations(SharedState& state, const StartupSources& sources,
                             const std::function<void(const std::string&)>& status = {}, const Pump& pump = {});

// One line of StartupEntries.
std::string StartupEntryLine(const std::string& tag, const std::string& path);
