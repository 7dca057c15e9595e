#include "shell/MachineEnvironment.h"

#include <windows.h>
#include <shellapi.h>

#include "reports/WindowsVersion.h"
#include "shell/Settings.h"

const char ProgramTitle[] = "Pyrafix Pro v4 - SE";

ShellEnvironment MachineEnvironment(const std::string& programFolder)
{
    ShellEnvironment environment;
    environment.ProgramFolder = programFolder;
    environment.WindowsName = PlatformCheckName(QueryWindowsVersion());
    environment.ActionDialogKey = ActionDialogKey;
    environment.OpenDocument = [](const std::string& document) {
        ShellExecuteA(nullptr, "open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    return environment;
}
