#pragma once
#include <ostream>
#include <string>
#include <vector>

// The maker's tool: runs one command (arguments without the program name) and
// returns the exit code, 0 on success and 2 on any error.
int RunDbTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
