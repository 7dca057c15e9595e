#pragma once
#include <string>
#include <vector>

// One listed line of System.ini or Win.ini: trimmed and lower-cased; checked when
// active, unchecked when commented out with ";".
struct IniRow {
    std::string Text;
    bool Checked = false;
};

constexpr const char* NoAdditionalDriverText = "No additional driver found!";

// The driver and program lines of an INI file's content: those beginning with
// "load", "run" or "device", active or behind ";". Sections play no part.
std::vector<IniRow> IniRowsOf(const std::string& content);

// The line that switching a row writes, after its check box changed: the text
// without its ";" when checked, with ";" in front when unchecked. False when the row
// already matches its check box.
bool ToggledIniLine(const IniRow& row, std::string& newLine);

// The file rewritten with every line trimmed and lower-cased, and every line equal
// to `oldLine` replaced by `newLine`; lines end in CR LF.
std::string RewriteIniContent(const std::string& content, const std::string& oldLine, const std::string& newLine);
