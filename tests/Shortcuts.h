#pragma once
#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include <string>

#include "platform/Com.h"

// Makes a shell link at `linkPath` that points to `target`, as a user's startup
// folder holds them; false on failure.
inline bool CreateShortcut(const std::string& linkPath, const std::string& target)
{
    ComScope com;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link.p))) &&
           SUCCEEDED(link.p->SetPath(target.c_str())) &&
           SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
           SUCCEEDED(file.p->Save(Wide(linkPath).c_str(), TRUE));
}
