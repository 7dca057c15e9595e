#pragma once
#include <functional>
#include <string>

#include "model/SharedState.h"
#include "quarantine/QuarantineStore.h"
#include "shell/Settings.h"
#include "update/UpdateSignature.h"

class TApplication;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm9;
class TfrmMain;
class TForm12;
class TFormL;
class TFormR;

// What the windows need from the machine; tests give their own.
struct ShellEnvironment {
    std::string ProgramFolder;                              // with a trailing backslash
    std::string WindowsName;                                // PlatformCheckName of this machine
    std::function<void(const std::string&)> OpenDocument;   // the shell's "open" verb
    std::function<void(const std::string&)> ShowProperties; // the shell's "properties" dialog of a file
    std::string ActionDialogKey;                            // HKCU key of the action dialog setting
    std::function<std::string()> UpdateHost;                // the update server's host[:port]; none: no checks
    std::function<void(const std::string&)> StartProgram;   // the shell's "open" verb, shown normally
    std::function<void(int)> EndProcess;                    // ends the process at once with this code
    UpdateKey UpdateSigningKey = MakerUpdateKey();          // signs every file of the update server
    std::string LanguageKey = LanguageSettingKey;           // HKCU key of the chosen language
    std::string ProgramFile;                                // the running executable, for a restart
};

// The program's windows and the state they share, passed to every window so
// a handler reaches another window without globals. Filled in creation order.
struct AppContext {
    TApplication& App;
    SharedState& State;
    ShellEnvironment Env;
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm9* Form9 = nullptr;
    TfrmMain* frmMain = nullptr;
    TForm12* Form12 = nullptr;
    TFormL* FormL = nullptr;
    TFormR* FormR = nullptr;
    QuarantineStore Quarantine{std::string()}; // over Env.ProgramFolder once the commands are wired

    const std::string& Text(Msg row) const { return State.Messages.Text(row); }
};

// Creates the nine windows in the program's order. Stops after the main window
// when its creation ended the application (the platform refusal).
void CreateAppWindows(AppContext& context);

// Runs a command's handler when one is wired.
inline void RunCommand(const std::function<void()>& handler)
{
    if (handler)
        handler();
}
