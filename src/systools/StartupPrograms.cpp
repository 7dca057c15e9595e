#include "systools/StartupPrograms.h"

#include "core/StartupCommand.h"
#include "core/StartupTags.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"
#include "platform/ShellLinks.h"

namespace {

constexpr const char* ShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

HKEY RootOf(bool currentUser)
{
    return currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// A move writes the value into its new key before deleting it from the old one, so a
// move that was ended between the two leaves it in both: the twin copy goes. That is
// the state before the move when it disabled the entry, the state after when it
// enabled it; either way the entry is in exactly one key again.
void FinishInterruptedMoves()
{
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        for (const char* live : {RunKeyPath, RunServicesKeyPath}) {
            RegKey liveKey, twinKey;
            const std::string twin = std::string(live) + TwinSuffix;
            if (!liveKey.Open(root, live) || !twinKey.Open(root, twin))
                continue;
            // Write access is asked for only when there is a copy to delete, so that a
            // user without the right to change the key lists it as before.
            RegKey writable;
            for (const std::string& name : twinKey.ValueNames()) {
                std::string liveData, twinData;
                if (liveKey.ReadString(name, liveData) && twinKey.ReadString(name, twinData) && liveData == twinData &&
                    (writable.IsOpen() || writable.Open(root, twin, KEY_READ | KEY_SET_VALUE)))
                    writable.DeleteValue(name);
            }
        }
    }
}

} // namespace

void LoadFromReg(const std::string& tag, std::vector<StartupRow>& rows)
{
    const StartupTagKey location = StartupTagLocation(tag);
    RegKey key;
    if (!key.Open(RootOf(location.CurrentUser), location.KeyPath))
        return;
    for (const std::string& name : key.ValueNames()) {
        StartupRow row;
        if (!key.ReadString(name, row.Command))
            continue;
        row.Caption = name;
        row.Location = tag;
        row.File = ProgramFileOfCommand(row.Command);
        row.Checked = row.Enabled = !StartupTagDisabled(tag);
        rows.push_back(row);
    }
}

void LoadFromDir(const std::string& tag, std::vector<StartupRow>& rows)
{
    RegKey key;
    std::string folder;
    if (!key.Open(RootOf(tag == "CU"), ShellFoldersKey) ||
        !key.ReadString(tag == "CU" ? "Startup" : "Common Startup", folder) || folder.empty())
        return;
    for (FindFiles find(folder + "\\*"); find.Valid(); find.Next()) {
        const std::string name = find.Name();
        if (name == "." || name == "..")
            continue;
        StartupRow row;
        row.Caption = name;
        row.File = folder + "\\" + name;
        row.Command = ShortcutTarget(row.File);
        if (row.Command.empty())
            row.Command = row.File;
        row.Location = tag;
        rows.push_back(row);
    }
}

StartupLists LoadStartupPrograms()
{
    FinishInterruptedMoves();
    StartupLists lists;
    for (const char* tag : StartupTags)
        LoadFromReg(tag, lists.Registry);
    for (const char* tag : StartupFolderTags)
        LoadFromDir(tag, lists.Folders);
    return lists;
}

bool ChangeReg(const StartupRow& row, bool remove)
{
    const StartupMove move = StartupMoveFor(row.Location, row.Checked);
    const HKEY root = RootOf(move.CurrentUser);
    RegKey target;
    if (!target.Create(root, move.TargetKey))
        return false;
    RegKey other;
    const bool otherOpen = other.Open(root, move.OtherKey, KEY_READ | KEY_SET_VALUE);
    bool done = true;
    if (remove) {
        if (target.HasValue(row.Caption))
            done = target.DeleteValue(row.Caption);
    } else {
        // An expandable value stays expandable, so "%ProgramFiles%\..." still starts.
        const DWORD type = otherOpen ? other.ValueType(row.Caption) : REG_NONE;
        done = target.WriteString(row.Caption, row.Command, type == REG_EXPAND_SZ);
    }
    if (done && otherOpen && other.HasValue(row.Caption))
        done = other.DeleteValue(row.Caption);
    return done;
}

bool ApplyStartupCheck(StartupRow& row)
{
    if (row.Checked == row.Enabled)
        return false;
    ChangeReg(row, false);
    row.Enabled = row.Checked;
    return true;
}

bool RemoveStartupFolderEntry(const StartupRow& row)
{
    return DeleteFileA(row.File.c_str()) != FALSE;
}
