#pragma once
#include <string>

// Turns a signature source into database text. The source has LF or CR LF lines;
// "#" lines are comments and empty lines are skipped; the first other line is the
// database date, padded with blanks so that with its CR LF it fills the 35-byte
// date line; an "_end" line is added when missing. Returns false with
// "line N: reason" in `error` when the source cannot make a valid database.
bool BuildDatabaseText(const std::string& source, std::string& text, std::string& error);
