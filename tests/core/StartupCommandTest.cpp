#include <gtest/gtest.h>

#include "core/StartupCommand.h"
#include "core/StartupTags.h"

TEST(ProgramFileOfCommand, ParsesTheUsualCommandForms)
{
    const struct {
        const char* command;
        const char* program;
    } cases[] = {
        {"rundll32.exe C:\\Windows\\System32\\Shell Ext.dll,Entry 1", "c:\\windows\\system32\\shell ext.dll"},
        {"RUNDLL32.EXE C:\\x.DLL", "c:\\x.dll"},
        {"C:\\Program Files\\Tool\\Tool.exe /min /tray", "c:\\program files\\tool\\tool.exe"},
        {"\"C:\\Program Files\\Tool\\tool.exe\" /s", "c:\\program files\\tool\\tool.exe"},
        // A quoted argument: the cut at the last quote keeps the first part's closing quote.
        {"\"C:\\A B\\a.exe\" \"C:\\doc.txt\"", "c:\\a b\\a.exe\" \"c:\\doc.txt"},
        {"  C:\\plain.exe  ", "c:\\plain.exe"},
        {"C:\\noargs.exe", "c:\\noargs.exe"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFileOfCommand(c.command), c.program) << c.command;
}

TEST(ServiceExecutable, DerivesTheFileForVersionAndProperties)
{
    const struct {
        const char* path;
        const char* version;
        const char* properties;
    } cases[] = {
        {"\"C:\\Program Files\\S\\svc.exe\" -k run", "C:\\Program Files\\S\\svc.exe", "C:\\Program Files\\S\\svc.exe"},
        {"C:\\windows\\system32\\svchost.exe -k netsvcs", "C:\\windows\\system32\\svchost.exe",
         "C:\\windows\\system32\\svchost.exe"},
        // An upper-case extension is not found, so the first word gets ".exe" for the lookup.
        {"C:\\WINDOWS\\SVC.EXE /run", "C:\\WINDOWS\\SVC.EXE.exe", "C:\\WINDOWS\\SVC.EXE"},
        {"  system32\\drivers\\x.sys  ", "system32\\drivers\\x.sys", "system32\\drivers\\x.sys"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ServiceVersionFile(c.path), c.version) << c.path;
        EXPECT_EQ(ServicePropertiesFile(c.path), c.properties) << c.path;
    }
}

TEST(StartupTags, SelectKeysAndMoves)
{
    EXPECT_TRUE(StartupTagLocation("HKCU_S_B").CurrentUser);
    EXPECT_EQ(StartupTagLocation("HKCU_S_B").KeyPath, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices_Bak");
    EXPECT_FALSE(StartupTagLocation("HKLM_B").CurrentUser);
    EXPECT_EQ(StartupTagLocation("HKLM_B").KeyPath, "Software\\Microsoft\\Windows\\CurrentVersion\\Run_Bak");
    EXPECT_EQ(StartupTagLocation("HKLM").KeyPath, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_TRUE(StartupTagDisabled("HKLM_S_B"));
    EXPECT_FALSE(StartupTagDisabled("HKCU_S"));

    const StartupMove disable = StartupMoveFor("HKCU_S", false);
    EXPECT_TRUE(disable.CurrentUser);
    EXPECT_EQ(disable.TargetKey, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices_Bak");
    EXPECT_EQ(disable.OtherKey, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices");
    const StartupMove enable = StartupMoveFor("HKLM_B", true);
    EXPECT_FALSE(enable.CurrentUser);
    EXPECT_EQ(enable.TargetKey, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    EXPECT_EQ(enable.OtherKey, "Software\\Microsoft\\Windows\\CurrentVersion\\Run_Bak");
}
