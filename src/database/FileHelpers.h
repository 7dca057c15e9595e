#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/DatabaseText.h"

// The file's size in bytes; 0 on any failure, including a file another process
// holds open without sharing.
int64_t FileSizeOf(const std::string& path);

// The existence test that decides hits: FileExists, or else a readable file of
// more than 10 bytes (which catches time stamps outside the DOS range).
bool FileUsable(const std::string& path);

// The files a pattern matches, each followed by ";". The first "<>" of the pattern
// stands for "*"; a second one stays as written. Folders and files whose time is
// not a DOS time are left out.
std::string ListMatching(const std::string& pattern, const Pump& pump = {});

// Turns a command line or a startup entry into the lower-case path of an existing
// file: expands it as the system does (environment variables, "\SystemRoot\" and
// "\??\"), tries the System32 and Windows folders, and drops characters from the
// end (switches, arguments) until a usable file is named. Where that names nothing,
// the same with the program's own substitutions instead (%systemroot% and
// %systemdir% for System32, %windir% and %winroot% for the Windows folder). Empty
// when neither names a file.
std::string ResolveCommandFile(const std::string& command);
// The same with another test in place of FileUsable that must give FileUsable's
// answers (a scan's, which knows from its folder listings where nothing is).
using FileTest = std::function<bool(const std::string&)>;
std::string ResolveCommandFile(const std::string& command, const FileTest& usable);
