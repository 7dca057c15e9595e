#include "platform/FileIcons.h"

#include <windows.h>

#include <shellapi.h>

bool FileHasIcon(const std::string& path)
{
    // Index -1 asks for the number of icons without extracting any.
    return !path.empty() && ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0) > 0;
}
