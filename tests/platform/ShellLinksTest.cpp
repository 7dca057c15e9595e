#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/ShellLinks.h"

namespace {

// A link as Windows loads one whose target was stored with environment variables
// (an EXP_SZ data block): asked with SLGP_RAWPATH it gives the target as written,
// asked otherwise it gives it expanded. Wine keeps no such block, so the test
// stands in for it.
class StoredWithVariables : public IShellLinkA {
public:
    StoredWithVariables(std::string raw, std::string expanded) : raw_(std::move(raw)), expanded_(std::move(expanded)) {}
    HRESULT STDMETHODCALLTYPE GetPath(LPSTR file, int size, WIN32_FIND_DATAA*, DWORD flags) override
    {
        const std::string& path = (flags & SLGP_RAWPATH) ? raw_ : expanded_;
        lstrcpynA(file, path.c_str(), size);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDescription(LPSTR, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetArguments(LPSTR, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetHotkey(WORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHotkey(WORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetShowCmd(int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetShowCmd(int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR, int, int*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPath(LPCSTR) override { return E_NOTIMPL; }

private:
    std::string raw_, expanded_;
};

} // namespace

TEST(ShellLinks, ATargetStoredWithVariablesComesExpanded)
{
    StoredWithVariables link("%ProgramFiles%\\Pyrafix Link\\tool.exe ", "C:\\Program Files\\Pyrafix Link\\tool.exe ");
    EXPECT_EQ(LinkTargetPath(link), "C:\\Program Files\\Pyrafix Link\\tool.exe");
}
