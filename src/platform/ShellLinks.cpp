#include "platform/ShellLinks.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "core/TextHelpers.h"

namespace {

// COM for the current thread for as long as the object lives, unless the thread
// already has it in another mode (then the calls below still work).
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

// Owns one COM reference; a copy would release it twice.
template <class T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr()
    {
        if (p)
            p->Release();
    }
    T* p = nullptr;
};

std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 1));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), length);
    return buffer.data();
}

} // namespace

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

bool CreateShortcut(const std::string& linkPath, const std::string& target)
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
