#include <gtest/gtest.h>

#include "core/ServiceRows.h"

namespace {

ServiceRow Row(const std::string& caption, const std::string& status, const std::string& type)
{
    return {caption, {"C:\\svc.exe", status, type, "key"}, false};
}

std::string Buttons(const ServiceButtons& b)
{
    return std::string(b.Start ? "S" : "-") + (b.Stop ? "T" : "-") + (b.Restart ? "R" : "-") +
           (b.StartupMode ? "M" : "-");
}

} // namespace

TEST(ChangeCmdStatus, FollowsStateStartTypeAndCompanion)
{
    const struct {
        ServiceRow row;
        const char* buttons; // Start, sTop, Restart, startup Mode
    } cases[] = {
        {Row("Spooler", "Running", "Automatic"), "-TRM"},
        {Row("Spooler", "Stopped", "Manual"), "S--M"},
        {Row("Spooler", "Paused", "Manual"), "S--M"},
        {Row("Spooler", "Running", "Disabled"), "---M"},
        {Row("Nortavix", "Running", "Automatic"), "----"},
        {Row("Nortavix", "Stopped", "Disabled"), "----"},
        {Row("nortavix", "Stopped", "Manual"), "S--M"},
        {{"Broken", {"Can not query information!", "key"}, false}, "----"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Buttons(ChangeCmdStatus(true, &c.row)), c.buttons) << c.row.Caption << " " << c.row.Status();

    const ServiceRow running = Row("Spooler", "Running", "Automatic");
    EXPECT_EQ(Buttons(ChangeCmdStatus(false, &running)), "----");
    EXPECT_EQ(Buttons(ChangeCmdStatus(true, nullptr)), "----");
}

TEST(ServiceTexts, StateAndStartType)
{
    EXPECT_EQ(ServiceStateText(4), "Running");
    EXPECT_EQ(ServiceStateText(7), "Paused");
    EXPECT_EQ(ServiceStateText(1), "Stopped");
    EXPECT_EQ(ServiceStateText(2), "Stopped");
    EXPECT_EQ(ServiceStartTypeText(4), "Disabled");
    EXPECT_EQ(ServiceStartTypeText(3), "Manual");
    EXPECT_EQ(ServiceStartTypeText(2), "Automatic");
    EXPECT_EQ(ServiceStartTypeText(0), "Automatic");
}

TEST(ServiceTexts, StartupModeMenuCaptions)
{
    std::string text;
    EXPECT_EQ(StartTypeForMenuCaption("&Automatic", text), 2u);
    EXPECT_EQ(text, "Automatic");
    EXPECT_EQ(StartTypeForMenuCaption("&Manual", text), 3u);
    EXPECT_EQ(text, "Manual");
    EXPECT_EQ(StartTypeForMenuCaption("&Disabled", text), 4u);
    EXPECT_EQ(text, "Disabled");
    EXPECT_EQ(StartTypeForMenuCaption("Automatic", text), 4u);
}
