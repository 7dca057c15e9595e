// Times the core's hot paths on a real file and prints one line of figures:
//   bench_core md5 FILE    FileMd5 of the file (the same block reads on Linux)
//   bench_core load FILE   load a database as the program does and read every line
//   bench_core hashes FILE load hash signatures (hashes.dat) as the program does; also
//                          prints the bytes the loaded signatures take
#include <chrono>
#include <cstdio>
#include <string>

#include "core/DatabaseText.h"
#include "core/HashSignatures.h"
#include "core/Md5.h"

#ifdef _WIN32
#include "database/DatabaseFile.h"
#include "database/FileMd5.h"
#include "database/HashDatabase.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <memory>
#endif

namespace {

Md5Digest DigestFile(const std::string& path)
{
#ifdef _WIN32
    return FileMd5(path);
#else
    // As FileMd5 reads on Windows: plain reads of 256 KiB blocks.
    Md5 md5;
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return md5.Final();
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    const size_t length = size_t(256) << 10;
    const std::unique_ptr<uint8_t[]> block(new uint8_t[length]);
    for (ssize_t got; (got = read(fd, block.get(), length)) > 0;)
        md5.Update(block.get(), static_cast<size_t>(got));
    close(fd);
    return md5.Final();
#endif
}

bool Load(const std::string& path, MemoryStream& database)
{
#ifdef _WIN32
    return LoadDatabase(path, database);
#else
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    LoadDatabaseBytes(std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()),
                      database);
    return true;
#endif
}

bool LoadHashes(const std::string& path, HashSignatures& signatures)
{
    std::string error;
#ifdef _WIN32
    return LoadHashSignatures(path, signatures, error);
#else
    MemoryStream text;
    if (!Load(path, text))
        return false;
    return signatures.Parse(reinterpret_cast<const char*>(text.Data()), text.Size(), error);
#endif
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_core md5|load|hashes FILE\n");
        return 2;
    }
    const std::string mode = argv[1], path = argv[2];
    const auto start = std::chrono::steady_clock::now();
    std::string result;
    if (mode == "md5") {
        result = Md5Text(DigestFile(path));
    } else if (mode == "load") {
        MemoryStream database;
        if (!Load(path, database)) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 2;
        }
        long lines = 0;
        database.Seek(0);
        while (NextDatabaseLine(database) != EndLine)
            ++lines;
        result = std::to_string(lines) + " lines";
    } else if (mode == "hashes") {
        HashSignatures signatures;
        if (!LoadHashes(path, signatures)) {
            std::fprintf(stderr, "cannot load %s\n", path.c_str());
            return 2;
        }
        result =
            std::to_string(signatures.MemoryBytes()) + " bytes " + std::to_string(signatures.Count()) + " signatures";
    } else {
        std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
        return 2;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.4f %s\n", seconds, result.c_str());
    return 0;
}
