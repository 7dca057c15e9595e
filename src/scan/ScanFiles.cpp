#include "scan/ScanFiles.h"

#include <windows.h>

#include "database/FileMd5.h"
#include "platform/FileSystem.h"
#include "scan/Alerts.h"

namespace {

uint64_t FoundSize(const WIN32_FIND_DATAA& entry)
{
    return (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

bool IsDots(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

std::string FullPath(const std::string& path)
{
    std::string full = FullPathName(path);
    // "C:\" stays a root; "C:\dir\" names the folder.
    while (full.size() > 3 && (full.back() == '\\' || full.back() == '/'))
        full.pop_back();
    return full;
}

class FileScanner {
public:
    FileScanner(const HashSignatures& signatures, const ScanFilesEvents& events)
        : signatures_(signatures), events_(events)
    {
    }

    void ScanPath(const std::string& given)
    {
        const std::string path = FullPath(given);
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            Unreachable(path);
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!Walk(path))
                Unreachable(path);
        } else {
            FindFiles find(path);
            if (find.Valid())
                CheckFile(path, FoundSize(find.Entry()));
            else
                Unreachable(path);
        }
    }

    ScanFilesResult result;

private:
    // False when the folder cannot be listed at all.
    bool Walk(const std::string& folder)
    {
        const std::string prefix = folder.back() == '\\' ? folder : folder + '\\';
        FindFiles find(prefix + "*");
        if (!find.Valid())
            return false;
        for (; find.Valid(); find.Next()) {
            const WIN32_FIND_DATAA& entry = find.Entry();
            if (IsDots(entry.cFileName))
                continue;
            const std::string path = prefix + entry.cFileName;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                ++result.Links;
                if (events_.Link)
                    events_.Link(path);
            } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (!Walk(path))
                    Unreadable(path);
            } else {
                CheckFile(path, FoundSize(entry));
            }
        }
        return true;
    }

    void CheckFile(const std::string& path, uint64_t size)
    {
        ++result.Files;
        if (!signatures_.HasSize(size))
            return;
        const std::optional<Md5Digest> digest = ReadFileMd5(path);
        if (!digest) {
            Unreadable(path);
            return;
        }
        const std::string name = signatures_.NameOf(*digest, size);
        if (name.empty())
            return;
        const std::string md5 = Md5Text(*digest);
        if (events_.Ignored && events_.Ignored(path, md5, name))
            return;
        TFileList alert;
        alert.Path = path;
        alert.Name = name;
        alert.Md5 = md5;
        if (!AddAlert(result.Detections, alert))
            return; // the same file given twice
        if (events_.Detection)
            events_.Detection(path, name);
    }

    void Unreadable(const std::string& path)
    {
        ++result.Unreadable;
        if (events_.Unreadable)
            events_.Unreadable(path);
    }

    void Unreachable(const std::string& path)
    {
        result.PathUnreadable = true;
        if (events_.PathUnreadable)
            events_.PathUnreadable(path);
    }

    const HashSignatures& signatures_;
    const ScanFilesEvents& events_;
};

} // namespace

ScanFilesResult ScanFiles(const std::vector<std::string>& paths, const HashSignatures& signatures,
                          const ScanFilesEvents& events)
{
    FileScanner scanner(signatures, events);
    for (const std::string& path : paths)
        scanner.ScanPath(path);
    return std::move(scanner.result);
}
