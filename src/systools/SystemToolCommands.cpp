#include "shell/Commands.h"
#include "systools/SystemToolPages.h"

namespace {
const char ServiceListFailureText[] = "Can not get Service List!";
}

void WireSystemToolCommands(AppContext& context)
{
    WireProcessPage(context);
    WireStartupFilesPage(context);
    WireServiceLists(context);
    WireStartupTab(context);
    WireSpecialKeyTab(context);
    WireManagerWindow(context);
    // What the manager window's creation lists; the windows exist only now.
    LoadManagerWindow(context, ServiceListFailureText);
}
