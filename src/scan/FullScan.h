#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/SharedState.h"

// Drive kinds for LocalDrives.
enum DriveKind { AnyDrive = -1, RemovableDrive = 0, FixedDrive = 1, RemoteDrive = 2, CdRomDrive = 3, RamDrive = 4 };

// The drive roots of the given kind, each followed by ";" (C:\;D:\;), or, when `index`
// is the position of a drive in the full list, that single root.
std::string LocalDrives(int index, int kind);

// The size a directory search reports for the path; -1 when nothing is found.
int64_t FileSizeFound(const std::string& path);

// A quick-scan file alert whose copies the full scan hunts.
struct FullScanSeed {
    std::string Path;
    std::string Name;
    std::string Md5;
    int64_t Size; // as FileSizeFound gives it
};

// The file hits and the files in infected folders; folders and earlier full-scan
// hits are no seeds.
std::vector<FullScanSeed> FullScanSeeds(const std::vector<TFileList>& alerts);

// What the walk shows while it runs.
struct FullScanEvents {
    std::function<void(const std::string&)> Log;    // a scan log line
    std::function<void(const std::string&)> Status; // the file being checked
    std::function<void()> Pump;                     // let the window breathe
    std::function<std::string()> Now;               // the time of day for log lines
};

// Walks a folder (a drive root such as C:\ or any folder) and adds every copy of a
// seed found under another path as a full-scan alert, counting it in
// DetectionCount. Sizes come from the walk's own find data and only files whose
// size equals a seed's are read. Links and junctions are not followed, so a link
// to a parent folder neither loops nor brings in files twice. Stops when
// AbortRequested is set.
void WalkForCopies(const std::string& folder, const std::vector<FullScanSeed>& seeds, SharedState& state,
                   const FullScanEvents& events);

// Walks each root of a ";"-ended list in order.
void WalkDrivesForCopies(const std::string& drives, const std::vector<FullScanSeed>& seeds, SharedState& state,
                         const FullScanEvents& events);
