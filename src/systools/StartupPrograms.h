#pragma once
#include <string>
#include <vector>

// One row of the startup manager's lists.
struct StartupRow {
    std::string Caption;  // value name, or the startup-folder entry's name
    std::string Command;  // value data, or the shortcut's target (else the entry's path)
    std::string Location; // tag: "HKCU", "HKLM_S_B", ... or "CU" / "LM"
    // Registry rows: the program file of the command; folder rows: the entry's own path.
    std::string File;
    bool Checked = false; // the wanted state the check box shows
    bool Enabled = false; // the state the row was loaded with or last set to
};

// Appends the values of a tag's Run-type key. Values that are no strings are skipped.
void LoadFromReg(const std::string& tag, std::vector<StartupRow>& rows);
// Appends the entries of a startup folder: "CU" the user's, "LM" the common one.
void LoadFromDir(const std::string& tag, std::vector<StartupRow>& rows);

// Both lists of the startup tab; an empty list shows the "No startup program found!" row.
struct StartupLists {
    std::vector<StartupRow> Registry;
    std::vector<StartupRow> Folders;
};
// Finishes first any move that was ended half way (a value left in both a Run key
// and its twin with the same data loses its twin copy), so each entry has one row.
StartupLists LoadStartupPrograms();

// Moves a registry row's value into the key its check box asks for (the Run key when
// checked, its "_Bak" twin when not), or deletes it from both when `remove` is set.
// The value keeps its type; it leaves its old key only once written to the new one.
// True when the registry changed as asked.
bool ChangeReg(const StartupRow& row, bool remove);

// After the user changed a row's check box: moves the value when the box differs
// from the row's state, and takes the box's state as the row's state either way.
// True when a move was tried.
bool ApplyStartupCheck(StartupRow& row);

// Deletes a startup-folder entry (the shortcut itself, never its target).
bool RemoveStartupFolderEntry(const StartupRow& row);
