#include "systools/IniFiles.h"

#include "database/PathRoots.h"
#include "platform/FileSystem.h"

namespace {

bool IniPath(const std::string& fileName, std::string& path)
{
    const std::string windows = WindowsFolder();
    if (windows.empty())
        return false;
    path = windows + "\\" + fileName;
    return true;
}

} // namespace

bool ScanSystemINI(const std::string& fileName, std::vector<IniRow>& rows)
{
    std::string path;
    if (!IniPath(fileName, path))
        return false;
    rows.clear();
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(path, bytes))
        rows = IniRowsOf(std::string(bytes.begin(), bytes.end()));
    return true;
}

bool ChangeLine(const std::string& fileName, const std::string& oldLine, const std::string& newLine)
{
    std::string path;
    std::vector<uint8_t> bytes;
    if (!IniPath(fileName, path) || !ReadWholeFile(path, bytes))
        return false;
    const std::string content = RewriteIniContent(std::string(bytes.begin(), bytes.end()), oldLine, newLine);
    return WriteFileReplacing(path, content.data(), content.size());
}

bool ApplyIniCheck(const std::string& fileName, const IniRow& row)
{
    std::string newLine;
    return ToggledIniLine(row, newLine) && ChangeLine(fileName, row.Text, newLine);
}
