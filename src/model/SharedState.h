#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/IgnoreList.h"
#include "core/MemoryStream.h"
#include "core/MessageTable.h"
#include "core/StringList.h"

// One alert of the current scan.
struct TFileList {
    std::string Path;
    std::string Name; // detection name; "Lock:" in it marks a file never deleted
    bool InfectedFolder = false;
    bool SubFolder = false;
    bool FileInFolder = false;
    bool FullScanHit = false;
    int32_t ListIndex = -1; // line of the alert list, -1 when it has none
    std::string Md5;        // empty for folders
};

// One row of the startup manager: a registry value that starts a program.
struct StartupF {
    uintptr_t RootKey = 0; // the root key handle's value
    std::string KeyPath;
    std::string ValueName;
    std::string ValueData;
};

// What the system tools' pages were last filled with in this run; nothing until a page
// is first filled. The quick scan's collector takes these lists as they stand.
struct PageLists {
    std::optional<std::vector<std::string>> StartupFolderCommands; // the startup folders' entries
    std::optional<std::vector<std::string>> ServiceImagePaths;     // the services' image paths
    std::optional<std::vector<std::string>> SystemIniEntries;      // System.ini's entries
};

// The state the scan, cleaning, quarantine, report and update share. The program's
// main owns the one instance for the whole run; tests make their own.
struct SharedState {
    MessageTable Messages;
    MemoryStream DatabaseStream;
    MemoryStream LanguageStream;
    std::vector<TFileList> AlertRecords;
    StringList InfectedList{true};
    StringList StartupEntries{true};
    StringList RegistryLocations;
    std::vector<StartupF> StartupRecords;
    bool AbortRequested = false;
    int DetectionCount = 0;
    bool ScanFoundAny = false;
    bool ReportMode = false;
    // The full report file while one is written (with ReportMode); empty otherwise.
    std::function<void(const std::string&)> ReportFile;
    // What the full report includes; the report dialog's check boxes, not saved.
    bool ReportInfectedFiles = true;
    bool ReportActiveProcesses = true;
    bool ReportStartupFiles = true;
    bool ReportActiveServices = true;
    bool LogRequested = false;
    long double CleanSeconds = 0;
    bool StartupCheckEnabled = false; // the upgrade window sets it when created
    // Ignore.dat as the quick scan read it; the full scan after it uses the same.
    IgnoreList Ignore;
    PageLists Pages;
};

// A line of the full report, while one is written; nothing otherwise.
inline void WriteReportLine(const SharedState& state, const std::string& line)
{
    if (state.ReportMode && state.ReportFile)
        state.ReportFile(line);
}
