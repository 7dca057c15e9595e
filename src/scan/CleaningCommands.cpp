#include "scan/MainWindowCleaningView.h"
#include "shell/Commands.h"
#include "shell/TForm1.h"
#include "ui/Application.h"

void WireCleaningCommands(AppContext& context)
{
    context.Quarantine.ProgramFolder = context.Env.ProgramFolder;
    context.Quarantine.ProcessMessages = [&app = context.App] { app.ProcessMessages(); };
    TForm1& form = *context.Form1;
    form.Button2->OnClick = [&context] { FixCommand(context); };
    form.xpButton5->OnClick = [&context] { QuarantineCommand(context); };
}
