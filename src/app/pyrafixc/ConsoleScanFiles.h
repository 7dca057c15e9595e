#pragma once
#include <ostream>
#include <string>
#include <vector>

// pyrafixc scan-files PATH... [--fix | --quarantine] [--pause]: the files and folders
// given against hashes.dat of `programFolder` (which also holds the quarantine).
// Exit 0 clean, 1 something found, 2 when a path given could not be read at all or
// a file that had to be read could not be (nothing unread is ever called clean).
int ConsoleScanFiles(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                     std::ostream& err);
