#include <gtest/gtest.h>

#include "core/ReportRowRules.h"

TEST(ReportRowRules, TheCheckedRowsChooseTheMenuByTheStateRule)
{
    const struct {
        std::vector<std::string> Checked;
        ReportMenu Menu;
    } rows[] = {
        {{}, ReportMenu::Files},
        {{"Proc", "Proc"}, ReportMenu::Processes},
        {{"RegStartup"}, ReportMenu::Values},
        {{"Proc", "Proc", "RegStartup"}, ReportMenu::Files},
        {{"RegStartup", "Proc", "Proc"}, ReportMenu::Processes},
        {{"Proc", "RegStartup", "Proc"}, ReportMenu::Processes},
        {{"RegStartup", "Proc", "RegStartup"}, ReportMenu::Values},
        {{"Proc", "Clsid", "Proc"}, ReportMenu::Files}, // the walk stops at the first other kind
        {{"Proc", "Service"}, ReportMenu::Files},
        {{"Startup", "RegStartup"}, ReportMenu::Files},
        {{"RegStartup", "System.ini"}, ReportMenu::Files},
    };
    for (const auto& row : rows) {
        std::string text;
        for (const std::string& kind : row.Checked)
            text += kind + " ";
        EXPECT_EQ(MenuForCheckedRows(row.Checked), row.Menu) << text;
    }
    EXPECT_EQ(MenuForRow("Proc"), ReportMenu::Processes);
    EXPECT_EQ(MenuForRow("RegStartup"), ReportMenu::Values);
    EXPECT_EQ(MenuForRow("Service"), ReportMenu::Service);
    EXPECT_EQ(MenuForRow("Clsid"), ReportMenu::Files);
}

TEST(ReportRowRules, CheckedRowsOnYellowAndSizeZeroInRedOrBlue)
{
    const struct {
        bool Checked;
        const char* Size;
        bool Usable;
        uint32_t Background, Text;
    } rows[] = {
        {false, "120", true, DefaultColour, DefaultColour},
        {true, "120", true, 0x00FFFF, DefaultColour},
        {false, "0", true, DefaultColour, 0x0000FF},
        {false, "0", false, DefaultColour, 0xFF0000},
        {true, "0", false, 0x00FFFF, 0xFF0000},
        {false, "00", false, DefaultColour, DefaultColour}, // exactly "0" only
    };
    for (const auto& row : rows) {
        const RowColours colours = ColoursForRow(row.Checked, row.Size, row.Usable);
        EXPECT_EQ(colours.Background, row.Background) << row.Checked << " " << row.Size << " " << row.Usable;
        EXPECT_EQ(colours.Text, row.Text) << row.Checked << " " << row.Size << " " << row.Usable;
    }
}
