#include "scan/FullScan.h"

#include <windows.h>

#include "core/PathText.h"
#include "core/TextHelpers.h"
#include "database/FileMd5.h"
#include "platform/FileSystem.h"
#include "scan/Alerts.h"
#include "scan/QuickScan.h"

namespace {

constexpr DWORD DriveStringsBuffer = 255;

// GetDriveTypeA's codes for each of LocalDrives' kinds.
UINT DriveTypeOf(int kind)
{
    switch (kind) {
    case RemovableDrive:
        return DRIVE_REMOVABLE;
    case FixedDrive:
        return DRIVE_FIXED;
    case RemoteDrive:
        return DRIVE_REMOTE;
    case CdRomDrive:
        return DRIVE_CDROM;
    case RamDrive:
        return DRIVE_RAMDISK;
    default:
        return DRIVE_UNKNOWN;
    }
}

int64_t FoundSize(const WIN32_FIND_DATAA& entry)
{
    return static_cast<int64_t>((static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow);
}

void Emit(const std::function<void(const std::string&)>& sink, const std::string& text)
{
    if (sink)
        sink(text);
}

class CopyWalker {
public:
    CopyWalker(const std::vector<FullScanSeed>& seeds, SharedState& state, const FullScanEvents& events)
        : seeds_(seeds), state_(state), events_(events)
    {
    }

    void Walk(std::string folder)
    {
        if (folder.empty() || folder.back() != '\\')
            folder += '\\';
        const std::string started = events_.Now ? events_.Now() : std::string();
        for (FindFiles find(folder + "*.*"); find.Valid() && !state_.AbortRequested; find.Next()) {
            if (events_.Pump)
                events_.Pump();
            const WIN32_FIND_DATAA& entry = find.Entry();
            const std::string path = folder + entry.cFileName;
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                CheckFile(path, FoundSize(entry), started);
            } else if (entry.cFileName[0] != '.' && !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
                Walk(path);
            }
        }
    }

private:
    void CheckFile(const std::string& path, int64_t size, const std::string& started)
    {
        Emit(events_.Status, state_.Messages.Text(Msg::Checking) + path);
        if (size <= 0)
            return;
        std::optional<std::string> md5; // read once, and only when a seed has this size
        for (const FullScanSeed& seed : seeds_) {
            if (seed.Size != size || SameTextIgnoringCase(seed.Path, path))
                continue;
            if (!md5) {
                const std::optional<Md5Digest> digest = ReadFileMd5(path);
                if (!digest) {
                    Emit(events_.Log, started + state_.Messages.Text(Msg::CannotOpenFileLine) + path + ") " + path);
                    return;
                }
                md5 = Md5Text(*digest);
            }
            if (*md5 != seed.Md5 || IsAlert(state_.AlertRecords, path))
                continue;
            if (state_.Ignore.IgnoresFile(path, *md5)) {
                Emit(events_.Log, IgnoredLine(state_.Messages, started, seed.Name, path));
                return;
            }
            TFileList alert;
            alert.Path = path;
            alert.Name = seed.Name;
            alert.Md5 = seed.Md5;
            alert.FullScanHit = true;
            alert.ListIndex = -1;
            AddAlert(state_.AlertRecords, alert);
            ++state_.DetectionCount;
            Emit(events_.Log, started + state_.Messages.Text(Msg::InfectedFileLine) + seed.Name + ") " + path);
        }
    }

    const std::vector<FullScanSeed>& seeds_;
    SharedState& state_;
    const FullScanEvents& events_;
};

} // namespace

std::string LocalDrives(int index, int kind)
{
    char buffer[DriveStringsBuffer + 1] = {};
    const DWORD n = GetLogicalDriveStringsA(DriveStringsBuffer, buffer);
    if (n == 0 || n > DriveStringsBuffer)
        return std::string();
    std::string drives;
    int position = 0;
    for (const char* root = buffer; *root; root += strlen(root) + 1, ++position) {
        if (position == index)
            return root;
        if (kind == AnyDrive || GetDriveTypeA(root) == DriveTypeOf(kind))
            drives += std::string(root) + ";";
    }
    return drives;
}

int64_t FileSizeFound(const std::string& path)
{
    FindFiles find(path);
    return find.Valid() ? FoundSize(find.Entry()) : -1;
}

std::vector<FullScanSeed> FullScanSeeds(const std::vector<TFileList>& alerts)
{
    std::vector<FullScanSeed> seeds;
    for (const TFileList& alert : alerts)
        if (!alert.InfectedFolder && !alert.SubFolder && !alert.FullScanHit)
            seeds.push_back({alert.Path, alert.Name, alert.Md5, FileSizeFound(alert.Path)});
    return seeds;
}

void WalkForCopies(const std::string& folder, const std::vector<FullScanSeed>& seeds, SharedState& state,
                   const FullScanEvents& events)
{
    CopyWalker(seeds, state, events).Walk(folder);
}

void WalkDrivesForCopies(const std::string& drives, const std::vector<FullScanSeed>& seeds, SharedState& state,
                         const FullScanEvents& events)
{
    for (const std::string& root : SplitPathList(drives)) {
        if (state.AbortRequested)
            return;
        WalkForCopies(root, seeds, state, events);
    }
}
