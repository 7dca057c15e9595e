#include "database/HashDatabase.h"

#include "core/DatabaseText.h"
#include "platform/FileSystem.h"

const char HashDatabaseName[] = "hashes.dat";

bool LoadHashSignatures(const std::string& path, HashSignatures& signatures, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        error = "cannot be read";
        return false;
    }
    MemoryStream text;
    LoadDatabaseBytes(std::move(bytes), text);
    return signatures.Parse(reinterpret_cast<const char*>(text.Data()), text.Size(), error);
}
