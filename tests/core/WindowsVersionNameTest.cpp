#include <gtest/gtest.h>

#include "core/WindowsVersionName.h"

namespace {

WindowsVersionRecord Nt(uint32_t major, uint32_t minor, uint8_t type, uint16_t suite = 0, std::string sp = "",
                        uint16_t arch = 0)
{
    WindowsVersionRecord v;
    v.PlatformId = 2;
    v.Major = major;
    v.Minor = minor;
    v.ProductType = type;
    v.SuiteMask = suite;
    v.ServicePack = std::move(sp);
    v.NativeArchitecture = arch;
    v.Build = 0x0A280000 | 2600; // high bits are not part of the build number
    return v;
}

WindowsVersionRecord Win9x(uint32_t minor, std::string sp)
{
    WindowsVersionRecord v;
    v.PlatformId = 1;
    v.Major = 4;
    v.Minor = minor;
    v.ServicePack = std::move(sp);
    return v;
}

TEST(WindowsVersionName, NamesEveryRowOfTheTable)
{
    WindowsVersionRecord win32s;
    win32s.PlatformId = 0;
    WindowsVersionRecord unknown;
    unknown.Known = false;
    WindowsVersionRecord nt4sp6 = Nt(4, 0, 1, 0, "Service Pack 6 ");
    nt4sp6.HasHotfixQ246009 = true;
    const struct {
        WindowsVersionRecord version;
        const char* name;
    } cases[] = {
        {win32s, "Microsoft Win32s"},
        {unknown, ""},
        {Win9x(0, " A"), "Microsoft Windows 95"},
        {Win9x(0, " C"), "Microsoft Windows 95 OSR2"},
        {Win9x(10, " A"), "Microsoft Windows 98 SE"},
        {Win9x(10, ""), "Microsoft Windows 98"},
        {Win9x(90, " "), "Microsoft Windows Millennium Edition"},
        {Win9x(3, ""), ""},
        {Nt(5, 1, 1, 0, "Service Pack 3"), "Microsoft Windows XP Professional Service Pack 3 (Build 2600)"},
        {Nt(5, 1, 1, 0x0200), "Microsoft Windows XP Home Edition  (Build 2600)"},
        {Nt(5, 2, 1, 0, "Service Pack 2", 9), "Microsoft Windows Server 2003 Professional Service Pack 2 (Build 2600)"},
        {Nt(6, 0, 1, 0, "", 9), "Microsoft Windows XP Professional x64 Edition  Professional  (Build 2600)"},
        {Nt(6, 0, 1), "Microsoft Windows Vista Professional  (Build 2600)"},
        {Nt(6, 1, 1), "Microsoft Windows NT Professional  (Build 2600)"},
        {Nt(5, 0, 1), "Microsoft Windows 2000 Professional  (Build 2600)"},
        {Nt(5, 2, 3, 0x0080), "Microsoft Windows Server 2003 Datacenter Edition  (Build 2600)"},
        {Nt(5, 2, 3, 0x0002), "Microsoft Windows Server 2003 Enterprise Edition  (Build 2600)"},
        {Nt(5, 2, 3, 0x0400), "Microsoft Windows Server 2003 Web Edition  (Build 2600)"},
        {Nt(5, 2, 3, 0x0410), "Microsoft Windows Server 2003 Standard Edition  (Build 2600)"},
        {Nt(5, 0, 3, 0x0080), "Microsoft Windows 2000 Datacenter Server  (Build 2600)"},
        {Nt(5, 0, 3, 0x0002), "Microsoft Windows 2000 Advanced Server  (Build 2600)"},
        {Nt(5, 0, 3), "Microsoft Windows 2000 Server  (Build 2600)"},
        {Nt(6, 0, 3, 0x0002), "Microsoft Windows Vista Server 6.0, Enterprise Edition  (Build 2600)"},
        {Nt(5, 0, 2, 0, "Service Pack 4"), "Microsoft Windows 2000Service Pack 4 (Build 2600)"},
        {Nt(4, 0, 1, 0, "Service Pack 6 "), "Microsoft Windows NT Workstation 4.0Service Pack 6  (Build 2600)"},
        {nt4sp6, "Microsoft Windows NT Workstation 4.0 Service Pack 6a  (Build 2600)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsVersionNameOf(c.version), c.name);
}

TEST(WindowsVersionName, RefusesOnlyTheOldReleasesByName)
{
    const struct {
        const char* name;
        bool refused;
    } cases[] = {
        {"Microsoft Windows 95 OSR2", true},
        {"Microsoft Windows 98 SE", true},
        {"Microsoft Windows MILLENNIUM Edition", true},
        {"Microsoft Windows 2000 Professional Service Pack 4 (Build 2195)", true},
        {"Microsoft Windows XP Professional Service Pack 3 (Build 2600)", false},
        {"Microsoft Windows Vista Professional Service Pack 2 (Build 6002)", false},
        {"Microsoft Windows NT Professional  (Build 22000)", false},
        {"Microsoft Windows NT Professional  (Build 9800)", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUnsupportedWindows(c.name), c.refused) << c.name;
}

TEST(WindowsVersionName, TheStartupCheckNamesA64BitVersionByItsNumbers)
{
    EXPECT_TRUE(IsUnsupportedWindows(PlatformCheckName(Nt(5, 0, 1, 0, "", 9))));
    EXPECT_FALSE(IsUnsupportedWindows(PlatformCheckName(Nt(6, 0, 1, 0, "", 9))));
    EXPECT_EQ(PlatformCheckName(Nt(6, 0, 1, 0, "", 9)), "Microsoft Windows Vista Professional  (Build 2600)");
    EXPECT_EQ(PlatformCheckName(Nt(5, 2, 1, 0, "", 9)), "Microsoft Windows Server 2003 Professional  (Build 2600)");
}

} // namespace
