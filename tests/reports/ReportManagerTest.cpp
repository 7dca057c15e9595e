#include <gtest/gtest.h>

#include <filesystem>

#include "AppShell.h"
#include "TestFolder.h"
#include "systools/Planted.h"
#include "systools/Services.h"
#include "systools/TFormR.h"

namespace {

struct ManagerShell : AppShell {
    explicit ManagerShell(const TestFolder& folder) : AppShell(folder), form(*context.FormR), list(*form.List1)
    {
        ShowScanPage();
        form.Show();
    }
    // Rows the test controls instead of the machine's.
    void SetRows(const std::vector<TListItem>& rows)
    {
        list.Clear();
        for (const TListItem& row : rows)
            list.Add(row);
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> files;
        for (const TListItem& item : list.Items())
            files.push_back(item.SubItems[0]);
        return files;
    }
    TFormR& form;
    TListView& list;
};

TListItem Row(const std::string& kind, const std::string& file, const std::string& size = "1", bool checked = false)
{
    TListItem item{kind, {file, size, ""}};
    item.Checked = checked;
    return item;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(ReportManager, ShowingListsTheRunningProgramsAndStartupValuesWithSizesAndKeys)
{
    TestFolder folder;
    const std::string named = folder.Write("named.exe", "twelve bytes");
    PlantedValue exact(named);
    ManagerShell w(folder);

    bool self = false, value = false;
    for (const TListItem& item : w.list.Items()) {
        ASSERT_EQ(item.SubItems.size(), 3u) << item.Caption;
        self = self || (item.Caption == "Proc" && item.SubItems[0] == ModuleFileName() &&
                        item.SubItems[1] == std::to_string(std::filesystem::file_size(ModuleFileName())));
        if (item.Caption == "RegStartup" && item.SubItems[0] == named) {
            value = true;
            EXPECT_EQ(item.SubItems[1], "12");
            EXPECT_EQ(item.SubItems[2], "HKEY_CURRENT_USER\\" + RunKey + "\\");
        }
    }
    EXPECT_TRUE(self);
    EXPECT_TRUE(value);
}

TEST(ReportManager, TheMenuFollowsTheSelectedRowThenEveryClickTheCheckedRows)
{
    TestFolder folder;
    ManagerShell w(folder);
    w.SetRows({Row("Proc", "a.exe"), Row("Proc", "b.exe"), Row("RegStartup", "c.exe"), Row("Service", "d.exe")});
    // A right click or the keys select only: the row's own menu.
    w.list.UserMoveSelection(3);
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop4);
    EXPECT_EQ(w.form.SelectedPath, "d.exe");
    // A left click selects, then the click walks the checked rows: none, the files menu.
    w.list.UserMoveSelection(0);
    w.list.UserSelect(3);
    EXPECT_EQ(w.form.SelectedPath, "d.exe");
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop1);
    // Each tick is a click into the list.
    const auto tick = [&w](int row, bool on) {
        w.list.UserCheck(row, on);
        w.list.UserClick();
    };
    tick(0, true);
    tick(1, true);
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop2); // process rows alone
    tick(2, true);
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop1); // two process rows, then a startup value row
    tick(0, false);
    tick(1, false);
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop3); // a startup value row alone
    tick(3, true);
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop1); // a service row ends the walk
}

TEST(ReportManager, RowsOfSizeZeroAreRedWhenTheFileIsThereAndBlueWhenNot)
{
    TestFolder folder;
    const std::string there = folder.Write("there.exe", "");
    ManagerShell w(folder);
    w.SetRows({Row("Proc", there, "0"), Row("Proc", folder / "gone.exe", "0", true), Row("Proc", there, "5")});
    const uint32_t untouched = 0x12345678;
    std::vector<std::pair<uint32_t, uint32_t>> drawn;
    for (int i = 0; i < 3; ++i) {
        uint32_t background = untouched, text = untouched;
        w.list.OnCustomDrawItem(i, background, text);
        drawn.emplace_back(background, text);
    }
    EXPECT_EQ(drawn[0], std::make_pair(untouched, 0x0000FFu));
    EXPECT_EQ(drawn[1], std::make_pair(0x00FFFFu, 0xFF0000u));
    EXPECT_EQ(drawn[2], std::make_pair(untouched, untouched));
}

TEST(ReportManager, AFileThatCannotBeDeletedKeepsItsRowAndIsReportedAfterFourSeconds)
{
    TestFolder folder;
    // A folder that is not empty: DeleteFileA never removes it.
    const std::string stuck = folder / "stuck.exe";
    ASSERT_TRUE(CreateDirectoryA(stuck.c_str(), nullptr));
    folder.Write("stuck.exe\\inside.txt", "x");
    const std::string loose = folder.Write("loose.exe", "x");
    ManagerShell w(folder);
    w.SetRows({Row("Clsid", stuck, "1", true), Row("Startup", loose, "1", true)});

    w.renderer.Answer(idYes);
    w.renderer.Answer(idOk); // "Cannot delete file"
    const uint64_t started = w.app.Clock();
    w.form.xpButton2->Click();

    EXPECT_EQ(w.Files(), std::vector<std::string>{stuck});
    EXPECT_FALSE(Exists(loose));
    ASSERT_EQ(w.renderer.Boxes().size(), 2u);
    EXPECT_EQ(w.renderer.Boxes()[0].Text, "Do you want to delete selected items?");
    EXPECT_EQ(w.renderer.Boxes()[1].Text, "Cannot delete file " + stuck + ".");
    EXPECT_EQ(w.renderer.Boxes()[1].Caption, "Error");
    EXPECT_GE(w.app.Clock() - started, 4000u);
    EXPECT_FALSE(w.form.Timer1->Enabled());
}

TEST(ReportManager, DeleteFilesStopsTheServiceThatRunsTheFileFirst)
{
    TestFolder folder;
    const std::string image = folder / "held-service.exe";
    ASSERT_TRUE(CopyFileA(FixturePath("fixture_service.exe").c_str(), image.c_str(), FALSE));
    PlantedService service("", image, SERVICE_DEMAND_START);
    ASSERT_TRUE(StartServiceWait("", service.key));
    ManagerShell w(folder);
    w.SetRows({Row("Proc", folder / "other.exe"), Row("Service", image, "1", true)});
    w.list.UserClick();
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop1);

    w.renderer.Answer(idYes);
    w.form.MenuItem2->Click();
    EXPECT_FALSE(Exists(image));
    EXPECT_EQ(w.Files(), std::vector<std::string>{folder / "other.exe"});
    ServiceRow row{"", {image, "", "", service.key}};
    EXPECT_FALSE(StopServiceRow(row)); // already stopped
}

TEST(ReportManager, TerminateWithoutCheckedRowsEndsTheSelectedRowsProcessesAndRemovesOnlyThatRow)
{
    TestFolder folder;
    RunningFixture running(folder / "pyrafix-terminate-me.exe");
    ManagerShell w(folder);
    w.SetRows({Row("Proc", folder / "pyrafix-terminate-me.exe"), Row("Proc", folder / "keep.exe")});
    w.list.UserMoveSelection(0); // a right click on the row
    EXPECT_EQ(w.list.PopupMenu, w.form.Pop2);
    w.form.Terminateprocess1->Click();
    EXPECT_TRUE(running.Ended());
    EXPECT_EQ(w.Files(), std::vector<std::string>{folder / "keep.exe"});
}
