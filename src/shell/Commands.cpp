#include "shell/Commands.h"

void WireCommands(AppContext& context)
{
    WireScanCommands(context);
    WireCleaningCommands(context);
    WireSystemToolCommands(context);
    WireUpdateCommands(context);
    WireReportCommands(context);
}
