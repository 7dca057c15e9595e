#include "shell/Commands.h"

void WireSystemToolCommands(AppContext&) {}
