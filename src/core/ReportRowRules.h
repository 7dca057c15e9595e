#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The Report Manager's pop-up menus: Pop1 files, Pop2 processes, Pop3 startup
// values, Pop4 a service.
enum class ReportMenu { Files, Processes, Values, Service };

// The menu for the row whose selection changed last, by its kind ("Proc", ...).
ReportMenu MenuForRow(const std::string& kind);

// The menu after a click into the list, from the kinds of the checked rows in list
// order: processes alone give the process menu, startup values alone the value
// menu; a process row after a value row (or the reverse) falls back to the files
// menu, and any other kind ends the walk there with the files menu.
ReportMenu MenuForCheckedRows(const std::vector<std::string>& checkedKinds);

// Colours in the toolkit's blue-green-red order; Default keeps the list's own.
constexpr uint32_t DefaultColour = 0xFFFFFFFF;
struct RowColours {
    uint32_t Background = DefaultColour;
    uint32_t Text = DefaultColour;
};
// Checked rows on yellow; a "File Size" of exactly "0" in red when the file is
// there (usable) and blue when it is not.
RowColours ColoursForRow(bool checked, const std::string& sizeText, bool fileUsable);
