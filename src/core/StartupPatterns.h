#pragma once
#include <string>

#include "core/RecordMachine.h"

// The startup programs and files that a candidate's file-name pattern matches, as
// a path list (each path ended by ";"); empty when the name holds no pattern or
// nothing matches. The mode comes from the file name: "<>" (prefix), then "&"
// (prefix followed by characters of a set, with "!" fragments), then "?"
// (fragments in order), then "randomA" (a program named like a file beside it
// with an extra "a" before the extension).
std::string StartupPatternMatches(const std::string& candidatePath, RecordMachine& machine);

// Whether the rest of a name fits an "&" set: the "!"-ended fragments after the
// first field must occur in order, and every other character of `rest` must be a
// character of the set.
bool FitsCharacterSet(const std::string& rest, const std::string& set);
