#include "database/FileMd5.h"

#include <windows.h>

#include "platform/Handles.h"

namespace {

constexpr size_t DefaultViewBytes = size_t(256) << 20;

Md5Digest EmptyDigest() { return Md5().Final(); }

} // namespace

Md5Digest FileMd5(const std::string& path) { return FileMd5InViews(path, DefaultViewBytes); }

Md5Digest FileMd5InViews(const std::string& path, size_t viewBytes)
{
    if (path.empty() || viewBytes == 0)
        return EmptyDigest();
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0)
        return EmptyDigest();
    UniqueHandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping.Valid())
        return EmptyDigest();

    Md5 md5;
    const uint64_t total = static_cast<uint64_t>(size.QuadPart);
    for (uint64_t offset = 0; offset < total;) {
        const size_t length = static_cast<size_t>(std::min<uint64_t>(viewBytes, total - offset));
        MappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_READ, static_cast<DWORD>(offset >> 32),
                                      static_cast<DWORD>(offset), length));
        if (!view.Get())
            return EmptyDigest();
        md5.Update(view.Get(), length);
        offset += length;
    }
    return md5.Final();
}
