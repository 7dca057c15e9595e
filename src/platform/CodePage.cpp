#include "platform/CodePage.h"

#include <windows.h>

std::string AnsiToUtf8(const std::string& text)
{
    if (text.empty())
        return text;
    const int size = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, utf16.data(), wide);
    const int narrow = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(narrow), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), narrow, nullptr, nullptr);
    return utf8;
}
