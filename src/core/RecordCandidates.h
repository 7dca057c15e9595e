#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/RecordMachine.h"
#include "core/SignatureRecord.h"

// One thing a record points at on this machine.
struct Candidate {
    enum class Kind {
        Folder, // an existing folder: a hit with everything in it
        File,   // a path to test (TestPathsOf)
    };
    Kind Type = Kind::File;
    std::string Path;
    std::string Name; // the display name: the record's name or one made up for it
    // Found on the machine (by fingerprint or as a running program): a real file,
    // tested as it is and never read as a pattern.
    bool Found = false;
};

// Calls `visit` with each candidate of the record in order: wildcard listing,
// folder hit, fingerprint lookup, running copy, random-name family. Stops when
// `visit` returns false or the machine says to abort; returns false then.
bool CandidatesOf(const SignatureRecord& record, RecordMachine& machine,
                  const std::function<bool(const Candidate&)>& visit);

// A path to test as a hit (FileUsable) and the name it is reported under.
struct PathToTest {
    std::string Path;
    std::string Name;
};

// How a file candidate is tested: the startup programs its pattern matches, each
// reported as "Lock:Sys32." + its name, or else the candidate itself under its
// display name.
std::vector<PathToTest> TestPathsOf(const Candidate& candidate, RecordMachine& machine);

// "Lock:Sys32." + the file name up to its first "." (the whole name when that
// part is empty): the name of files that patterns find, never deleted.
std::string LockedPatternName(const std::string& path);
