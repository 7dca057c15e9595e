#include "quarantine/QuarantineStore.h"

#include <windows.h>

#include <utility>

#include "core/PathText.h"
#include "core/QuarantineCipher.h"
#include "platform/CrashPoint.h"
#include "platform/FileSystem.h"
#include "platform/LocalTime.h"
#include "quarantine/CopyFileBlocks.h"

namespace {

// A stored copy that stays locked after this many tries is left behind unlisted;
// the restore has already succeeded by then.
constexpr int DeleteTries = 20;
constexpr DWORD DeleteRetryPause = 50;

std::string LocaleLowerCase(std::string text)
{
    if (!text.empty())
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool SamePath(const std::string& a, const std::string& b)
{
    return LocaleLowerCase(a) == LocaleLowerCase(b);
}

bool PathPresent(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DeleteStoredCopy(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const bool deleted = DeleteFileA(path.c_str()) != FALSE;
    CrashPoint();
    return deleted;
}

// Creates the folder and every missing parent; true when it exists afterwards.
bool CreateFolderChain(std::string folder)
{
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    if (folder.empty() || DirectoryExists(folder))
        return true;
    const std::string parent = FolderPart(folder);
    if (!parent.empty() && parent != folder && !CreateFolderChain(parent))
        return false;
    return CreateDirectoryA(folder.c_str(), nullptr) || DirectoryExists(folder);
}

BlockCopyOptions CipherCopy(QuarantineCipher& cipher, bool store, const QuarantineStore& quarantine)
{
    BlockCopyOptions options;
    options.BlockSize = QuarantineChunkSize;
    if (store)
        options.Transform = [&cipher](uint8_t* data, size_t length) { cipher.Inverse(data, length); };
    else
        options.Transform = [&cipher](uint8_t* data, size_t length) { cipher.Forward(data, length); };
    options.ProcessMessages = quarantine.ProcessMessages;
    options.RemovePartial = true;
    return options;
}

} // namespace

QuarantineStore::QuarantineStore(std::string programFolder, Pump processMessages)
    : ProgramFolder(std::move(programFolder)), ProcessMessages(std::move(processMessages))
{
}

std::string QuarantineStore::StoreFolder() const
{
    std::string folder = ProgramFolder;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder + "Quarantine";
}

std::string QuarantineStore::IndexFile() const
{
    return FolderPart(StoreFolder()) + "Quarantine.info";
}

std::string QuarantineStore::StoredCopyOf(const TQFileList& entry) const
{
    const std::string name = FileNamePart(entry.StoredName.empty() ? entry.FileName : entry.StoredName);
    return StoreFolder() + "\\" + name;
}

bool EnsureQuarantineLoaded(QuarantineStore& store)
{
    if (store.IndexLoaded)
        return true;
    if (!PathPresent(store.IndexFile())) {
        store.QuarantineList.clear();
        store.IndexLoaded = true;
        return true;
    }
    return LoadQuarantineIndex(store, store.IndexFile());
}

int QuarantineIndexOf(const QuarantineStore& store, const std::string& path)
{
    const std::string wanted = LocaleLowerCase(path);
    for (size_t i = 0; i < store.QuarantineList.size(); ++i)
        if (LocaleLowerCase(store.QuarantineList[i].FileName) == wanted)
            return static_cast<int>(i);
    return -1;
}

bool QuarantineContains(QuarantineStore& store, const std::string& path)
{
    return EnsureQuarantineLoaded(store) && QuarantineIndexOf(store, path) >= 0;
}

bool QuarantineAdd(QuarantineStore& store, const std::string& path, const std::string& task,
                   const std::string& checksum)
{
    if (!EnsureQuarantineLoaded(store) || QuarantineIndexOf(store, path) >= 0)
        return false;
    const std::string name = FileNamePart(path);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (name.empty() || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const SYSTEMTIME now = LocalNow();
    const std::string folder = store.StoreFolder();
    if (!DirectoryExists(folder) && !CreateDirectoryA(folder.c_str(), nullptr))
        return false;

    // Two sources with the same file name get different stored copies.
    const std::string storedName = UniqueStoredName(name, [&](const std::string& candidate) {
        if (PathPresent(folder + "\\" + candidate))
            return true;
        for (const TQFileList& entry : store.QuarantineList)
            if (SamePath(FileNamePart(store.StoredCopyOf(entry)), candidate))
                return true;
        return false;
    });
    if (storedName.empty())
        return false;
    const std::string stored = folder + "\\" + storedName;
    QuarantineCipher cipher;
    BlockCopyOptions options = CipherCopy(cipher, true, store);
    options.CreateNew = true;
    if (!CopyFileBlocks(path, stored, options))
        return false;

    store.QuarantineList.push_back({path, stored, task, ShortDateText(now) + ", " + LongTimeText(now), checksum});
    if (!SaveQuarantineIndex(store, store.IndexFile())) {
        store.QuarantineList.pop_back();
        DeleteStoredCopy(stored);
        return false;
    }
    return true;
}

bool QuarantineRestore(QuarantineStore& store, const std::string& path, const std::string& destinationFolder)
{
    if (!EnsureQuarantineLoaded(store))
        return false;
    const int index = QuarantineIndexOf(store, path);
    if (index < 0)
        return false;
    const std::string stored = store.StoredCopyOf(store.QuarantineList[static_cast<size_t>(index)]);
    if (!DirectoryExists(store.StoreFolder()) || !FileExists(stored))
        return false;

    std::string folder = destinationFolder;
    if (!folder.empty()) {
        if (folder.back() != '\\' && folder.back() != '/')
            folder += '\\';
        if (!CreateFolderChain(folder))
            return false;
    }
    // Deciphered beside the target and moved over it: a restore that stops half way
    // never leaves a part of the file under its name.
    const std::string target = folder + FileNamePart(path);
    const std::string partial = target + ".restoring";
    QuarantineCipher cipher;
    BlockCopyOptions options = CipherCopy(cipher, false, store);
    options.RemovePartial = true;
    if (!CopyFileBlocks(stored, partial, options))
        return false;
    if (!MoveReplacing(partial, target)) {
        DeleteFileA(partial.c_str());
        return false;
    }

    // The entry goes before its copy, so that no entry is ever left without one.
    store.QuarantineList.erase(store.QuarantineList.begin() + index);
    (void)SaveQuarantineIndex(store, store.IndexFile()); // the file is back; a stale index only lists it again
    for (int tries = 1; !DeleteStoredCopy(stored) && PathPresent(stored) && tries < DeleteTries; ++tries) {
        if (store.ProcessMessages)
            store.ProcessMessages();
        Sleep(DeleteRetryPause);
    }
    return true;
}

bool QuarantineRemove(QuarantineStore& store, const std::string& path)
{
    if (!EnsureQuarantineLoaded(store))
        return false;
    // The index without the entries is saved before their copies go: a removal that
    // stops half way leaves unlisted copies, never an entry without its copy.
    std::vector<std::string> copies;
    std::vector<TQFileList> kept;
    for (const TQFileList& entry : store.QuarantineList) {
        if (SamePath(entry.FileName, path))
            copies.push_back(store.StoredCopyOf(entry));
        else
            kept.push_back(entry);
    }
    if (copies.empty())
        return false;
    std::swap(store.QuarantineList, kept);
    if (!SaveQuarantineIndex(store, store.IndexFile())) {
        std::swap(store.QuarantineList, kept);
        return false;
    }
    bool result = false;
    for (size_t i = 0; i < copies.size(); ++i) {
        const bool deleted = !PathPresent(copies[i]) || DeleteStoredCopy(copies[i]);
        if (i == 0)
            result = deleted;
    }
    return result;
}

bool ClearQuarantine(QuarantineStore& store)
{
    (void)EnsureQuarantineLoaded(store); // an unreadable index still goes
    // The index goes first: while it cannot be deleted, every copy it lists stays.
    if (!DeleteFileA(store.IndexFile().c_str()) && PathPresent(store.IndexFile()))
        return false;
    CrashPoint();
    for (const TQFileList& entry : store.QuarantineList) {
        const std::string stored = store.StoredCopyOf(entry);
        if (PathPresent(stored))
            DeleteStoredCopy(stored);
    }
    store.QuarantineList.clear();
    store.IndexLoaded = true;
    return true;
}

bool LoadQuarantineIndex(QuarantineStore& store, const std::string& file)
{
    store.QuarantineList.clear();
    store.IndexLoaded = false;
    // Hundreds of bytes an entry: an index of many megabytes is damage, and is
    // refused like an unreadable one, so that nothing is saved over it.
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(file, bytes, 64 << 20))
        return false;
    store.QuarantineList = ParseQuarantineIndex(std::string(bytes.begin(), bytes.end()));
    store.IndexLoaded = true;
    return true;
}

bool SaveQuarantineIndex(const QuarantineStore& store, const std::string& file)
{
    const std::string text = QuarantineIndexText(store.QuarantineList);
    return WriteFileReplacing(file, text.data(), text.size());
}
