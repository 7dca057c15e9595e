// Times the full scan's walk against a bare FindFirstFileA walk of the same tree:
//   bench_fullscan TREE SEED...
// Prints "walk SECONDS FILES", "scan SECONDS FOUND" and "files SECONDS FOUND"; the seeds
// are files outside the tree that stand for the quick scan's file alerts, and for
// scan-files they are its hash signatures.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "database/FileMd5.h"
#include "platform/FileSystem.h"
#include "scan/FullScan.h"
#include "scan/ScanFiles.h"

namespace {

long BareWalk(const std::string& folder)
{
    long files = 0;
    WIN32_FIND_DATAA entry;
    HANDLE h = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ++files;
        else if (entry.cFileName[0] != '.')
            files += BareWalk(folder + "\\" + entry.cFileName);
    } while (FindNextFileA(h, &entry));
    FindClose(h);
    return files;
}

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_fullscan TREE SEED...\n");
        return 2;
    }
    const std::string tree = argv[1];

    auto start = std::chrono::steady_clock::now();
    const long files = BareWalk(tree);
    std::printf("walk %.4f %ld\n", Since(start), files);

    SharedState state;
    for (int i = 2; i < argc; ++i) {
        TFileList seed;
        seed.Path = argv[i];
        seed.Name = "Seed" + std::to_string(i - 1);
        seed.Md5 = Md5Text(FileMd5(seed.Path));
        state.AlertRecords.push_back(seed);
    }
    start = std::chrono::steady_clock::now();
    const std::vector<FullScanSeed> seeds = FullScanSeeds(state.AlertRecords);
    FullScanEvents events;
    events.Status = [](const std::string&) {};
    events.Pump = [] {};
    WalkForCopies(tree, seeds, state, events);
    std::printf("scan %.4f %d\n", Since(start), state.DetectionCount);

    std::string lines;
    for (const TFileList& seed : state.AlertRecords)
        lines += seed.Md5 + ":" + std::to_string(FileSizeFound(seed.Path)) + ":" + seed.Name + "\n";
    start = std::chrono::steady_clock::now();
    HashSignatures signatures;
    std::string error;
    if (!signatures.Parse(lines, error)) {
        std::fprintf(stderr, "seeds: %s\n", error.c_str());
        return 2;
    }
    const ScanFilesResult result = ScanFiles({tree}, signatures, ScanFilesEvents{});
    std::printf("files %.4f %zu\n", Since(start), result.Detections.size());
    return 0;
}
