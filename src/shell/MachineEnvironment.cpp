#include "shell/MachineEnvironment.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/FileSystem.h"
#include "reports/WindowsVersion.h"
#include "shell/Settings.h"
#include "update/UpdateServer.h"
#include "update/UpgradeStart.h"

const char ProgramTitle[] = "Pyrafix Pro v4 - SE";

ShellEnvironment MachineEnvironment(const std::string& programFolder)
{
    ShellEnvironment environment;
    environment.ProgramFolder = programFolder;
    environment.WindowsName = PlatformCheckName(QueryWindowsVersion());
    environment.ActionDialogKey = ActionDialogKey;
    // Read at every check, so a mirror set while the program runs is used at once.
    environment.UpdateHost = [] { return UpdateServerHost(ActionDialogKey); };
    environment.OpenDocument = [](const std::string& document) {
        ShellExecuteA(nullptr, "open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    environment.StartProgram = [](const std::string& program) { StartUpgrader(program); };
    environment.EndProcess = [](int code) { ExitProcess(static_cast<UINT>(code)); };
    environment.ProgramFile = ModuleFileName();
    return environment;
}
