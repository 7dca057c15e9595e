#include "quarantine/TForm9.h"
#include "reports/TForm12.h"
#include "scan/TForm3.h"
#include "shell/AppContext.h"
#include "shell/Commands.h"
#include "shell/TForm1.h"
#include "shell/TForm2.h"
#include "shell/TFormL.h"
#include "systools/TFormR.h"
#include "systools/TfrmMain.h"
#include "ui/Application.h"
#include "update/TForm4.h"

void CreateAppWindows(AppContext& context)
{
    TApplication& app = context.App;
    context.Form1 = app.CreateForm<TForm1>("Form1", context);
    if (app.Terminated())
        return;
    context.Form2 = app.CreateForm<TForm2>("Form2", context);
    context.Form3 = app.CreateForm<TForm3>("Form3", context);
    context.Form4 = app.CreateForm<TForm4>("Form4", context);
    context.Form9 = app.CreateForm<TForm9>("Form9", context);
    context.frmMain = app.CreateForm<TfrmMain>("frmMain", context);
    context.Form12 = app.CreateForm<TForm12>("Form12", context);
    context.FormL = app.CreateForm<TFormL>("FormL", context);
    context.FormR = app.CreateForm<TFormR>("FormR", context);
    WireCommands(context);
}
