#include "reports/WindowsVersion.h"

#include <windows.h>

#include "platform/RegistryKey.h"

WindowsVersionRecord QueryWindowsVersion()
{
    WindowsVersionRecord record;
    SYSTEM_INFO system = {};
    GetNativeSystemInfo(&system);
    OSVERSIONINFOEXA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    auto* plain = reinterpret_cast<OSVERSIONINFOA*>(&version);
    // The call is tried a second time the same way before giving up.
    if (!GetVersionExA(plain) && !GetVersionExA(plain)) {
        record.Known = false;
        return record;
    }
    record.PlatformId = version.dwPlatformId;
    record.Major = version.dwMajorVersion;
    record.Minor = version.dwMinorVersion;
    record.Build = version.dwBuildNumber;
    record.ServicePack = version.szCSDVersion;
    record.SuiteMask = version.wSuiteMask;
    record.ProductType = version.wProductType;
    record.NativeArchitecture = system.wProcessorArchitecture;
    if (record.Major == 4) {
        RegKey hotfix;
        record.HasHotfixQ246009 = hotfix.Open(
            HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009", KEY_QUERY_VALUE);
    }
    return record;
}

std::string WindowsVersionName()
{
    return WindowsVersionNameOf(QueryWindowsVersion());
}
