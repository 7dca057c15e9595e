#include <gtest/gtest.h>

#include "Planted.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "systools/IniFiles.h"

TEST(IniFiles, SystemIniLineIsCommentedOutInPlace)
{
    SavedIni ini("system.ini");
    ini.Write("[boot]\r\nshell=Explorer.exe\r\n   DeviceX=Pyr.DRV\r\n[386Enh]\r\n;LOAD=old.drv\r\n");
    std::vector<IniRow> rows;
    ASSERT_TRUE(ScanSystemINI("System.ini", rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Text, "devicex=pyr.drv");
    EXPECT_TRUE(rows[0].Checked);

    rows[0].Checked = false;
    EXPECT_TRUE(ApplyIniCheck("System.ini", rows[0]));
    EXPECT_EQ(ini.Read(), "[boot]\r\nshell=explorer.exe\r\n;devicex=pyr.drv\r\n[386enh]\r\n;load=old.drv\r\n");

    rows[1].Checked = true;
    EXPECT_TRUE(ApplyIniCheck("System.ini", rows[1]));
    EXPECT_FALSE(ApplyIniCheck("System.ini", rows[1] = {"load=old.drv", true}));
    EXPECT_EQ(ini.Read(), "[boot]\r\nshell=explorer.exe\r\n;devicex=pyr.drv\r\n[386enh]\r\nload=old.drv\r\n");
    EXPECT_EQ(GetFileAttributesA((ini.path + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(IniFiles, WinIniEmptyRunAndMissingFile)
{
    SavedIni ini("win.ini");
    ini.Write("[windows]\r\nrun=\r\nload=\r\n");
    std::vector<IniRow> rows;
    ASSERT_TRUE(ScanSystemINI("Win.ini", rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(ChangeLine("Win.ini", "run=", ";run="));
    EXPECT_EQ(ini.Read(), "[windows]\r\n;run=\r\nload=\r\n");

    // No file: no rows, and a change neither fails loudly nor creates one.
    DeleteFileA(ini.path.c_str());
    ASSERT_TRUE(ScanSystemINI("Win.ini", rows));
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(ChangeLine("Win.ini", "run=", ";run="));
    EXPECT_EQ(ini.Read(), "(none)");
}

TEST(IniFiles, AFailedReplaceKeepsTheOldFile)
{
    SavedIni ini("system.ini");
    ini.Write("[boot]\r\ndevice=a.drv\r\n");
    // The file held open without delete sharing cannot be replaced.
    HANDLE held = CreateFileA(ini.path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ChangeLine("System.ini", "device=a.drv", ";device=a.drv"));
    CloseHandle(held);
    EXPECT_EQ(ini.Read(), "[boot]\r\ndevice=a.drv\r\n");
}
