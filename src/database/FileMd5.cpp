#include "database/FileMd5.h"

#include <windows.h>

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

std::optional<Md5Digest> ReadFileMd5(const std::string& path, size_t viewBytes)
{
    if (path.empty() || viewBytes == 0)
        return std::nullopt;
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size))
        return std::nullopt;
    if (size.QuadPart == 0)
        return EmptyDigest(); // an empty file cannot be mapped, and needs no reading
    UniqueHandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping.Valid())
        return std::nullopt;

    Md5 md5;
    const uint64_t total = static_cast<uint64_t>(size.QuadPart);
    for (uint64_t offset = 0; offset < total;) {
        const size_t length = static_cast<size_t>(std::min<uint64_t>(viewBytes, total - offset));
        MappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_READ, static_cast<DWORD>(offset >> 32),
                                      static_cast<DWORD>(offset), length));
        if (!view.Get())
            return std::nullopt;
        md5.Update(view.Get(), length);
        offset += length;
    }
    return md5.Final();
}
