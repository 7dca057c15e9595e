#include "shell/ProgramRoles.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/FileSystem.h"

namespace {
const char UpgraderName[] = "pyrxt.exe";
const char ProgramName[] = "pyrafix.exe";

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/") + 1);
}
} // namespace

bool IsUpgraderName(const std::string& executablePath)
{
    return executablePath.substr(executablePath.find_last_of("\\/") + 1) == UpgraderName;
}

bool FinishUpgrade(const std::string& executablePath)
{
    std::vector<uint8_t> image;
    if (!ReadWholeFile(executablePath, image))
        return false;
    const std::string folder = FolderOf(executablePath);
    SetCurrentDirectoryA(folder.c_str());
    const std::string target = folder + ProgramName;
    ReplaceProgramFile(target, image, [] { Sleep(100); });
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    return true;
}

void ReplaceProgramFile(const std::string& target, const std::vector<uint8_t>& image,
                        const std::function<void()>& pause)
{
    const std::string staged = target + ".new";
    while (!WriteWholeFile(staged, image.data(), image.size()))
        pause();
    // The old program may still be running and hold its file: only the move waits for it.
    while (!MoveReplacing(staged, target))
        pause();
}

void DeleteLeftoverUpgrader(const std::string& programFolder)
{
    DeleteFileA((programFolder + UpgraderName).c_str());
}
