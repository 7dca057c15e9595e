#pragma once
#include <string>
#include <vector>

#include "core/MessageTable.h"

// Whether a process snapshot's executable name is the file name sought: its file-name
// part or the whole name equals it, ignoring the case of ASCII letters only.
bool ProcessNameMatches(const std::string& executableName, const std::string& sought);

// The process page's label: message 72, the row count and ")." .
std::string ProcessCountCaption(const MessageTable& messages, int rows);
// The process page's lines of the full report: message 73, the count and ")", one line
// per row, then an empty line.
std::vector<std::string> ProcessReportLines(const MessageTable& messages, const std::vector<std::string>& rows);
