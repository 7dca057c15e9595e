#pragma once
#include <string>

// The executable's two roles by its file name: started as "pyrxt.exe" (exactly,
// letter case included) it finishes an upgrade; under any other name it is the program.
bool IsUpgraderName(const std::string& executablePath);

// Writes the running executable's image over "pyrafix.exe" beside it, retrying
// every 100 ms until the old program has exited, then opens that file through
// the shell. Returns false only when the own image cannot be read.
bool FinishUpgrade(const std::string& executablePath);

// Deletes an upgrader left over beside the program; a missing file is no error.
void DeleteLeftoverUpgrader(const std::string& programFolder);
