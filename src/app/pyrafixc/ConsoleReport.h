#pragma once
#include <ostream>
#include <string>
#include <vector>

// `pyrafixc report [--out FILE] [--json FILE]`: the full report with everything in
// it, as "Build log" writes it with all four boxes checked, to Information.txt in
// the program folder unless --out names a file; --json writes the same content as
// JSON too. 0 when written, 2 when not.
int ConsoleReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
