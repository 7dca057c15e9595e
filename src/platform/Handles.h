#pragma once
#include <windows.h>

// Owns a kernel handle (file, mapping, process); closes it once.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = other.Release();
        }
        return *this;
    }

    // CreateFile reports failure as INVALID_HANDLE_VALUE, most others as NULL.
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    HANDLE Release()
    {
        HANDLE h = handle_;
        handle_ = nullptr;
        return h;
    }
    void Reset()
    {
        if (Valid())
            CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

// Owns a mapped view of a file.
class MappedView {
public:
    explicit MappedView(void* view) : view_(view) {}
    ~MappedView()
    {
        if (view_)
            UnmapViewOfFile(view_);
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    const void* Get() const { return view_; }

private:
    void* view_;
};
