#pragma once
#include <windows.h>

#include <winsvc.h>

// Owns a service control manager or service handle; closes it once.
class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) {}
    ~ServiceHandle()
    {
        if (handle_)
            CloseServiceHandle(handle_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    bool Valid() const { return handle_ != nullptr; }
    SC_HANDLE Get() const { return handle_; }

private:
    SC_HANDLE handle_;
};
