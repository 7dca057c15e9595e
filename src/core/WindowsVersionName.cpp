#include "core/WindowsVersionName.h"

#include "core/TextHelpers.h"

namespace {

std::string Windows95FamilyName(const WindowsVersionRecord& v)
{
    const char second = v.ServicePack.size() > 1 ? v.ServicePack[1] : '\0';
    if (v.Major == 4 && v.Minor == 0)
        return std::string("Microsoft Windows 95") + (second == 'B' || second == 'C' ? " OSR2" : "");
    if (v.Major == 4 && v.Minor == 10)
        return std::string("Microsoft Windows 98") + (second == 'A' ? " SE" : "");
    if (v.Major == 4 && v.Minor == 90)
        return "Microsoft Windows Millennium Edition";
    return "";
}

std::string NtBaseName(const WindowsVersionRecord& v)
{
    if (v.Major == 5 && v.Minor == 2)
        return "Microsoft Windows Server 2003";
    if (v.ProductType == 1 && v.NativeArchitecture == 9)
        return "Microsoft Windows XP Professional x64 Edition ";
    if (v.Major == 5 && v.Minor == 1)
        return "Microsoft Windows XP";
    if (v.Major == 6 && v.Minor == 0)
        return "Microsoft Windows Vista";
    if (v.Major == 5 && v.Minor == 0)
        return "Microsoft Windows 2000";
    return "Microsoft Windows NT";
}

std::string NtEdition(const WindowsVersionRecord& v)
{
    const auto has = [&](uint16_t bit) { return (v.SuiteMask & bit) != 0; };
    if (v.ProductType == 1) {
        if (v.Major == 4)
            return " Workstation 4.0";
        return has(0x0200) ? " Home Edition " : " Professional ";
    }
    if (v.ProductType == 3) {
        if (v.Major == 5 && v.Minor == 2) {
            if (has(0x0080))
                return " Datacenter Edition ";
            if (has(0x0002))
                return " Enterprise Edition ";
            return v.SuiteMask == 0x0400 ? " Web Edition " : " Standard Edition ";
        }
        if (v.Major == 5 && v.Minor == 0) {
            if (has(0x0080))
                return " Datacenter Server ";
            return has(0x0002) ? " Advanced Server " : " Server ";
        }
        return " Server " + std::to_string(v.Major) + "." + std::to_string(v.Minor) +
               (has(0x0002) ? ", Enterprise Edition " : "");
    }
    return "";
}

} // namespace

std::string WindowsVersionNameOf(const WindowsVersionRecord& v)
{
    if (!v.Known)
        return "";
    if (v.PlatformId == 0)
        return "Microsoft Win32s";
    if (v.PlatformId == 1)
        return Windows95FamilyName(v);
    if (v.PlatformId != 2)
        return "";
    std::string name = NtBaseName(v) + NtEdition(v);
    if (v.Major == 4 && LowerCase(v.ServicePack) == "service pack 6 " && v.HasHotfixQ246009)
        name += " Service Pack 6a ";
    else
        name += v.ServicePack;
    return name + " (Build " + std::to_string(v.Build & 0xFFFF) + ")";
}

std::string PlatformCheckName(WindowsVersionRecord version)
{
    version.NativeArchitecture = 0;
    return WindowsVersionNameOf(version);
}

bool IsUnsupportedWindows(const std::string& versionName)
{
    std::string name = versionName;
    const size_t build = name.rfind(" (Build ");
    if (build != std::string::npos && !name.empty() && name.back() == ')')
        name.erase(build);
    name = LowerCase(name);
    for (const char* marker : {"95", "98", "millennium", "2000"})
        if (name.find(marker) != std::string::npos)
            return true;
    return false;
}
