#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "core/DatabaseText.h"
#include "core/ServiceRows.h"

// Each operation takes a machine name; empty means the local machine.

// Appends one row per service of the type and state masks, sorted by display name
// ignoring case. False when the service control manager cannot be opened.
bool LoadServices(const std::string& machine, DWORD serviceType, DWORD serviceState, std::vector<ServiceRow>& rows,
                  const Pump& pump = {});
// The rows both services lists show: every Win32 service in every state, or the
// single row whose "Path" is `failureText` when the list cannot be read.
std::vector<ServiceRow> ServiceListRows(const std::string& failureText, const Pump& pump = {});

// Start or stop a service by key name and wait, at most 30 seconds, for it to get
// there. True when it ends up running (stopped). A request the service control
// manager refuses returns false, also when the service is already in that state.
bool StartServiceWait(const std::string& machine, const std::string& keyName);
bool StopServiceWait(const std::string& machine, const std::string& keyName);

// Start type 2 automatic, 3 manual (on demand), 4 disabled.
bool ChangeStartType(const std::string& machine, const std::string& keyName, DWORD startType);

// The key name of a display name; empty when the service control manager does not know it.
std::string GetServiceKey(const std::string& machine, const std::string& displayName);

// Stops the first service of the rows whose "Path" begins with the path, ignoring
// case, that can be stopped, and marks its row "Stopped". False when none stops.
bool StopServiceByPath(std::vector<ServiceRow>& rows, const std::string& path, const Pump& pump = {});

// Whether a service's binary path names a program whose copyright lacks "Microsoft Corp".
bool IsNonMicrosoftService(const std::string& binaryPath);

// The commands of a selected row, for both services lists: each works on the row's
// key name and, on success, sets the row's cell to the text given; on failure the
// cell keeps its text. A row without a key name is left alone (false).
bool StartServiceRow(ServiceRow& row, const std::string& runningText = "Running");
bool StopServiceRow(ServiceRow& row, const std::string& stoppedText = "Stopped");
// Stop, then start.
bool RestartServiceRow(ServiceRow& row, const std::string& stoppedText = "Stopped",
                       const std::string& runningText = "Running");
// "Startup mode" with the caption of the menu item chosen ("&Automatic", "&Manual", "&Disabled").
bool ChangeStartTypeRow(ServiceRow& row, const std::string& menuCaption);
