#include "quarantine/CopyFileBlocks.h"

#include <windows.h>

#include <vector>

#include "platform/CrashPoint.h"
#include "platform/Handles.h"

namespace {

bool ReadFromFile(void* file, uint8_t* data, size_t length, size_t& got)
{
    DWORD read = 0;
    if (!ReadFile(file, data, static_cast<DWORD>(length), &read, nullptr))
        return false;
    got = read;
    return true;
}

} // namespace

bool CopyFileBlocks(const std::string& source, const std::string& destination, const BlockCopyOptions& options)
{
    UniqueHandle in(CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.Valid())
        return false;
    UniqueHandle out(CreateFileA(destination.c_str(), GENERIC_WRITE, 0, nullptr,
                                 options.CreateNew ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.Valid())
        return false;
    // CREATE_ALWAYS reports through the last error whether the file was already there.
    const bool created = options.CreateNew || GetLastError() != ERROR_ALREADY_EXISTS;
    CrashPoint();

    const BlockReader read = options.Read ? options.Read : ReadFromFile;
    std::vector<uint8_t> block(options.BlockSize > 0 ? options.BlockSize : 2048);
    bool ok = true;
    for (bool atEnd = false; ok && !atEnd;) {
        size_t filled = 0;
        while (filled < block.size()) {
            size_t got = 0;
            if (!read(in.Get(), block.data() + filled, block.size() - filled, got)) {
                ok = false;
                break;
            }
            if (got == 0) {
                // What is appended from now on stays out: it would follow a partial block.
                atEnd = true;
                break;
            }
            filled += got;
        }
        if (!ok || filled == 0)
            break;
        if (options.Transform)
            options.Transform(block.data(), filled);
        DWORD written = 0;
        const DWORD length = static_cast<DWORD>(filled);
        if (!WriteFile(out.Get(), block.data(), length, &written, nullptr) || written != length) {
            ok = false;
            break;
        }
        CrashPoint();
        if (options.ProcessMessages)
            options.ProcessMessages();
    }
    out.Reset();
    if (!ok && created && options.RemovePartial)
        DeleteFileA(destination.c_str());
    return ok;
}
