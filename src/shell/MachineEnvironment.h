#pragma once
#include "shell/AppContext.h"

// The title every instance of the program carries.
extern const char ProgramTitle[];

// What the windows need from this machine: the program folder given, the Windows
// version as the start-up check reads it, the shell's "open" verb and the real
// settings key. The properties dialog needs a window, so its owner sets it.
ShellEnvironment MachineEnvironment(const std::string& programFolder);
