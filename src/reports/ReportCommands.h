#pragma once
#include "shell/AppContext.h"

// "Build log" of the report dialog: builds Information.txt in the program folder
// and opens it, or aborts the build in progress.
void BuildLogClick(AppContext& context);

// The log upload the update server asked for, as the main window shows it.
void SendLogFromMainWindow(AppContext& context);

// Refills the Report Manager's rows (its "Refresh" and every showing).
void DisplayFullLogFile(AppContext& context);

// The Report Manager's commands, menus and row colours.
void WireReportManager(AppContext& context);
