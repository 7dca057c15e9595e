#pragma once
#include <string>
#include <string_view>

#include "core/FolderPlaceholders.h"

enum class RecordKind {
    Nothing,         // names no file, folder or fingerprint: produces no candidate
    FingerprintOnly, // an MD5 text to look for among the startup programs
    Folder,          // a folder reported with everything in it
    File,            // a file, possibly a pattern
};

// One database record, parsed.
struct SignatureRecord {
    std::string Md5;            // empty when absent or "0"
    std::string Name;           // detection name, or the default name made up from the file part
    std::string File;           // file part, placeholders expanded; empty for folder and "::" records
    std::string Folder;         // the current root (plus a folder record's folder), expanded
    bool NoRunningCopy = false; // "/0/": the running processes are not searched
    RecordKind Kind = RecordKind::Nothing;
};

// Parses a record line against the current root (see RecordRoots). Placeholders in
// the folder and file parts are expanded through `lookup`; an empty lookup leaves
// them as written.
SignatureRecord ParseRecord(std::string_view line, const std::string& root, const FolderLookup& lookup = {});

// "Sys32." followed by the last path component of `file` before its last "."; the
// whole of `file` when it holds no "." at all.
std::string DefaultRecordName(const std::string& file);
