#include "shell/Commands.h"

void WireScanCommands(AppContext&) {}
