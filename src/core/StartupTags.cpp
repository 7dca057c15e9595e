#include "core/StartupTags.h"

const char* const StartupTags[StartupTagCount] = {"HKCU", "HKCU_B", "HKCU_S", "HKCU_S_B",
                                                  "HKLM", "HKLM_B", "HKLM_S", "HKLM_S_B"};
const char* const StartupFolderTags[2] = {"CU", "LM"};

StartupTagKey StartupTagLocation(const std::string& tag)
{
    StartupTagKey key;
    key.CurrentUser = tag.find("HKCU") != std::string::npos;
    const std::string root = key.CurrentUser ? "HKCU" : "HKLM";
    if (tag == root)
        key.KeyPath = RunKeyPath;
    else if (tag == root + "_B")
        key.KeyPath = std::string(RunKeyPath) + TwinSuffix;
    else if (tag == root + "_S")
        key.KeyPath = RunServicesKeyPath;
    else
        key.KeyPath = std::string(RunServicesKeyPath) + TwinSuffix;
    return key;
}

bool StartupTagDisabled(const std::string& tag)
{
    return tag.find("_B") != std::string::npos;
}

StartupMove StartupMoveFor(const std::string& tag, bool checked)
{
    StartupMove move;
    move.CurrentUser = tag == "HKCU" || tag == "HKCU_B" || tag == "HKCU_S" || tag == "HKCU_S_B";
    const std::string live = tag.find("_S") != std::string::npos ? RunServicesKeyPath : RunKeyPath;
    const std::string twin = live + TwinSuffix;
    move.TargetKey = checked ? live : twin;
    move.OtherKey = checked ? twin : live;
    return move;
}
