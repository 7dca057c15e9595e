#pragma once
#include <cstdint>
#include <string>

// What the system reports about itself, as GetVersionExA (OSVERSIONINFOEXA) and
// GetNativeSystemInfo give it. Kept apart from the calls so the naming is testable
// for every release, including those no test machine runs.
struct WindowsVersionRecord {
    bool Known = true; // false when the version call failed twice
    uint32_t PlatformId = 2;
    uint32_t Major = 0, Minor = 0, Build = 0;
    std::string ServicePack; // szCSDVersion
    uint16_t SuiteMask = 0;
    uint8_t ProductType = 1;         // 1 workstation, 2 domain controller, 3 server
    uint16_t NativeArchitecture = 0; // 9 for AMD64
    bool HasHotfixQ246009 = false;   // the NT 4 "Service Pack 6a" hotfix key opens
};

// The marketing name of the release, its edition, service pack and build, run
// together as the report shows it; empty when unknown.
std::string WindowsVersionNameOf(const WindowsVersionRecord& version);

// The name the start-up check examines. The naming calls every 64-bit
// workstation "XP Professional x64 Edition", so a 64-bit Windows 2000 (as Wine
// can report it) would pass the check; the check names the version by its
// numbers alone.
std::string PlatformCheckName(WindowsVersionRecord version);

// The releases the program refuses (95, 98, Millennium, 2000). Only the name
// before " (Build N)" is looked at, so a build number such as 22000 does not
// count as Windows 2000.
bool IsUnsupportedWindows(const std::string& versionName);
