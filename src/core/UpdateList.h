#pragma once
#include <cstdint>
#include <string>

// The program's own version as the update server's list page names versions.
extern const char* const ProgramVersionText; // the version banner, "Pyrafix Pro v7 - SE (Build date: ...)"
extern const char ListPageProduct[];         // "Pyrafix Pro"

// What the list page "list.htm" says: CR LF lines of product name, newest database
// date, newest program version, an unused line, whether logs are wanted ("1") and
// the lowest update number that incremental pieces may start from.
struct ListPage {
    bool Valid = false; // a first line that is exactly the product name
    std::string DatabaseDate;
    std::string ProgramVersion;
    bool LogRequested = false;
    std::string PieceBase; // empty or not a number: no incremental update
    // The seventh line: the MD5 text of the newest hashes.dat, lower case; empty when
    // the page names none (or names it in no MD5 text).
    std::string HashesMd5;
};

// Reads the page's lines; LF alone also ends a line. Missing lines are empty.
ListPage ReadListPage(const std::string& text);

// The update number of a database date text: what follows ", Upd " with every
// ", Upd ", blank and "." removed, read as a decimal number; 0 when there is no
// ", Upd " or the rest is not a number.
int UpdateNumber(const std::string& dateText);

// A decimal number of at most nine digits, else 0.
int DecimalOrZero(const std::string& text);

// Two database date texts name the same database when they differ in trailing
// blanks at most: the database pads its date line, a list page need not.
bool SameDatabaseDate(const std::string& a, const std::string& b);

// The upgrade window's progress bar (0 to 100) after `readed` of `totalSize` bytes:
// with step = totalSize / 100, 0 below one step, 1 at one step, and above it the
// steps begun minus one, so a whole file of a multiple of 100 bytes gives 99. A size
// under 100 bytes (or unknown, 0) has no step: there the share read, at most 99.
int UpgradeProgressPosition(int64_t totalSize, int64_t readed);
