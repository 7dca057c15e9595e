#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The executable's two roles by its file name: started as "pyrxt.exe" (exactly,
// letter case included) it finishes an upgrade; under any other name it is the program.
bool IsUpgraderName(const std::string& executablePath);

// Writes the running executable's image over "pyrafix.exe" beside it, retrying
// every 100 ms until the old program has exited, then opens that file through
// the shell. Returns false only when the own image cannot be read.
bool FinishUpgrade(const std::string& executablePath);

// Puts the image in place of the program file: written once beside it, then moved
// over it, the move retried after each `pause` until the old program has let go of
// its file. Each failing step is retried without limit.
void ReplaceProgramFile(const std::string& target, const std::vector<uint8_t>& image,
                        const std::function<void()>& pause);

// Deletes an upgrader left over beside the program; a missing file is no error.
void DeleteLeftoverUpgrader(const std::string& programFolder);
