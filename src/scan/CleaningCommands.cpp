#include "shell/Commands.h"

void WireCleaningCommands(AppContext&) {}
