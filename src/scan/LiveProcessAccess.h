#pragma once
#include "scan/RecordMachineLive.h"

// The machine's own process list and termination, for record matching and for the
// collector's "Proc " source.
ProcessAccess LiveProcessAccess();

// The texts ListRunningProcesses gives (full paths where they can be read).
std::vector<std::string> RunningProcessTexts();
