#pragma once
#include <string>
#include <vector>

// Path pieces, 8-bit. Windows separates folders with "\" or "/", and a drive's
// colon ends the folder part too ("C:x.exe" is x.exe in C:'s current folder).

// Up to and including the last separator ("" for a bare name).
std::string FolderPart(const std::string& path);
// The text after the last separator; the whole text when it has none.
std::string FileNamePart(const std::string& path);
// The extension of a file name from its last "." ("" when it has none).
std::string ExtensionOf(const std::string& fileName);
// The text before the first "."; the whole text when that part is empty, so a
// name beginning with "." keeps its name.
std::string NameBeforeFirstDot(const std::string& fileName);

// The paths of a path list ("a;b;"), without empty items.
std::vector<std::string> SplitPathList(const std::string& list);
