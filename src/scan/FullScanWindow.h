#pragma once
#include "shell/AppContext.h"

// Shows "Full scan process!", where the user picks the drives and starts or declines
// the full scan. The quick scan's end question calls it.
void ShowFullScanWindow(AppContext& context);

// Walks the selected drives of the full-scan window for copies of the quick scan's
// file alerts, with the main window's log, status bar and buttons around the walk.
void RunFullScan(AppContext& context);
