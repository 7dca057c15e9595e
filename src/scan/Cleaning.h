#pragma once
#include <string>

#include "model/SharedState.h"
#include "quarantine/QuarantineStore.h"

// What cleaning shows and asks as it goes. The main window implements it over the
// scan log Memo2, the alert list List1, its status bar and Timer1; the console and
// the tests give their own.
class CleaningView {
public:
    virtual ~CleaningView() = default;
    virtual void Log(const std::string& line) = 0;
    virtual void Status(const std::string& text) = 0; // status panel 0
    virtual std::string Now() = 0;                    // the time of day log lines begin with
    // The alert list's lines, by a record's ListIndex.
    virtual bool LineChecked(int index) = 0;
    virtual void SetLine(int index, const std::string& text) = 0;
    // Lets pending window messages run: "Abort" and the clean timer are served here.
    virtual void Pump() = 0;
    // Starts or stops the timer that adds 0.01 to CleanSeconds every 10 ms.
    virtual void SetCleanTimer(bool on) = 0;
    // Running: "Abort" on, "Quick scan" off, "Back" hidden; idle: the reverse.
    virtual void SetRunning(bool running) = 0;
    // "Fix" and "Add to Quarantine" together.
    virtual void SetFixEnabled(bool on) = 0;
    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowInformation(const std::string& text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool Ask(const std::string& text) = 0;
    // The log upload, offered when the update server asked for logs.
    virtual void SendLog() {}
};

// A record the cleaning commands take: a file (no folder) that is a full-scan hit,
// lies in an infected folder, has no line, or whose line is checked.
bool IsSelectedFile(const TFileList& record, CleaningView& view);
// Full-scan hits and files in infected folders have no line of their own.
bool IsSilent(const TFileList& record);
// "Lock:" in the detection name, ignoring case: reported, never deleted or quarantined.
bool IsLocked(const TFileList& record);

// "Clean...[%f sec]" with the seconds given to two decimals.
std::string CleanedLineText(const std::string& pattern, long double seconds);

// Appends a status word ("Ok;", "Err;", "Locked_Err;") to the InfectedList line of
// the file, when the update server asked for logs.
void MarkInfectedListLine(SharedState& state, const std::string& path, const std::string& word);

// "Fix": ends the processes of the selected files, deletes them (retrying while
// CleanSeconds stays within four seconds), removes the startup values naming them,
// then removes the infected folders from the last record to the first. True when
// the run was not aborted.
bool CleanAlerts(SharedState& state, CleaningView& view);

// The "Fix" command: asks message 60 and cleans on Yes.
void FixWithQuestion(SharedState& state, CleaningView& view);

// "Add to Quarantine": stores every selected, usable, unlocked file in the
// quarantine, reports the count, then runs the "Fix" command. Returns how many
// files were added.
int QuarantineAlerts(SharedState& state, QuarantineStore& store, CleaningView& view);
