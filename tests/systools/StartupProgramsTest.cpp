#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>

#include "CrashChild.h"
#include "Planted.h"
#include "Shortcuts.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "platform/RegistryKey.h"
#include "platform/ShellLinks.h"
#include "systools/StartupPrograms.h"
#include "systools/StartupValuesPage.h"

namespace {

const StartupRow* Find(const std::vector<StartupRow>& rows, const std::string& caption)
{
    auto it = std::find_if(rows.begin(), rows.end(), [&](const StartupRow& r) { return r.Caption == caption; });
    return it == rows.end() ? nullptr : &*it;
}

std::vector<StartupRow> RegistryRows()
{
    return LoadStartupPrograms().Registry;
}

} // namespace

TEST(StartupPrograms, DisablingMovesToTheTwinAndBackKeepingTheType)
{
    PlantedValue value;
    RegKey run;
    ASSERT_TRUE(run.Create(HKEY_CURRENT_USER, RunKey));
    ASSERT_TRUE(run.WriteString(value.name, "%ProgramFiles%\\Tool\\tool.exe /tray", true));

    std::vector<StartupRow> rows = RegistryRows();
    const StartupRow* found = Find(rows, value.name);
    ASSERT_NE(found, nullptr);
    StartupRow row = *found;
    EXPECT_EQ(row.Location, "HKCU");
    EXPECT_EQ(row.File, "%programfiles%\\tool\\tool.exe");
    EXPECT_TRUE(row.Checked && row.Enabled);

    row.Checked = false;
    EXPECT_TRUE(ApplyStartupCheck(row));
    EXPECT_FALSE(row.Enabled);
    EXPECT_FALSE(run.HasValue(value.name));
    RegKey bak;
    ASSERT_TRUE(bak.Open(HKEY_CURRENT_USER, RunKeyBak));
    std::string data;
    ASSERT_TRUE(bak.ReadString(value.name, data));
    EXPECT_EQ(data, "%ProgramFiles%\\Tool\\tool.exe /tray");
    EXPECT_EQ(bak.ValueType(value.name), static_cast<DWORD>(REG_EXPAND_SZ));

    rows = RegistryRows();
    ASSERT_NE(Find(rows, value.name), nullptr);
    EXPECT_EQ(Find(rows, value.name)->Location, "HKCU_B");
    EXPECT_FALSE(Find(rows, value.name)->Checked);

    row.Checked = true;
    EXPECT_TRUE(ApplyStartupCheck(row));
    EXPECT_FALSE(ApplyStartupCheck(row)); // nothing changed since
    EXPECT_FALSE(bak.HasValue(value.name));
    ASSERT_TRUE(run.ReadString(value.name, data));
    EXPECT_EQ(data, "%ProgramFiles%\\Tool\\tool.exe /tray");
    EXPECT_EQ(run.ValueType(value.name), static_cast<DWORD>(REG_EXPAND_SZ));

    EXPECT_TRUE(ChangeReg(row, true));
    EXPECT_FALSE(run.HasValue(value.name));
    EXPECT_FALSE(bak.HasValue(value.name));
}

TEST(StartupPrograms, ValuesThatAreNoStringsAreSkipped)
{
    PlantedValue number;
    PlantedValue text;
    text.name += "-text";
    RegKey run;
    ASSERT_TRUE(run.Create(HKEY_CURRENT_USER, RunKey));
    const DWORD one = 1;
    RegSetValueExA(run.Get(), number.name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    ASSERT_TRUE(run.WriteString(text.name, ""));

    const std::vector<StartupRow> rows = RegistryRows();
    EXPECT_EQ(Find(rows, number.name), nullptr);
    ASSERT_NE(Find(rows, text.name), nullptr);
    EXPECT_EQ(Find(rows, text.name)->Command, "");
}

TEST(StartupPrograms, FolderShortcutsShowTheirTargetAndRemovalKeepsIt)
{
    char startup[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, startup), S_OK);
    TestFolder dir;
    const std::string target = dir.Write("tool.exe", std::string(64, 'x'));
    const std::string link = std::string(startup) + "\\pyrafix-tool.lnk";
    const std::string plain = std::string(startup) + "\\pyrafix-plain.bat";
    // Made outside the Start Menu and moved in: Wine's shell link saves into the Start
    // Menu also start winemenubuilder, which writes desktop entries outside the prefix.
    ASSERT_TRUE(CreateShortcut(dir / "made.lnk", target));
    ASSERT_TRUE(MoveFileA((dir / "made.lnk").c_str(), link.c_str()));
    CopyFileA(target.c_str(), plain.c_str(), FALSE);

    const std::vector<StartupRow> rows = LoadStartupPrograms().Folders;
    const StartupRow* row = Find(rows, "pyrafix-tool.lnk");
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(SameTextIgnoringCase(row->Command, target)) << row->Command;
    EXPECT_EQ(row->Location, "CU");
    EXPECT_EQ(row->File, std::string(startup) + "\\pyrafix-tool.lnk");
    ASSERT_NE(Find(rows, "pyrafix-plain.bat"), nullptr);
    EXPECT_EQ(Find(rows, "pyrafix-plain.bat")->Command, plain);

    EXPECT_TRUE(RemoveStartupFolderEntry(*row));
    EXPECT_EQ(GetFileAttributesA(link.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(target.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(plain.c_str());
}

TEST(StartupValuesPage, RecordsReportAndDeleteTheFirstMatchingLocation)
{
    TestFolder dir;
    const std::string root = "Software\\PyrafixTest\\StartupValuesPage";
    RegKey first, second;
    ASSERT_TRUE(first.Create(HKEY_CURRENT_USER, root + "\\A"));
    ASSERT_TRUE(second.Create(HKEY_CURRENT_USER, root + "\\B"));
    ASSERT_TRUE(first.WriteString("same", "C:\\x.exe"));
    ASSERT_TRUE(second.WriteString("same", "C:\\x.exe"));
    ASSERT_TRUE(second.WriteString("other", "C:\\y.exe"));
    const std::string base = dir.Write("RegBase.rgk", "2\r\n1\r\n" + root + "\\A\r\n\r\n1\r\n" + root + "\\B\r\n\r\n");

    SharedState state;
    std::vector<std::string> report;
    RefreshStartupRecords(
        state, [&](const std::string& l) { report.push_back(l); }, base);
    ASSERT_EQ(state.StartupRecords.size(), 3u);
    EXPECT_EQ(state.StartupRecords[0].RootKey, reinterpret_cast<uintptr_t>(HKEY_CURRENT_USER));
    EXPECT_EQ(state.StartupRecords[1].KeyPath, root + "\\B");
    ASSERT_EQ(report.size(), 7u);
    EXPECT_EQ(report[0], "Startup files:");
    EXPECT_EQ(report[1], "HKEY_CURRENT_USER\\" + root + "\\A\\same");
    EXPECT_EQ(report[2], "[C:\\x.exe]");

    // The second row has the same name and data: the first record's location goes.
    std::vector<std::string> errors;
    DeleteStartupValues(state, {{"same", "C:\\x.exe"}}, [&](const std::string& m) { errors.push_back(m); });
    EXPECT_TRUE(errors.empty());
    EXPECT_FALSE(first.HasValue("same"));
    EXPECT_TRUE(second.HasValue("same"));

    RefreshStartupRecords(state, {}, dir / "missing.rgk");
    EXPECT_TRUE(state.StartupRecords.empty());
    first.Close();
    second.Close();
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
}

TEST(StartupValuesPage, ShippedBaseListsTheRunKeysButNotWinlogon)
{
    PlantedValue value;
    RegKey run;
    ASSERT_TRUE(run.Create(HKEY_CURRENT_USER, RunKey));
    ASSERT_TRUE(run.WriteString(value.name, "C:\\planted.exe"));
    SharedState state;
    RefreshStartupRecords(state);
    const auto found = std::find_if(state.StartupRecords.begin(), state.StartupRecords.end(),
                                    [&](const StartupF& r) { return r.ValueName == value.name; });
    ASSERT_NE(found, state.StartupRecords.end());
    EXPECT_EQ(found->KeyPath, RunKey);
    for (const StartupF& record : state.StartupRecords)
        EXPECT_EQ(record.KeyPath.find("Winlogon"), std::string::npos) << record.KeyPath;
}

TEST(StartupPrograms, AMoveEndedHalfWayLeavesTheValueInOneKeyOnceTheListLoads)
{
    PlantedValue value;
    const std::string command = "C:\\Tools\\tray.exe /quiet";
    const auto keys = [&] {
        std::string data;
        RegKey run, bak;
        const bool inRun = run.Open(HKEY_CURRENT_USER, RunKey) && run.ReadString(value.name, data) && data == command;
        const bool inBak =
            bak.Open(HKEY_CURRENT_USER, RunKeyBak) && bak.ReadString(value.name, data) && data == command;
        return std::make_pair(inRun, inBak);
    };
    for (const bool disable : {true, false}) {
        SCOPED_TRACE(disable ? "disabling" : "enabling");
        CrashAtEveryPoint(
            [&](long) {
                for (const std::string& path : {RunKey, RunKeyBak}) {
                    RegKey key;
                    EXPECT_TRUE(key.Create(HKEY_CURRENT_USER, path));
                    key.DeleteValue(value.name);
                }
                RegKey start;
                EXPECT_TRUE(start.Create(HKEY_CURRENT_USER, disable ? RunKey : RunKeyBak));
                EXPECT_TRUE(start.WriteString(value.name, command));
                return std::string(disable ? "startup-switch HKCU " : "startup-switch HKCU_B ") + Quoted(value.name) +
                       " " + Quoted(command) + (disable ? " 0" : " 1");
            },
            [&](long, bool completed) {
                const std::vector<StartupRow> rows = RegistryRows();
                const auto [inRun, inBak] = keys();
                EXPECT_NE(inRun, inBak) << "in exactly one of the two keys";
                EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                                        [&](const StartupRow& row) { return row.Caption == value.name; }),
                          1);
                if (completed) {
                    EXPECT_EQ(inRun, !disable);
                }
            });
    }
}
