#pragma once
#include <string>
#include <vector>

// Path pieces as the database and the startup entries use them: backslash
// separated, 8-bit.

// The folder part with its trailing backslash ("" for a bare name).
std::string FolderPartOf(const std::string& path);
// The text after the last backslash.
std::string FileNamePartOf(const std::string& path);
// The extension of a file name from its last "." ("" when it has none).
std::string ExtensionOf(const std::string& fileName);
// The text before the first "."; the whole text when that part is empty, so a
// name beginning with "." keeps its name.
std::string NameBeforeFirstDot(const std::string& fileName);

// The paths of a path list ("a;b;"), without empty items.
std::vector<std::string> SplitPathList(const std::string& list);
