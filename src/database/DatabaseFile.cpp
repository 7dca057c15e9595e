#include "database/DatabaseFile.h"

#include "core/DatabaseText.h"
#include "core/StreamCipher.h"
#include "platform/FileSystem.h"

std::string ProgramFolder()
{
    const std::string exe = ModuleFileName();
    return exe.substr(0, exe.find_last_of("\\/") + 1);
}

bool LoadDatabase(const std::string& path, MemoryStream& database)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, MaxDatabaseFileBytes))
        return false;
    LoadDatabaseBytes(std::move(bytes), database);
    return true;
}

bool MergeUpdate(const std::string& path, MemoryStream& database)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, MaxDatabaseFileBytes))
        return false;
    Decrypt(bytes.data(), bytes.size(), bytes.data(), DatabaseKey, bytes.size());
    MemoryStream update(std::move(bytes));
    return MergeUpdateText(database, update);
}

bool SaveDatabase(const MemoryStream& database, const std::string& path)
{
    const std::vector<uint8_t> bytes = EncryptDatabase(database);
    return WriteFileReplacing(path, bytes.data(), bytes.size());
}
