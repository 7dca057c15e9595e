#include "update/UpgradeStart.h"

#include <windows.h>

#include <shellapi.h>

bool StartUpgrader(const std::string& file)
{
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32; // ShellExecute's way of saying it started the file
}
