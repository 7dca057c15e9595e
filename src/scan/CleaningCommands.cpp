#include "quarantine/TForm9.h"
#include "scan/MainWindowCleaningView.h"
#include "scan/TForm3.h"
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
    // The two windows that cleaning and the quarantine work through.
    context.Form3->BindCommands();
    context.Form9->BindCommands();
}
