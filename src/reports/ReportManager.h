#pragma once
#include <string>
#include <vector>

#include "core/DatabaseText.h"
#include "model/SharedState.h"

// One row of the Report Manager: its kind ("Proc", "Clsid", "RegStartup", "Startup",
// "Service", "System.ini"), file, size in bytes as text, and, for a startup value,
// its root and key ("HKEY_CURRENT_USER\Software\...\").
struct ReportManagerRow {
    std::string Kind;
    std::string FileName;
    std::string Size;
    std::string Key;
};

// The rows as the machine has them now: running programs, COM and hook files (which
// refills RegistryLocations), startup values, startup-folder entries, services and
// System.ini entries, each resolved to its file. A source that fails adds nothing.
std::vector<ReportManagerRow> FullLogRows(SharedState& state, const Pump& pump = {});

// The startup value rows alone: the value's data, the size of a file named exactly
// by it (0 when none) and its key.
void AppendStartupValueRows(std::vector<ReportManagerRow>& rows);
