#pragma once
#include <windows.h>

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Answers "does this path name anything" from one listing per folder, each read once
// at first use, so that the paths a scan tests in the same folder cost one listing
// instead of one lookup each. It only ever says "nothing": a path it finds, and every
// path it cannot vouch for (not a plain absolute path, through a link, in a folder
// that could not be listed, a name only a case rule outside ASCII could match), is
// left for the system's own test. Files made after a folder was read are not seen.
class FolderListings {
public:
    // True only when the listings show that nothing has this name.
    bool NamesNothing(const std::string& path);
    // True only when the listings show that the system's listing of this wildcard
    // pattern ("<>" or "*" in the file name) finds nothing, because no name in the
    // folder starts with the text before the wildcard.
    bool MatchesNothing(const std::string& pattern);

    // How many folders were read; for tests and benchmarks.
    size_t FoldersRead() const { return read_; }

private:
    struct Entry {
        DWORD Attributes = 0;
        std::wstring Name; // the long name, as the system gave it
        size_t Child = 0;  // its folder's index once it was looked into, else 0
    };
    struct Folder {
        std::wstring Path; // ends with a backslash
        bool Listed = false, Usable = false, ShortNames = false;
        std::vector<Entry> Entries;
        // ASCII names in upper case, long and short, in order, each with its entry.
        std::vector<std::pair<std::string, size_t>> Names;
        std::vector<size_t> OtherLengths; // lengths of names with letters beyond ASCII
    };
    enum class Found { Nothing, Entry, Unknown };

    bool Split(const std::string& path, size_t& root, std::vector<std::string>& names);
    Found Descend(size_t& folder, const std::vector<std::string>& names);
    Found Find(size_t folder, const std::string& name, size_t& entry);
    void List(size_t folder, bool shortNames);

    std::vector<Folder> folders_ = std::vector<Folder>(1); // index 0 is never a folder
    std::unordered_map<char, size_t> drives_;
    size_t read_ = 0;
};
