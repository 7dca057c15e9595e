// Times a whole database update against a local update server, under Windows or Wine:
//   bench_update HOST[:PORT] WORKFOLDER FILE [RUNS]
// prints "update S load S": the median of RUNS for `pyrafixc update` from an out-of-date
// database in WORKFOLDER (list page, full download, both signatures checked, the new
// database verified, loaded and moved into place), and for a plain LoadDatabase of
// FILE, the same database as a local file.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "ConsoleUpdate.h"
#include "database/DatabaseFile.h"

namespace {

// An out-of-date database: any date but the server's will do.
bool WriteOldDatabase(const std::string& path)
{
    const std::string text = std::string("2000-01-01") + std::string(23, ' ') + "\r\n_end\r\n";
    return SaveDatabase(MemoryStream(text), path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_update HOST[:PORT] WORKFOLDER FILE [RUNS]\n");
        return 2;
    }
    const std::string host = argv[1], work = std::string(argv[2]) + "\\", file = argv[3];
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
    const StartProgram never = [](const std::string&) { return false; };
    Timings update, load;
    for (int run = 0; run < runs; ++run) {
        if (!WriteOldDatabase(work + "files.dat"))
            return 1;
        std::ostringstream out;
        update.Add(Seconds([&] { return RunConsoleUpdate(work, host, false, never, out) == 0; }));
        if (update.Failed()) {
            std::fprintf(stderr, "the update failed:\n%s", out.str().c_str());
            return 1;
        }
        load.Add(Seconds([&] {
            MemoryStream database;
            return LoadDatabase(file, database) && database.Size() > 0;
        }));
    }
    std::printf("update %.3f load %.3f\n", update.Median(), load.Median());
    return 0;
}
