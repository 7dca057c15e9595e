#include "scan/StartupCollector.h"

#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "database/FileMd5.h"
#include "platform/RegistryKey.h"

namespace {

const char CurrentVersionWindows[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
const char WinlogonNotify[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\Notify";
const char Explorer[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

void AddOnce(StringList& locations, const std::string& path)
{
    if (locations.IndexOf(path) < 0)
        locations.Add(path);
}

// The in-process and the local server of a class, as the registry names them.
void AddServerPaths(const std::string& clsid, StringList& locations)
{
    AddValuePaths(HKEY_CLASSES_ROOT, "CLSID\\" + clsid + "\\InProcServer32", locations);
    AddValuePaths(HKEY_CLASSES_ROOT, "CLSID\\" + clsid + "\\LocalServer32", locations);
}

void Pumped(const Pump& pump)
{
    if (pump)
        pump();
}

} // namespace

void AddValuePaths(HKEY root, const std::string& keyPath, StringList& locations)
{
    RegKey key;
    if (!key.Open(root, keyPath))
        return;
    for (const std::string& name : key.ValueNames()) {
        std::string text;
        if (!key.ReadString(name, text))
            continue;
        const std::string file = ResolveCommandFile(text);
        if (!file.empty() && FileUsable(file))
            AddOnce(locations, file);
    }
}

void CollectClsidPaths(StringList& locations, const Pump& pump)
{
    locations.Clear();
    AddValuePaths(HKEY_LOCAL_MACHINE, CurrentVersionWindows, locations);

    RegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\ShellServiceObjectDelayLoad")) {
        for (const std::string& name : key.ValueNames()) {
            Pumped(pump);
            std::string clsid;
            if (key.ReadString(name, clsid))
                AddServerPaths(clsid, locations);
        }
    }
    if (key.Open(HKEY_LOCAL_MACHINE, WinlogonNotify))
        for (const std::string& package : key.SubKeyNames())
            AddValuePaths(HKEY_LOCAL_MACHINE, std::string(WinlogonNotify) + "\\" + package, locations);
    if (key.Open(HKEY_LOCAL_MACHINE, std::string(Explorer) + "SharedTaskScheduler")) {
        for (const std::string& clsid : key.ValueNames()) {
            Pumped(pump);
            AddServerPaths(clsid, locations);
        }
    }
    for (const char* hooks : {"Browser Helper Objects", "ShellExecuteHooks"})
        if (key.Open(HKEY_LOCAL_MACHINE, std::string(Explorer) + hooks))
            for (const std::string& clsid : key.SubKeyNames())
                AddServerPaths(clsid, locations);

    // AppInit_DLLs names are kept even when they name no file: a missing DLL there
    // is worth a look in the report.
    std::string appInit;
    if (key.Open(HKEY_LOCAL_MACHINE, CurrentVersionWindows) && key.ReadString("AppInit_DLLs", appInit)) {
        for (const std::string& name : SplitAtCommas(appInit)) {
            const std::string file = ResolveCommandFile(name);
            AddOnce(locations, file.empty() ? name : file);
        }
    }

    const std::string uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    if (key.Open(HKEY_CURRENT_USER, uninstall)) {
        for (const std::string& product : key.SubKeyNames()) {
            RegKey entry;
            std::string command;
            if (!entry.Open(HKEY_CURRENT_USER, uninstall + "\\" + product) ||
                !entry.ReadString("UninstallString", command))
                command.clear();
            AddOnce(locations, ReplaceAll(command, "\"", ""));
        }
    }
}

std::string StartupEntryLine(const std::string& tag, const std::string& path)
{
    return tag + path + "[" + Md5Text(FileMd5(path)) + "][" + std::to_string(FileSizeOf(path)) + "]";
}

void CollectStartupLocations(SharedState& state, const StartupSources& sources,
                             const std::function<void(const std::string&)>& status, const Pump& pump)
{
    StringList& entries = state.StartupEntries;
    entries = StringList(true);
    const auto add = [&](const std::string& tag, const std::string& path) {
        if (status)
            status(path);
        entries.Add(StartupEntryLine(tag, path));
    };
    const auto addResolved = [&](const std::string& tag, const std::vector<std::string>& commands, bool pumped) {
        for (const std::string& command : commands) {
            if (pumped)
                Pumped(pump);
            const std::string file = ResolveCommandFile(command);
            if (!file.empty())
                add(tag, file);
        }
    };

    for (const std::string& process : sources.Processes) {
        Pumped(pump);
        if (FileUsable(process))
            add("Proc ", process);
    }
    for (const StartupF& record : state.StartupRecords) {
        Pumped(pump);
        add("RegRun ", ResolveCommandFile(record.ValueData));
    }
    addResolved(state.Messages.Text(Msg::StartupTag), sources.StartupFolderCommands, true);
    addResolved(state.Messages.Text(Msg::ServiceTag), sources.ServiceImagePaths, true);
    addResolved("System.ini ", sources.SystemIniEntries, false);

    CollectClsidPaths(state.RegistryLocations, pump);
    for (const std::string& location : state.RegistryLocations.Lines())
        if (!location.empty())
            add("Clsid ", location);
}
