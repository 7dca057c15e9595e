#include "core/ReportRowRules.h"

ReportMenu MenuForRow(const std::string& kind)
{
    if (kind == "Proc")
        return ReportMenu::Processes;
    if (kind == "RegStartup")
        return ReportMenu::Values;
    if (kind == "Service")
        return ReportMenu::Service;
    return ReportMenu::Files;
}

ReportMenu MenuForCheckedRows(const std::vector<std::string>& checkedKinds)
{
    enum { Files, Processes, Values } state = Files;
    for (const std::string& kind : checkedKinds) {
        if (kind == "Proc") {
            state = state == Values ? Files : Processes;
        } else if (kind == "RegStartup") {
            state = state == Processes ? Files : Values;
        } else {
            state = Files;
            break;
        }
    }
    return state == Processes ? ReportMenu::Processes : state == Values ? ReportMenu::Values : ReportMenu::Files;
}

RowColours ColoursForRow(bool checked, const std::string& sizeText, bool fileUsable)
{
    RowColours colours;
    if (checked)
        colours.Background = 0x00FFFF;
    if (sizeText == "0")
        colours.Text = fileUsable ? 0x0000FF : 0xFF0000;
    return colours;
}
