#pragma once
#include <string>

#include "core/DatabaseLines.h"
#include "core/FolderPlaceholders.h"
#include "core/RecordMachine.h"
#include "model/SharedState.h"

// What a quick scan shows and writes as it goes. The main window implements it over
// the scan log Memo2, the alert list List1 and the report file; the console prints it.
class QuickScanView {
public:
    virtual ~QuickScanView() = default;
    virtual void Log(const std::string& line) = 0;
    // The number of alert lines the list holds now, its "Scanning..." line not counted:
    // the position the next line takes once that line is gone.
    virtual int AlertLineCount() = 0;
    // Adds a checked line to the alert list.
    virtual void AddAlertLine(const std::string& text) = 0;
    // A line of the report file; called in report mode only.
    virtual void Report(const std::string& line) = 0;
    // The time of day that log lines begin with.
    virtual std::string Now() = 0;
    // "Checking " and the candidate's name, shown while it is tested.
    virtual void Status(const std::string&) {}
};

// Empties the alerts, counters and InfectedList for a new scan and clears the abort flag.
void ResetScanState(SharedState& state);

// Reads every record of DatabaseStream after its date line and acts on every hit:
// alerts, alert lines, log lines, InfectedList lines and, in report mode, report lines.
// Stops at "_end" or when AbortRequested is set (the machine's KeepGoing pumps messages).
void ScanRecords(SharedState& state, RecordMachine& machine, const RootFolders& roots, const FolderLookup& lookup,
                 QuickScanView& view);

// Records everything inside an infected folder: its files (counted) and, when
// recursing, its sub-folders (not counted), a folder's record before its contents'.
// A link or junction inside is recorded as a sub-folder but never entered, so
// cleaning removes the link and never what it points to.
void WalkInfectedFolder(const std::string& folder, const std::string& name, bool recurse, SharedState& state,
                        QuickScanView& view);

// "!Infected " + lower case of: file name "=;" folder\ ";" name ";" MD5 ";" size ";".
// The scan log line of a detection passed over because the ignore list names it.
std::string IgnoredLine(const MessageTable& messages, const std::string& now, const std::string& name,
                        const std::string& path);

// Reads Ignore.dat from the folder into `list`. A damaged one ignores nothing: the
// log line that says so is returned (starting with `now`), else an empty text.
std::string LoadIgnoreList(const std::string& folder, const MessageTable& messages, const std::string& now,
                           IgnoreList& list);

std::string InfectedListLine(const std::string& path, const std::string& name, const std::string& md5, long long size);
