#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "database/FileMd5.h"
#include "platform/RegistryKey.h"
#include "scan/RunQuickScan.h"
#include "scan/StartupCollector.h"

namespace {

const char EmptyMd5[] = "d41d8cd98f00b204e9800998ecf8427e";
const char WindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

// Puts AppInit_DLLs back as it was when the test ends.
class SavedAppInit {
public:
    SavedAppInit()
    {
        RegKey key;
        had_ = key.Open(HKEY_LOCAL_MACHINE, WindowsKey) && key.ReadString("AppInit_DLLs", value_);
    }
    ~SavedAppInit()
    {
        RegKey key;
        if (!key.Open(HKEY_LOCAL_MACHINE, WindowsKey, KEY_READ | KEY_WRITE))
            return;
        if (had_)
            key.WriteString("AppInit_DLLs", value_);
        else
            key.DeleteValue("AppInit_DLLs");
    }
    void Set(const std::string& value)
    {
        RegKey key;
        ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, WindowsKey));
        ASSERT_TRUE(key.WriteString("AppInit_DLLs", value));
    }

private:
    bool had_ = false;
    std::string value_;
};

int CountWithPrefix(const StringList& list, const std::string& prefix)
{
    int n = 0;
    for (const std::string& line : list.Lines())
        n += line.rfind(prefix, 0) == 0;
    return n;
}

} // namespace

TEST(StartupCollector, OneLinePerEntryTaggedAndSorted)
{
    TestFolder dir;
    const std::string program = dir.Write("agent.exe", std::string(100, 'a'));
    const std::string md5 = Md5Text(FileMd5(program));
    SharedState state;
    state.StartupRecords.push_back({0, "Software\\Run", "one", "c:\\missing\\one.exe /q"});
    state.StartupRecords.push_back({0, "Software\\Run", "two", "c:\\missing\\two.exe"});
    state.StartupRecords.push_back({0, "Software\\Run", "agent", "\"" + program + "\" -start"});
    StartupSources sources;
    sources.Processes = {program, program, "[System Process]"};
    sources.StartupFolderCommands = {program, "c:\\nothing\\here.lnk"};
    std::vector<std::string> shown;

    CollectStartupLocations(state, sources, [&](const std::string& path) { shown.push_back(path); });

    const StringList& entries = state.StartupEntries;
    EXPECT_EQ(entries.IndexOf("Proc " + program + "[" + md5 + "][100]"), CountWithPrefix(entries, "Clsid "));
    EXPECT_EQ(CountWithPrefix(entries, "Proc "), 1);                            // two instances, one line
    EXPECT_GE(entries.IndexOf("RegRun [" + std::string(EmptyMd5) + "][0]"), 0); // the unresolved values, once
    EXPECT_GE(entries.IndexOf("RegRun " + LowerCase(program) + "[" + md5 + "][100]"), 0);
    EXPECT_EQ(CountWithPrefix(entries, "RegRun "), 2);
    EXPECT_GE(entries.IndexOf("Startup " + LowerCase(program) + "[" + md5 + "][100]"), 0); // same file, other tag
    EXPECT_EQ(CountWithPrefix(entries, "Startup "), 1);
    for (int i = 1; i < entries.Count(); ++i)
        EXPECT_LT(LowerCase(entries[i - 1]), LowerCase(entries[i]));
    EXPECT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), program);
}

TEST(StartupCollector, AppInitNamesAndHookServers)
{
    TestFolder dir;
    const std::string hook = dir.Write("hook.dll", std::string(64, 'h'));
    SavedAppInit appInit;
    const std::string clsid = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
    const std::string server = "Software\\Classes\\CLSID\\" + clsid + "\\InProcServer32";
    const std::string hooks = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ShellExecuteHooks";
    {
        RegKey key;
        ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, server));
        ASSERT_TRUE(key.WriteString("", hook));
        const DWORD number = 1;
        ASSERT_EQ(RegSetValueExA(key.Get(), "ThreadingModel", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                 sizeof number),
                  ERROR_SUCCESS);
        RegKey hookKey;
        ASSERT_TRUE(hookKey.Create(HKEY_LOCAL_MACHINE, hooks + "\\" + clsid));
    }

    appInit.Set("first.dll," + hook);
    StringList locations;
    CollectClsidPaths(locations);
    EXPECT_GE(locations.IndexOf(LowerCase(hook)), 0);
    EXPECT_GE(locations.IndexOf("first.dll"), 0); // kept as written though it names no file
    EXPECT_LT(locations.IndexOf(""), 0);

    appInit.Set("");
    CollectClsidPaths(locations);
    EXPECT_GE(locations.IndexOf(""), 0);
    SharedState state;
    CollectStartupLocations(state, {});
    for (const std::string& line : state.StartupEntries.Lines())
        EXPECT_NE(line.rfind("Clsid [", 0), 0u) << line; // the empty entry gives no line

    RegDeleteTreeA(HKEY_LOCAL_MACHINE, ("Software\\Classes\\CLSID\\" + clsid).c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (hooks + "\\" + clsid).c_str());
}

TEST(StartupCollector, AppInitNamesWithATrailingComma)
{
    SavedAppInit appInit;
    appInit.Set("one-pyrafix.dll,two-pyrafix.dll,");
    StringList locations;
    CollectClsidPaths(locations);
    EXPECT_GE(locations.IndexOf("one-pyrafix.dll"), 0);
    EXPECT_GE(locations.IndexOf("two-pyrafix.dll"), 0);
    EXPECT_LT(locations.IndexOf(""), 0); // the comma at the end makes no empty name
}

TEST(StartupCollector, ServicesAndSystemIniEntriesThatResolve)
{
    TestFolder dir;
    const std::string driver = dir.Write("driver.sys", std::string(30, 'd'));
    const std::string shell = dir.Write("shell.exe", std::string(50, 's'));
    SharedState state;
    StartupSources sources;
    sources.ServiceImagePaths = {"\"" + driver + "\" -k", "c:\\nothing\\service.exe"};
    sources.SystemIniEntries = {shell, "nothing.drv"};

    CollectStartupLocations(state, sources);

    const StringList& entries = state.StartupEntries;
    EXPECT_GE(entries.IndexOf("Service " + LowerCase(driver) + "[" + Md5Text(FileMd5(driver)) + "][30]"), 0);
    EXPECT_GE(entries.IndexOf("System.ini " + LowerCase(shell) + "[" + Md5Text(FileMd5(shell)) + "][50]"), 0);
    EXPECT_EQ(CountWithPrefix(entries, "Service "), 1); // an entry that does not resolve gives no line
    EXPECT_EQ(CountWithPrefix(entries, "System.ini "), 1);
}

TEST(StartupCollector, TheQuickScanTakesThePagesListsAndFillsAnEmptyOneOnce)
{
    SharedState state;
    state.Pages.StartupFolderCommands = std::vector<std::string>{"C:\\page\\folder.exe"};
    state.Pages.ServiceImagePaths = std::vector<std::string>{"C:\\page\\service.exe"};
    const StartupSources sources = PageStartupSources(state);
    EXPECT_EQ(sources.StartupFolderCommands, *state.Pages.StartupFolderCommands);
    EXPECT_EQ(sources.ServiceImagePaths, *state.Pages.ServiceImagePaths);
    EXPECT_FALSE(sources.Processes.empty()); // always read anew

    // No page showed System.ini: read once, then kept as a page's list.
    ASSERT_TRUE(state.Pages.SystemIniEntries);
    EXPECT_EQ(*state.Pages.SystemIniEntries, SystemIniEntriesNow());
    EXPECT_EQ(sources.SystemIniEntries, *state.Pages.SystemIniEntries);
    state.Pages.SystemIniEntries->push_back("page.drv");
    EXPECT_EQ(PageStartupSources(state).SystemIniEntries, *state.Pages.SystemIniEntries);
}
