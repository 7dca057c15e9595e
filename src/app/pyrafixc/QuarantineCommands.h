#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "quarantine/QuarantineStore.h"

// "quarantine list|restore PATH|remove PATH|clear" over the given store (arguments
// after the word "quarantine"). Exit codes: 0 done, 2 an error.
int RunQuarantineCommand(const std::vector<std::string>& args, QuarantineStore& store, std::ostream& out,
                         std::ostream& err);
// The same over the quarantine beside the program.
int RunQuarantineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
