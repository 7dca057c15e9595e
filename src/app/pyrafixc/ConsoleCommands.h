#pragma once
#include <ostream>
#include <string>
#include <vector>

// The console scanner's commands (arguments without the program name). Exit codes
// as other scanners give them: 0 clean or done, 1 something found, 2 an error.
int RunConsoleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
