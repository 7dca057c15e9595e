// Times the quarantine on one large file against a plain copy, under Windows or Wine:
//   bench_quarantine FILE WORKFOLDER [RUNS]
// prints "plain S store S restore S": the median of RUNS for a plain CopyFileA there and
// back (two copies), for QuarantineAdd and for QuarantineRestore into WORKFOLDER.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchTiming.h"
#include "core/PathText.h"
#include "core/QuarantineIndex.h"
#include "database/FileMd5.h"
#include "quarantine/QuarantineStore.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_quarantine FILE WORKFOLDER [RUNS]\n");
        return 2;
    }
    const std::string file = argv[1], work = std::string(argv[2]) + "\\";
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const std::string copy = work + "copy.bin", back = work + "back.bin", restoreFolder = work + "restored\\";
    const std::string restored = restoreFolder + FileNamePart(file);
    Timings plain, store, restore;
    for (int run = 0; run < runs; ++run) {
        plain.Add(Seconds([&] {
            return CopyFileA(file.c_str(), copy.c_str(), FALSE) && CopyFileA(copy.c_str(), back.c_str(), FALSE);
        }));
        DeleteFileA(copy.c_str());
        DeleteFileA(back.c_str());

        QuarantineStore quarantine(work + "program");
        CreateDirectoryA(quarantine.ProgramFolder.c_str(), nullptr);
        store.Add(Seconds([&] { return QuarantineAdd(quarantine, file, "Bench", ""); }));
        restore.Add(Seconds([&] { return QuarantineRestore(quarantine, file, restoreFolder); }));
        if (FileMd5(restored) != FileMd5(file)) {
            std::fprintf(stderr, "the restored file differs from the source\n");
            return 1;
        }
        DeleteFileA(restored.c_str());
        DeleteFileA(quarantine.IndexFile().c_str());
        RemoveDirectoryA(quarantine.StoreFolder().c_str());
        RemoveDirectoryA(quarantine.ProgramFolder.c_str());
    }
    RemoveDirectoryA(restoreFolder.c_str());
    if (plain.Failed() || store.Failed() || restore.Failed()) {
        std::fprintf(stderr, "a step failed\n");
        return 1;
    }
    std::printf("plain %.4f store %.4f restore %.4f\n", plain.Median(), store.Median(), restore.Median());
    return 0;
}
