#include "systools/Services.h"

#include <algorithm>

#include "core/StartupCommand.h"
#include "platform/AccessRights.h"
#include "platform/ServiceHandle.h"
#include "systools/VersionInfo.h"

namespace {

constexpr DWORD ServiceWaitLimit = 30000;
constexpr DWORD LongestPause = 250;
constexpr DWORD EnumBufferSize = 147492;

SC_HANDLE OpenManager(const std::string& machine, DWORD access)
{
    if (!RightsGranted(Securable::ServiceManager, access))
        return nullptr;
    return OpenSCManagerA(machine.empty() ? nullptr : machine.c_str(), nullptr, access);
}

SC_HANDLE OpenNamedService(SC_HANDLE manager, const std::string& keyName, DWORD access)
{
    if (!RightsGranted(Securable::Service, access))
        return nullptr;
    return OpenServiceA(manager, keyName.c_str(), access);
}

// Polls until the service reaches `goal`, its status cannot be read, its checkpoint
// goes backwards, or the time limit passes. Pauses never exceed a quarter second, so
// a wait hint of 0 does not spin and a long hint does not oversleep the state change.
bool WaitForState(SC_HANDLE service, DWORD goal)
{
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service, &status))
        return false;
    const DWORD started = GetTickCount();
    while (status.dwCurrentState != goal) {
        const DWORD elapsed = GetTickCount() - started;
        if (elapsed >= ServiceWaitLimit)
            break;
        const DWORD checkpoint = status.dwCheckPoint;
        DWORD pause = status.dwWaitHint == 0 ? LongestPause : std::min(status.dwWaitHint, LongestPause);
        Sleep(std::min(pause, ServiceWaitLimit - elapsed));
        SERVICE_STATUS next{};
        if (!QueryServiceStatus(service, &next))
            break;
        status = next;
        if (status.dwCheckPoint < checkpoint)
            break;
    }
    return status.dwCurrentState == goal;
}

void AddServiceDetails(SC_HANDLE manager, const std::string& keyName, ServiceRow& row)
{
    ServiceHandle service(OpenNamedService(manager, keyName, SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS));
    if (!service.Valid()) {
        row.SubItems = {"Can not open service!"};
        return;
    }
    DWORD needed = 0;
    if (QueryServiceConfigA(service.Get(), nullptr, 0, &needed) || GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        row.SubItems = {"Can not get information!"};
        return;
    }
    std::vector<char> buffer(needed + 1);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (!QueryServiceConfigA(service.Get(), config, needed + 1, &needed)) {
        row.SubItems = {"Can not query information!", keyName};
        return;
    }
    const std::string path = config->lpBinaryPathName ? config->lpBinaryPathName : "";
    row.NonMicrosoft = IsNonMicrosoftService(path);
    SERVICE_STATUS status{};
    const std::string state =
        QueryServiceStatus(service.Get(), &status) ? ServiceStateText(status.dwCurrentState) : "Unknown";
    row.SubItems = {path, state, ServiceStartTypeText(config->dwStartType), keyName};
}

} // namespace

bool IsNonMicrosoftService(const std::string& binaryPath)
{
    TGetVersionInfoFromFile info;
    info.SetFile(ServiceVersionFile(binaryPath));
    return info.ValueOf("LegalCopyright").find("Microsoft Corp") == std::string::npos;
}

bool LoadServices(const std::string& machine, DWORD serviceType, DWORD serviceState, std::vector<ServiceRow>& rows,
                  const Pump& pump)
{
    // Listing needs no more: a standard user is refused the manager's full access.
    ServiceHandle manager(OpenManager(machine, SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE));
    if (!manager.Valid())
        return false;
    // One request into a fixed buffer; services that do not fit are not listed.
    std::vector<char> buffer(EnumBufferSize);
    DWORD needed = 0, count = 0, resume = 0;
    if (!EnumServicesStatusA(manager.Get(), serviceType, serviceState,
                             reinterpret_cast<ENUM_SERVICE_STATUSA*>(buffer.data()), EnumBufferSize, &needed, &count,
                             &resume) &&
        GetLastError() != ERROR_MORE_DATA)
        count = 0;
    const auto* services = reinterpret_cast<const ENUM_SERVICE_STATUSA*>(buffer.data());
    std::vector<ServiceRow> loaded;
    for (DWORD i = 0; i < count; ++i) {
        if (pump)
            pump();
        ServiceRow row;
        row.Caption = services[i].lpDisplayName ? services[i].lpDisplayName : "";
        std::string key = GetServiceKey(machine, row.Caption);
        if (key.empty() && services[i].lpServiceName)
            key = services[i].lpServiceName;
        AddServiceDetails(manager.Get(), key, row);
        loaded.push_back(row);
    }
    std::stable_sort(loaded.begin(), loaded.end(), [](const ServiceRow& a, const ServiceRow& b) {
        return lstrcmpiA(a.Caption.c_str(), b.Caption.c_str()) < 0;
    });
    rows.insert(rows.end(), loaded.begin(), loaded.end());
    return true;
}

std::vector<ServiceRow> ServiceListRows(const std::string& failureText, const Pump& pump)
{
    std::vector<ServiceRow> rows;
    if (!LoadServices("", SERVICE_WIN32, SERVICE_STATE_ALL, rows, pump))
        rows = {ServiceRow{"", {failureText}, false}};
    return rows;
}

bool StartServiceWait(const std::string& machine, const std::string& keyName)
{
    ServiceHandle manager(OpenManager(machine, SC_MANAGER_CONNECT));
    if (!manager.Valid())
        return false;
    ServiceHandle service(OpenNamedService(manager.Get(), keyName, SERVICE_START | SERVICE_QUERY_STATUS));
    if (!service.Valid() || !StartServiceA(service.Get(), 0, nullptr))
        return false;
    return WaitForState(service.Get(), SERVICE_RUNNING);
}

bool StopServiceWait(const std::string& machine, const std::string& keyName)
{
    ServiceHandle manager(OpenManager(machine, SC_MANAGER_CONNECT));
    if (!manager.Valid())
        return false;
    ServiceHandle service(OpenNamedService(manager.Get(), keyName, SERVICE_STOP | SERVICE_QUERY_STATUS));
    SERVICE_STATUS status{};
    if (!service.Valid() || !ControlService(service.Get(), SERVICE_CONTROL_STOP, &status))
        return false;
    return WaitForState(service.Get(), SERVICE_STOPPED);
}

bool ChangeStartType(const std::string& machine, const std::string& keyName, DWORD startType)
{
    ServiceHandle manager(OpenManager(machine, SC_MANAGER_CONNECT));
    if (!manager.Valid())
        return false;
    ServiceHandle service(OpenNamedService(manager.Get(), keyName, SERVICE_CHANGE_CONFIG));
    return service.Valid() && ChangeServiceConfigA(service.Get(), SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE,
                                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

std::string GetServiceKey(const std::string& machine, const std::string& displayName)
{
    ServiceHandle manager(OpenManager(machine, SC_MANAGER_CONNECT));
    if (!manager.Valid())
        return {};
    char key[256] = {};
    DWORD size = 255;
    if (!GetServiceKeyNameA(manager.Get(), displayName.c_str(), key, &size))
        return {};
    return key;
}

bool StopServiceByPath(std::vector<ServiceRow>& rows, const std::string& path, const Pump& pump)
{
    auto lower = [](std::string text) {
        if (!text.empty())
            CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
        return text;
    };
    const std::string sought = lower(path);
    for (ServiceRow& row : rows) {
        if (pump)
            pump();
        if (row.SubItems.size() < 4 || lower(row.Path()).compare(0, sought.size(), sought) != 0)
            continue;
        if (StopServiceWait("", row.KeyName())) {
            row.SubItems[1] = "Stopped";
            return true;
        }
    }
    return false;
}

namespace {

bool ApplyToRow(ServiceRow& row, size_t cell, bool (*operation)(const std::string&, const std::string&),
                const std::string& text)
{
    if (row.SubItems.size() < 4 || row.KeyName().empty())
        return false;
    if (!operation("", row.KeyName()))
        return false;
    row.SubItems[cell] = text;
    return true;
}

} // namespace

bool StartServiceRow(ServiceRow& row, const std::string& runningText)
{
    return ApplyToRow(row, 1, StartServiceWait, runningText);
}

bool StopServiceRow(ServiceRow& row, const std::string& stoppedText)
{
    return ApplyToRow(row, 1, StopServiceWait, stoppedText);
}

bool RestartServiceRow(ServiceRow& row, const std::string& stoppedText, const std::string& runningText)
{
    StopServiceRow(row, stoppedText);
    return StartServiceRow(row, runningText);
}

bool ChangeStartTypeRow(ServiceRow& row, const std::string& menuCaption)
{
    std::string text;
    const DWORD startType = StartTypeForMenuCaption(menuCaption, text);
    if (row.SubItems.size() < 4 || row.KeyName().empty() || !ChangeStartType("", row.KeyName(), startType))
        return false;
    row.SubItems[2] = text;
    return true;
}
