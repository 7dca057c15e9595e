#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Reads a whole file (shared for reading and writing). On false, `bytes` is not changed.
// A file larger than `maxBytes` is not read at all (false, ERROR_FILE_TOO_LARGE): the
// files the program reads are small, and a huge one is damage or an attack.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                                 uint64_t maxBytes = SIZE_MAX / 2);

// Writes the bytes beside `path` (as `path` + ".new") and then moves them over it in
// one step, so a failure never leaves a partial or empty file under that name.
[[nodiscard]] bool WriteFileReplacing(const std::string& path, const void* data, size_t size);
// Its two steps, for a caller that retries only the move: the bytes written whole
// to a file of their own (created or emptied first, deleted on failure), and a file
// moved over another.
[[nodiscard]] bool WriteWholeFile(const std::string& path, const void* data, size_t size);
[[nodiscard]] bool MoveReplacing(const std::string& from, const std::string& to);

// The file test that decides hits: the path names a file (not a folder) whose
// last-write time, in local time, is a DOS date and time (years 1980 to 2107).
bool FileExists(const std::string& path);
bool IsDosFileTime(const FILETIME& utc);

bool DirectoryExists(const std::string& path);

// The path made absolute from the current folder as the system does it; the path
// itself when the system cannot.
std::string FullPathName(const std::string& path);

// The full path of the running executable.
std::string ModuleFileName();

// Lists what a wildcard pattern matches; the handle is closed when the object goes.
class FindFiles {
public:
    explicit FindFiles(const std::string& pattern);
    ~FindFiles();
    FindFiles(const FindFiles&) = delete;
    FindFiles& operator=(const FindFiles&) = delete;

    // True while Entry() holds a match; Next() moves on.
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && valid_; }
    bool Next();
    const WIN32_FIND_DATAA& Entry() const { return data_; }
    std::string Name() const { return data_.cFileName; }
    bool IsDirectory() const { return (data_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

private:
    WIN32_FIND_DATAA data_{};
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool valid_ = false;
};
