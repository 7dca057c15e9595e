#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/RecordMachine.h"
#include "core/TextHelpers.h"

// A machine made of tables: files and folders compared ignoring case, a wildcard
// listing over the files, startup entries already resolved, running programs.
struct FakeRecordMachine : RecordMachine {
    std::vector<std::string> files; // in listing order
    std::set<std::string> folders;  // lower case
    std::map<std::string, std::string> md5;
    std::vector<ResolvedEntry> entries;
    std::vector<std::string> running;
    std::vector<std::string> ended;
    int stepsBeforeAbort = -1; // -1: never abort
    int steps = 0;

    bool FileUsable(const std::string& path) override
    {
        for (const std::string& file : files)
            if (SameTextIgnoringCase(file, path))
                return true;
        return false;
    }
    bool FolderExists(const std::string& path) override { return folders.count(LowerCase(path)) > 0; }
    // One "*" (the first "<>") within the pattern's folder, ignoring case.
    std::string ListMatching(const std::string& pattern) override
    {
        std::string wildcard = LowerCase(pattern);
        const size_t marker = wildcard.find("<>");
        if (marker != std::string::npos)
            wildcard.replace(marker, 2, "*");
        const size_t star = wildcard.find('*');
        const std::string head = wildcard.substr(0, star);
        const std::string tail = star == std::string::npos ? "" : wildcard.substr(star + 1);
        const std::string folder = pattern.substr(0, pattern.find_last_of('\\') + 1);
        std::string result;
        for (const std::string& file : files) {
            const std::string lower = LowerCase(file);
            if (LowerCase(folder) != lower.substr(0, lower.find_last_of('\\') + 1))
                continue;
            const bool match = star == std::string::npos
                                   ? lower == wildcard
                                   : lower.size() >= head.size() + tail.size() &&
                                         lower.compare(0, head.size(), head) == 0 &&
                                         lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
            if (match)
                result += folder + file.substr(file.find_last_of('\\') + 1) + ";";
        }
        return result;
    }
    std::string FileMd5Text(const std::string& path) override
    {
        auto it = md5.find(path);
        return it == md5.end() ? "d41d8cd98f00b204e9800998ecf8427e" : it->second;
    }
    const std::vector<ResolvedEntry>& StartupEntries() override { return entries; }
    const std::vector<std::string>& RunningPrograms() override { return running; }
    void EndProcessesByName(const std::string& fileName) override { ended.push_back(fileName); }
    bool KeepGoing() override { return stepsBeforeAbort < 0 || steps++ < stepsBeforeAbort; }
};
