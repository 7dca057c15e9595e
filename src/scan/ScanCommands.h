#pragma once
#include "scan/StartupCollector.h"
#include "shell/AppContext.h"

// "Quick scan": asks first, then scans.
void Button1Click(AppContext& context);

// The whole quick scan as the main window runs it: preparation, the records, and
// (outside report mode) the end with its questions. `keepList` keeps the alert list.
void QuickScan(AppContext& context, bool keepList);

// The lists the collector reads, taken from the system tools as they are now.
StartupSources CurrentStartupSources(const MessageTable& messages);
