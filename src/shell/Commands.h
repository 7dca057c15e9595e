#pragma once
#include "shell/AppContext.h"

// Connects the windows' buttons, menus and timers to the work of each room. Runs
// once, after all windows exist, so a handler may reach any window.
void WireCommands(AppContext& context);

// Each room wires its own commands (scan/ScanCommands.cpp, scan/CleaningCommands.cpp,
// systools/SystemToolCommands.cpp, update/UpdateCommands.cpp, reports/ReportCommands.cpp).
void WireScanCommands(AppContext& context);
void WireCleaningCommands(AppContext& context);
void WireSystemToolCommands(AppContext& context);
void WireUpdateCommands(AppContext& context);
void WireReportCommands(AppContext& context);
