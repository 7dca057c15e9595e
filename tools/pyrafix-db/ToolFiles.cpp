#include "ToolFiles.h"

#ifdef _WIN32
#include "platform/FileSystem.h"

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes)
{
    return ReadWholeFile(path, bytes);
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes)
{
    return WriteFileReplacing(path, bytes.data(), bytes.size());
}

#else
#include <cstdio>
#include <fstream>
#include <iterator>

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::vector<uint8_t> content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return false;
    bytes = std::move(content);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes)
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
#endif
