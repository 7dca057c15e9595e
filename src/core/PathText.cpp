#include "core/PathText.h"

namespace {
const char Separators[] = "\\/:";
} // namespace

std::string FolderPart(const std::string& path)
{
    const size_t cut = path.find_last_of(Separators);
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string FileNamePart(const std::string& path)
{
    const size_t cut = path.find_last_of(Separators);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ExtensionOf(const std::string& fileName)
{
    const size_t dot = fileName.find_last_of(".\\");
    if (dot == std::string::npos || fileName[dot] != '.')
        return std::string();
    return fileName.substr(dot);
}

std::string NameBeforeFirstDot(const std::string& fileName)
{
    const size_t dot = fileName.find('.');
    if (dot == 0 || dot == std::string::npos)
        return fileName;
    return fileName.substr(0, dot);
}

std::vector<std::string> SplitPathList(const std::string& list)
{
    std::vector<std::string> paths;
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos)
            end = list.size();
        if (end > start)
            paths.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return paths;
}
