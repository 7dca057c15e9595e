#include "database/IgnoreFile.h"

#include <windows.h>

#include "platform/FileSystem.h"

const char IgnoreFileName[] = "Ignore.dat";

IgnoreFileState LoadIgnoreFile(const std::string& path, IgnoreList& list, std::string& error)
{
    list = IgnoreList();
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD why = GetLastError();
        if (why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND)
            return IgnoreFileState::Absent;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        error = "cannot be read";
        return IgnoreFileState::Damaged;
    }
    return list.Parse(std::string(bytes.begin(), bytes.end()), error) ? IgnoreFileState::Loaded
                                                                      : IgnoreFileState::Damaged;
}

bool SaveIgnoreFile(const std::string& path, const IgnoreList& list)
{
    const std::string text = list.Text();
    return WriteFileReplacing(path, text.data(), text.size());
}
