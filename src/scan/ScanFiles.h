#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/HashSignatures.h"
#include "model/SharedState.h"

// What the on-demand scan reports as it walks.
struct ScanFilesEvents {
    std::function<void(const std::string& path, const std::string& name)> Detection;
    // A file whose size a signature has but that cannot be read: never called clean.
    std::function<void(const std::string& path)> Unreadable;
    // A link, junction or mount point inside what was given: listed, never entered.
    std::function<void(const std::string& path)> Link;
    // A path given that cannot be read at all (missing, or a folder that cannot be listed).
    std::function<void(const std::string& path)> PathUnreadable;
    // True when the file is on the ignore list: it is then passed over. Called with
    // the MD5 text of a file that matched a signature.
    std::function<bool(const std::string& path, const std::string& md5, const std::string& name)> Ignored;
};

struct ScanFilesResult {
    int64_t Files = 0;      // files looked at
    int64_t Unreadable = 0; // files that had to be read and could not be
    int64_t Links = 0;
    bool PathUnreadable = false;
    // The detections, as alerts without a line, ready for the cleaning commands.
    std::vector<TFileList> Detections;
};

// Walks each file and folder given against the hash signatures. A file's size comes
// from the walk's find data, and only a file whose size some signature has is read.
// Folders are walked whole; a link, junction or mount point found inside (any
// reparse point) is reported and not entered, so nothing outside the paths given
// is reached. Paths are reported in full.
ScanFilesResult ScanFiles(const std::vector<std::string>& paths, const HashSignatures& signatures,
                          const ScanFilesEvents& events);
