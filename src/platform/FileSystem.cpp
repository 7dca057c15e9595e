#include "platform/FileSystem.h"

#include "platform/CrashPoint.h"
#include "platform/Handles.h"

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, uint64_t maxBytes)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0)
        return false;
    if (static_cast<uint64_t>(size.QuadPart) > std::min<uint64_t>(maxBytes, SIZE_MAX / 2)) {
        SetLastError(ERROR_FILE_TOO_LARGE);
        return false;
    }
    std::vector<uint8_t> content(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < content.size()) {
        const DWORD want = static_cast<DWORD>(std::min<size_t>(content.size() - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.Get(), content.data() + done, want, &got, nullptr))
            return false;
        if (got == 0)
            break; // the file shrank while we read
        done += got;
    }
    content.resize(done);
    bytes = std::move(content);
    return true;
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size)
{
    UniqueHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return false;
    CrashPoint();
    auto* p = static_cast<const uint8_t*>(data);
    size_t left = size;
    bool ok = true;
    while (ok && left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(left, 1u << 30));
        DWORD written = 0;
        ok = WriteFile(file.Get(), p, chunk, &written, nullptr) && written == chunk;
        p += chunk;
        left -= chunk;
        CrashPoint();
    }
    if (!ok || !FlushFileBuffers(file.Get())) {
        file.Reset();
        DeleteFileA(path.c_str());
        return false;
    }
    return true;
}

bool MoveReplacing(const std::string& from, const std::string& to)
{
    CrashPoint();
    const bool moved = MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    CrashPoint();
    return moved;
}

bool WriteFileReplacing(const std::string& path, const void* data, size_t size)
{
    const std::string temporary = path + ".new";
    if (!WriteWholeFile(temporary, data, size))
        return false;
    if (!MoveReplacing(temporary, path)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

std::string FullPathName(const std::string& path)
{
    char buffer[MAX_PATH * 4];
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return (n == 0 || n >= sizeof buffer) ? path : std::string(buffer, n);
}

bool IsDosFileTime(const FILETIME& utc)
{
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time))
        return false;
    return time.wYear >= 1980 && time.wYear <= 2107;
}

bool FileExists(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return false;
    return IsDosFileTime(data.ftLastWriteTime);
}

bool DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ModuleFileName()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::string();
        if (n < buffer.size())
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

FindFiles::FindFiles(const std::string& pattern)
{
    handle_ = FindFirstFileA(pattern.c_str(), &data_);
    valid_ = handle_ != INVALID_HANDLE_VALUE;
}

FindFiles::~FindFiles()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        FindClose(handle_);
}

bool FindFiles::Next()
{
    valid_ = handle_ != INVALID_HANDLE_VALUE && FindNextFileA(handle_, &data_);
    return valid_;
}
