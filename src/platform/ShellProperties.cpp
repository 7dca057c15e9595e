#include "platform/ShellProperties.h"

#include <shellapi.h>

bool ShowFileProperties(const std::string& path, HWND owner)
{
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_INVOKEIDLIST; // 0x0C: the "properties" verb needs the item list
    info.hwnd = owner;
    info.lpVerb = "properties";
    info.lpFile = path.c_str();
    info.nShow = SW_SHOW;
    return ShellExecuteExA(&info) != FALSE;
}
