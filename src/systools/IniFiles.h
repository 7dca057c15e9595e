#pragma once
#include <string>
#include <vector>

#include "core/IniLines.h"

// Shown (captioned "Scan INI files...") when the Windows folder cannot be found.
constexpr const char* WindowsFolderErrorText = "Error get Windows Dir!";
constexpr const char* ScanIniCaption = "Scan INI files...";

// The driver and program lines of an INI file in the Windows folder ("System.ini",
// "Win.ini"). A missing or unreadable file yields no rows (the list then shows
// "No additional driver found!"). False only when the Windows folder is unknown.
bool ScanSystemINI(const std::string& fileName, std::vector<IniRow>& rows);

// Rewrites the INI file with every line equal to `oldLine` replaced (all lines
// trimmed and lower-cased), replacing the file in one step: a failure leaves the old
// file as it was. False when the file could not be read or replaced.
bool ChangeLine(const std::string& fileName, const std::string& oldLine, const std::string& newLine);

// After the user changed a row's check box: comments the line out or in when the box
// differs from the line. True when the file was changed (the list is then read again).
bool ApplyIniCheck(const std::string& fileName, const IniRow& row);
