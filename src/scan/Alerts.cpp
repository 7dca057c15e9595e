#include "scan/Alerts.h"

#include "core/TextHelpers.h"

bool IsAlert(const std::vector<TFileList>& alerts, const std::string& path)
{
    for (const TFileList& alert : alerts)
        if (SameTextIgnoringCase(alert.Path, path))
            return true;
    return false;
}

bool AddAlert(std::vector<TFileList>& alerts, const TFileList& record)
{
    if (IsAlert(alerts, record.Path))
        return false;
    alerts.push_back(record);
    return true;
}
