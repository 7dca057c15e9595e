// pyrafix.exe: the program, or the last step of its own upgrade.
#include <windows.h>

#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "platform/ShellProperties.h"
#include "reports/WindowsVersion.h"
#include "shell/AppContext.h"
#include "shell/ProgramRoles.h"
#include "shell/Settings.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"
#include "ui/win32/Win32Renderer.h"

#include <shellapi.h>

#include <exception>

namespace {

int RunProgram(HINSTANCE instance)
{
    SharedState state; // the message table is complete before any window exists
    const std::string executable = ModuleFileName();
    if (IsUpgraderName(executable))
        return FinishUpgrade(executable) ? 0 : 1;

    const std::string folder = ProgramFolder();
    DeleteLeftoverUpgrader(folder);
    Win32Renderer renderer(instance);
    TApplication app(&renderer);
    renderer.Attach(app);
    app.Title = "Pyrafix Pro v4 - SE";

    ShellEnvironment environment;
    environment.ProgramFolder = folder;
    environment.WindowsName = PlatformCheckName(QueryWindowsVersion());
    environment.ActionDialogKey = ActionDialogKey;
    environment.OpenDocument = [](const std::string& document) {
        ShellExecuteA(nullptr, "open", document.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    AppContext context{app, state, environment};
    // The manager window owns the properties dialogs it opens.
    context.Env.ShowProperties = [&renderer, &context](const std::string& file) {
        ShowFileProperties(file, renderer.WindowOf(context.frmMain));
    };
    CreateAppWindows(context);
    if (!app.Terminated())
        app.Run();
    return app.ExitCode;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    try {
        return RunProgram(instance);
    } catch (const std::exception& failure) {
        // Only the start-up can get here (window procedures catch their own failures).
        MessageBoxA(nullptr, failure.what(), "Pyrafix Pro", MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
        return 2;
    }
}
