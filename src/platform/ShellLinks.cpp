#include "platform/ShellLinks.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "core/TextHelpers.h"
#include "platform/Com.h"

std::string ShortcutTarget(const std::string& linkPath)
{
    ComScope com;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link.p))) ||
        FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) ||
        FAILED(file.p->Load(Wide(linkPath).c_str(), STGM_READ)))
        return {};
    return LinkTargetPath(*link.p);
}

std::string LinkTargetPath(IShellLinkA& link)
{
    // SLGP_RAWPATH would give a target stored with environment variables as written,
    // which names no file; the UNC-first request gives it expanded.
    char target[MAX_PATH + 1] = {};
    if (FAILED(link.GetPath(target, MAX_PATH, nullptr, SLGP_UNCPRIORITY)))
        return {};
    return Trim(target);
}
