#pragma once
#include "shell/AppContext.h"

// "Quick scan": asks first, then scans.
void Button1Click(AppContext& context);

// The whole quick scan as the main window runs it, over its log, alert list and buttons.
void QuickScan(AppContext& context);
