#include "core/ServiceRows.h"

std::string ServiceStateText(uint32_t currentState)
{
    if (currentState == 7)
        return "Paused";
    if (currentState == 4)
        return "Running";
    return "Stopped";
}

std::string ServiceStartTypeText(uint32_t startType)
{
    if (startType == 4)
        return "Disabled";
    if (startType == 3)
        return "Manual";
    return "Automatic";
}

ServiceButtons ChangeCmdStatus(bool enable, const ServiceRow* row)
{
    ServiceButtons buttons;
    if (!row || !enable || row->SubItems.size() < 4)
        return buttons;
    const bool companion = row->Caption == CompanionServiceName;
    if (row->StartupType() != "Disabled" && !companion) {
        const bool running = row->Status() == "Running";
        buttons.Stop = running;
        buttons.Restart = running;
        buttons.Start = !running;
        buttons.StartupMode = true;
    } else {
        buttons.StartupMode = !companion;
    }
    return buttons;
}

uint32_t StartTypeForMenuCaption(const std::string& caption, std::string& text)
{
    if (caption == "&Automatic") {
        text = "Automatic";
        return 2;
    }
    if (caption == "&Manual") {
        text = "Manual";
        return 3;
    }
    text = "Disabled";
    return 4;
}
