#include "database/FileMd5.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "platform/Handles.h"

namespace {

Md5Digest EmptyDigest()
{
    return Md5().Final();
}

} // namespace

Md5Digest FileMd5(const std::string& path)
{
    return ReadFileMd5(path).value_or(EmptyDigest());
}

std::optional<Md5Digest> ReadFileMd5(const std::string& path, size_t blockBytes)
{
    if (path.empty() || blockBytes == 0)
        return std::nullopt;
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size))
        return std::nullopt;
    // Plain reads into a block that stays in the cache beat mapped views under Wine,
    // where every page of a view faults on its own. A small file gets a small block.
    const uint64_t total = static_cast<uint64_t>(size.QuadPart);
    const size_t length = static_cast<size_t>(std::min<uint64_t>(blockBytes, std::max<uint64_t>(total, 1)));
    const std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[length]);
    if (!block)
        return std::nullopt;
    Md5 md5;
    // Up to the end as it is now: a file another process is writing may have grown.
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), block.get(), static_cast<DWORD>(length), &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        md5.Update(block.get(), got);
    }
    return md5.Final();
}
