// pyrafix.exe: the program, or the last step of its own upgrade.
#include <windows.h>

#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "platform/ShellProperties.h"
#include "shell/AppContext.h"
#include "shell/Language.h"
#include "shell/MachineEnvironment.h"
#include "shell/ProgramRoles.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"
#include "ui/win32/Win32Renderer.h"

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
    app.Title = ProgramTitle;
    AppContext context{app, state, MachineEnvironment(folder)};
    // The manager window owns the properties dialogs it opens.
    context.Env.ShowProperties = [&renderer, &context](const std::string& file) {
        ShowFileProperties(file, renderer.WindowOf(context.frmMain));
    };
    CreateAppWindows(context);
    if (app.Terminated())
        return app.ExitCode;
    LoadLanguageList(context);
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
