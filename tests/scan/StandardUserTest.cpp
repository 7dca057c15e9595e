// The program as a standard user runs it on Windows. Wine grants every right, so the
// test refuses, through the program's access check, what Windows would refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "database/PathRoots.h"
#include "platform/AccessRights.h"
#include "platform/FileSystem.h"
#include "scan/RunQuickScan.h"
#include "scan/StartupCollector.h"
#include "systools/KeyboardFilters.h"
#include "systools/Processes.h"
#include "systools/Services.h"
#include "systools/StartupPrograms.h"
#include "systools/StartupValuesPage.h"

namespace {

const char* KindName(Securable what)
{
    switch (what) {
    case Securable::RegistryKey:
        return "registry key";
    case Securable::ServiceManager:
        return "service manager";
    case Securable::Service:
        return "service";
    case Securable::Process:
        return "process";
    }
    return "?";
}

// A standard user may read, but not change, keys outside HKEY_CURRENT_USER; may
// connect to the service manager and list and query services; and may query other
// users' processes only for limited information.
bool StandardUserMay(Securable what, HKEY root, DWORD rights)
{
    switch (what) {
    case Securable::RegistryKey:
        return root == HKEY_CURRENT_USER || (rights & ~(KEY_READ | KEY_WOW64_64KEY | KEY_WOW64_32KEY)) == 0;
    case Securable::ServiceManager:
        return (rights & ~(SC_MANAGER_CONNECT | SC_MANAGER_ENUMERATE_SERVICE | SC_MANAGER_QUERY_LOCK_STATUS |
                           STANDARD_RIGHTS_READ)) == 0;
    case Securable::Service:
        return (rights & ~(SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS | SERVICE_ENUMERATE_DEPENDENTS |
                           SERVICE_INTERROGATE | READ_CONTROL)) == 0;
    case Securable::Process:
        return (rights & ~(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE)) == 0;
    }
    return false;
}

// Refuses, while it lives, what a standard user is refused, and keeps what it refused.
class StandardUser {
public:
    StandardUser()
    {
        SetRightsCheck([this](Securable what, HKEY root, DWORD rights) {
            if (StandardUserMay(what, root, rights))
                return true;
            char text[80];
            snprintf(text, sizeof text, "%s asking 0x%lx", KindName(what), static_cast<unsigned long>(rights));
            refused.insert(text);
            return false;
        });
    }
    ~StandardUser() { SetRightsCheck({}); }
    StandardUser(const StandardUser&) = delete;
    StandardUser& operator=(const StandardUser&) = delete;

    std::set<std::string> refused;
};

bool HasLineStartingWith(const StringList& lines, const std::string& start)
{
    const std::vector<std::string>& all = lines.Lines();
    return std::any_of(all.begin(), all.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

} // namespace

// Wine's own machine-wide startup value (HKLM RunServices "winemenubuilder") stands for
// the machine's Run keys: no test has to plant one.
TEST(StandardUser, EveryListAndTheCollectorSeeTheMachineWithReadRights)
{
    StandardUser user;
    const std::string wineStartup = LowerCase(SystemFolder() + "\\winemenubuilder.exe");

    EXPECT_FALSE(ProgramFilesFolder().empty());

    const StartupLists startup = LoadStartupPrograms();
    EXPECT_TRUE(std::any_of(startup.Registry.begin(), startup.Registry.end(), [](const StartupRow& row) {
        return row.Caption == "winemenubuilder" && row.Location == "HKLM_S";
    }));

    const std::vector<ServiceRow> services = ServiceListRows("Can not get Service List!");
    ASSERT_FALSE(services.empty());
    EXPECT_FALSE(services.front().KeyName().empty()) << services.front().Path();

    std::vector<RunningProcess> processes;
    ASSERT_TRUE(ListRunningProcesses(processes));
    EXPECT_TRUE(std::any_of(processes.begin(), processes.end(), [](const RunningProcess& process) {
        return process.Id == GetCurrentProcessId() && process.Text == ModuleFileName();
    }));

    (void)ScanKeyboardFilterDriver();

    SharedState state;
    RefreshStartupRecords(state);
    EXPECT_TRUE(std::any_of(state.StartupRecords.begin(), state.StartupRecords.end(),
                            [](const StartupF& record) { return record.ValueName == "winemenubuilder"; }));
    CollectStartupLocations(state, CurrentStartupSources(state.Messages));
    EXPECT_TRUE(HasLineStartingWith(state.StartupEntries, "RegRun " + wineStartup + "["));
    EXPECT_TRUE(HasLineStartingWith(state.StartupEntries, state.Messages.Text(Msg::ServiceTag))); // a service's program
    EXPECT_TRUE(HasLineStartingWith(state.StartupEntries, "Proc " + ModuleFileName() + "["));

    EXPECT_EQ(user.refused, std::set<std::string>{});
}
