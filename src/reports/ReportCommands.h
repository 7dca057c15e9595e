#pragma once
#include "shell/AppContext.h"

// "Build log" of the report dialog: builds Information.txt in the program folder
// and opens it, or aborts the build in progress.
void BuildLogClick(AppContext& context);
