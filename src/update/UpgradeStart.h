#pragma once
#include <string>

// Opens the downloaded upgrader through the shell ("open", shown normally); it
// writes itself over the program and starts that. False when the shell refused.
bool StartUpgrader(const std::string& file);
