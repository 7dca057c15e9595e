#pragma once
#include <string>

#include "reports/FullReport.h"

// The full report as JSON, in UTF-8, for scripts and support tools: what a build
// wrote to Information.txt, from the state and lists it left. The field names are
// kept stable (the README lists them).
std::string JsonReport(const SharedState& state, const FullReportResult& report, const std::string& windowsName,
                       const std::string& isoTime);

// Now in local time as ISO 8601 with the zone's offset, e.g. 2026-12-10T10:47:45+01:00.
std::string IsoLocalTime();
