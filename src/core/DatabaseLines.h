#pragma once
#include <string>
#include <string_view>

// The three folders that root lines name, without trailing backslashes.
struct RootFolders {
    std::string Windows;
    std::string System; // System32
    std::string ProgramFiles;
};

enum class LineKind {
    End,    // "_end": the database ends here
    Root,   // "[Start]" or a root line: only the current root changed
    Record, // anything else
};

// Follows the control lines of the database text: each line read after the date
// line goes through Feed, which tells what it is and keeps the current root that
// the records below it name their files against.
class RecordRoots {
public:
    explicit RecordRoots(RootFolders folders) : folders_(std::move(folders)) {}

    // Tags count only at the first character of a line. Each line is classed on its
    // own, so a root line after another root line, or an "_end" right after one,
    // still means what it says instead of being read as a record.
    LineKind Feed(std::string_view line);
    const std::string& Root() const { return root_; }

private:
    RootFolders folders_;
    std::string root_;
};
