#pragma once
#include <string>
#include <vector>

#include "core/LineSink.h"
#include "shell/AppContext.h"

class TListView;

// The system tools' lists in the windows, one file per page or tab. The report
// build calls the refreshes with its sink; the commands call them without one.

// Main window page 2 ("Active processes:"); returns the rows it shows.
std::vector<std::string> RefreshProcessPage(AppContext& context, const LineSink& report = {});
void WireProcessPage(AppContext& context);

// Main window page 3 ("Startup files:").
void RefreshStartupFilesPage(AppContext& context, const LineSink& report = {});
void WireStartupFilesPage(AppContext& context);

// Both services lists (the manager's tab and main window page 5) get the same rows;
// `failureText` is the one row's "Path" when the service list cannot be read.
void FillServiceLists(AppContext& context, const std::string& failureText);
void WireServiceLists(AppContext& context);

// The manager window's startup programs tab.
void LoadStartupTab(AppContext& context);
void WireStartupTab(AppContext& context);
// "&Remove from Startup List" on `list` (ListView1 or ListView1_2), after asking.
void RemoveStartupEntry(AppContext& context, TListView& list);

// The manager window's keyboard filter and INI tab. `fileName` is "System.ini" or "Win.ini".
void ScanKeyboardFilterList(AppContext& context);
void ScanIniList(AppContext& context, const std::string& fileName);
void WireSpecialKeyTab(AppContext& context);
// The filter list, then the System.ini and Win.ini lists.
void LoadSpecialKeyTab(AppContext& context);
// "&Remove from Startup List" on the keyboard filter list: DelKBf after its question.
void RemoveKeyboardFilter(AppContext& context);

// The caption of the manager window's removal questions.
constexpr const char* RemoveCaption = "This action can not be undone!";

// The manager window's shared pop-up menu and message hook.
void WireManagerWindow(AppContext& context);

// The manager window's lists, in its creation order: startup programs, keyboard
// filters, System.ini, Win.ini, then both services lists.
void LoadManagerWindow(AppContext& context, const std::string& serviceFailureText);

// The message that, sent to the manager window, ends the program (WM_USER + 9).
constexpr unsigned EndProgramMessage = 1033;
