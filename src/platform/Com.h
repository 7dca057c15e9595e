#pragma once
#include <windows.h>

#include <objbase.h>

#include <string>
#include <vector>

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

// An 8-bit text in the ANSI code page as the wide text COM takes.
inline std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 1));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), length);
    return buffer.data();
}
