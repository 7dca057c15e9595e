#pragma once
#include <string>
#include <vector>

#include "core/HashSignatures.h"

// The ignore list (Ignore.dat beside the program): detections the user has called
// false positives. Plain text, one entry a line, "TARGET|NAME": the target is an MD5
// text (a file with that content anywhere) or a full path (that file or folder),
// and the name is the detection the entry was made for. No path holds "|", so the
// first one ends the target.
struct IgnoreEntry {
    std::string Target; // 32 lower-case hexadecimal digits, or a full path
    std::string Name;
    bool IsMd5() const;
};

class IgnoreList {
public:
    // Replaces the entries with the text's (CR LF or LF lines; empty lines skipped).
    // False with "line N: reason" in `error`, and no change, when any line is no
    // entry: a damaged list ignores nothing rather than part of what it meant to.
    [[nodiscard]] bool Parse(const std::string& text, std::string& error);
    // The entries as the file holds them, CR LF lines.
    std::string Text() const;

    const std::vector<IgnoreEntry>& Entries() const { return entries_; }
    // False, and no change, when the target is neither an MD5 text nor a full path or
    // the name is empty or holds a line break. An MD5 text is kept in lower case, a
    // path without a trailing backslash (a drive root keeps its own).
    [[nodiscard]] bool Add(IgnoreEntry entry);
    // By its 1-based number in the list; false when there is none.
    [[nodiscard]] bool Remove(size_t number);

    // A file is ignored by its path (ignoring case) or by its MD5 text.
    bool IgnoresFile(const std::string& path, const std::string& md5) const;
    // A folder only by its path.
    bool IgnoresFolder(const std::string& path) const;
    // Some entry names an MD5 text: only then must a file be hashed to be judged.
    bool HasMd5Entries() const;

private:
    bool IgnoresPath(const std::string& path) const;

    std::vector<IgnoreEntry> entries_;
};

// "C:\..." or "\\server\share...": a path that names one place whatever the current folder.
bool IsFullPath(const std::string& text);
