#include <gtest/gtest.h>

#include <algorithm>

#include "Planted.h"
#include "systools/Services.h"

namespace {

ServiceRow RowOf(const std::string& display)
{
    std::vector<ServiceRow> rows;
    EXPECT_TRUE(LoadServices("", SERVICE_WIN32, SERVICE_STATE_ALL, rows));
    for (const ServiceRow& row : rows)
        if (row.Caption == display)
            return row;
    ADD_FAILURE() << display << " not listed";
    return {};
}

} // namespace

TEST(Services, StartStopAndChangeTheStartTypeOfARealService)
{
    const std::string path = FixturePath("fixture_service.exe");
    PlantedService service("", path, SERVICE_DISABLED);
    EXPECT_EQ(GetServiceKey("", service.display), service.key);
    EXPECT_EQ(GetServiceKey("", "No such service display name"), "");

    ServiceRow row = RowOf(service.display);
    EXPECT_EQ(row.SubItems, (std::vector<std::string>{path, "Stopped", "Disabled", service.key}));
    EXPECT_FALSE(row.NonMicrosoft);
    EXPECT_FALSE(StartServiceWait("", service.key)); // disabled

    EXPECT_TRUE(ChangeStartType("", service.key, 3));
    EXPECT_EQ(RowOf(service.display).StartupType(), "Manual");
    EXPECT_TRUE(StartServiceWait("", service.key));
    EXPECT_EQ(RowOf(service.display).Status(), "Running");
    EXPECT_FALSE(StartServiceWait("", service.key)); // already running: the request is refused

    // Disabling a running service changes its start type only.
    EXPECT_TRUE(ChangeStartType("", service.key, 4));
    row = RowOf(service.display);
    EXPECT_EQ(row.Status(), "Running");
    EXPECT_EQ(row.StartupType(), "Disabled");

    EXPECT_TRUE(StopServiceWait("", service.key));
    EXPECT_EQ(RowOf(service.display).Status(), "Stopped");
    EXPECT_FALSE(StopServiceWait("", service.key));
    EXPECT_FALSE(ChangeStartType("", "PyrafixNoSuchService", 3));
}

TEST(Services, StopServiceByPathMatchesTheRecordedPathsBeginning)
{
    const std::string path = FixturePath("fixture_service.exe");
    PlantedService plain("Plain", path + " -run", SERVICE_DEMAND_START);
    PlantedService quoted("Quoted", "\"" + path + "\"", SERVICE_DEMAND_START);
    ASSERT_TRUE(StartServiceWait("", quoted.key));
    ASSERT_TRUE(StartServiceWait("", plain.key));

    std::vector<ServiceRow> rows = {RowOf(quoted.display), RowOf(plain.display)};
    std::string upper = path;
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    EXPECT_TRUE(StopServiceByPath(rows, upper));
    EXPECT_EQ(rows[1].Status(), "Stopped");
    EXPECT_EQ(RowOf(plain.display).Status(), "Stopped");
    // The quoted path never begins with the file's path.
    EXPECT_EQ(rows[0].Status(), "Running");
    EXPECT_FALSE(StopServiceByPath(rows, path));
    EXPECT_EQ(RowOf(quoted.display).Status(), "Running");
}

TEST(Services, NonMicrosoftMark)
{
    const std::string gap = FixturePath("version_gap.exe");
    const struct {
        std::string path;
        bool marked;
    } cases[] = {
        {FixturePath("fixture_service.exe") + " -k x", false},
        {"\"" + FixturePath("version_full.exe") + "\" /s", false},
        {gap, true},                                          // copyright not read: after the missing key
        {FixturePath("idle_process.exe"), true},              // no version resource
        {"system32\\fixture_service.exe", true},              // relative to the system root: not found
        {FixturePath("FIXTURE_SERVICE.EXE") + " /run", true}, // ".exe" appended to the upper-case name
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNonMicrosoftService(c.path), c.marked) << c.path;

    PlantedService marked("Marked", gap, SERVICE_DEMAND_START);
    EXPECT_TRUE(RowOf(marked.display).NonMicrosoft);

    // Wine's own services carry Wine's copyright.
    std::vector<ServiceRow> rows = ServiceListRows("Can not get Service List!");
    const auto wine = std::find_if(rows.begin(), rows.end(), [](const ServiceRow& r) {
        return r.KeyName() == "PlugPlay" || r.KeyName() == "RpcSs" || r.KeyName() == "MountMgr";
    });
    ASSERT_NE(wine, rows.end());
    EXPECT_TRUE(wine->NonMicrosoft);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const ServiceRow& a, const ServiceRow& b) {
        return lstrcmpiA(a.Caption.c_str(), b.Caption.c_str()) < 0;
    }));
}

TEST(Services, RowCommandsSetTheCellOnlyOnSuccess)
{
    PlantedService service("", FixturePath("fixture_service.exe"), SERVICE_DISABLED);
    ServiceRow row = RowOf(service.display);
    EXPECT_FALSE(StartServiceRow(row));
    EXPECT_EQ(row.Status(), "Stopped");

    EXPECT_TRUE(ChangeStartTypeRow(row, "&Manual"));
    EXPECT_EQ(row.StartupType(), "Manual");
    EXPECT_TRUE(ChangeCmdStatus(true, &row).Start); // a disabled service turned manual can start
    EXPECT_TRUE(StartServiceRow(row, "Running (page)"));
    EXPECT_EQ(row.Status(), "Running (page)");
    EXPECT_TRUE(RestartServiceRow(row));
    EXPECT_EQ(row.Status(), "Running");
    EXPECT_EQ(RowOf(service.display).Status(), "Running");
    EXPECT_TRUE(StopServiceRow(row));
    EXPECT_EQ(row.Status(), "Stopped");

    ServiceRow noKey{"Broken", {"Can not open service!"}, true};
    EXPECT_FALSE(StopServiceRow(noKey));
    EXPECT_FALSE(ChangeStartTypeRow(noKey, "&Manual"));
    EXPECT_EQ(noKey.SubItems, std::vector<std::string>{"Can not open service!"});
}
