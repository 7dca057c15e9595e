#pragma once
#include <string>
#include <vector>

// An ordered list of lines. A sorted list keeps its lines in case-insensitive
// order and drops a line equal to one it holds, ignoring case.
class StringList {
public:
    explicit StringList(bool sorted = false) : sorted_(sorted) {}

    // Returns the line's index, or -1 when a sorted list already held it.
    int Add(const std::string& line);
    // The index of a line equal to `line` ignoring case, or -1.
    int IndexOf(const std::string& line) const;
    void Delete(int index);
    void Clear() { lines_.clear(); }

    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const { return lines_[static_cast<size_t>(index)]; }
    std::string& operator[](int index) { return lines_[static_cast<size_t>(index)]; }
    const std::vector<std::string>& Lines() const { return lines_; }
    bool Sorted() const { return sorted_; }

    // The lines, each ended by CR LF.
    std::string Text() const;

private:
    std::vector<std::string> lines_;
    bool sorted_;
};
