#include "shell/ProgramRoles.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

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
    // The old program may still be running and hold its file: wait for it.
    while (!WriteFileReplacing(target, image.data(), image.size()))
        Sleep(100);
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
    return true;
}

void DeleteLeftoverUpgrader(const std::string& programFolder)
{
    DeleteFileA((programFolder + UpgraderName).c_str());
}
