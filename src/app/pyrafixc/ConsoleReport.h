#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "reports/FullReport.h"

// `pyrafixc report [--out FILE] [--json FILE]`: the full report with everything in
// it, as "Build log" writes it with all four boxes checked, to Information.txt in
// the program folder unless --out names a file; --json writes the same content as
// JSON too. 0 when written, 2 when not.
int ConsoleReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The report of `pyrafixc report` into `path`, over a state whose database is loaded
// (an empty one when the report is to have no detections).
FullReportResult BuildConsoleReport(SharedState& state, const std::string& path, const std::string& windowsName);
