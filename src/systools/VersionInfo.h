#pragma once
#include <string>

#include "core/StringList.h"

// The standard string values of a file's version resource, read in the first
// translation only. Reading stops at the first key the resource lacks.
class TGetVersionInfoFromFile {
public:
    std::string VersionFile; // empty when none is held
    StringList VersionKeys;
    StringList VersionValues;

    // Empties the lists; reads the file when it exists, else holds none.
    void SetFile(const std::string& path);
    void ReadStrings();
    // The value of the first key equal to `key` ignoring ASCII case; empty when none.
    std::string ValueOf(const std::string& key) const;
};
