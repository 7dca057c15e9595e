#include "quarantine/CopyFileBlocks.h"

#include <windows.h>

#include <vector>

#include "platform/Handles.h"

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

    std::vector<uint8_t> block(options.BlockSize > 0 ? options.BlockSize : 2048);
    bool ok = true;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in.Get(), block.data(), static_cast<DWORD>(block.size()), &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        if (options.Transform)
            options.Transform(block.data(), got);
        DWORD written = 0;
        if (!WriteFile(out.Get(), block.data(), got, &written, nullptr) || written != got) {
            ok = false;
            break;
        }
        if (options.ProcessMessages)
            options.ProcessMessages();
    }
    out.Reset();
    if (!ok && created && options.RemovePartial)
        DeleteFileA(destination.c_str());
    return ok;
}
