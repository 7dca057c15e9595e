#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "AppShell.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "reports/TForm12.h"
#include "reports/WindowsVersion.h"
#include "scan/StartupCollector.h"
#include "systools/Planted.h"
#include "systools/TFormR.h"

namespace {

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<std::string> lines;
    const std::string all = text.str();
    size_t start = 0;
    for (size_t end; (end = all.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(all.substr(start, end - start));
    EXPECT_EQ(start, all.size()) << "the file ends with a line that has no CR LF";
    return lines;
}

const std::vector<std::string> Contacts = {"Author: Tomas Ferrant", "http://pyrafix.example.com/",
                                           "support@pyrafix.example.com"};

std::vector<std::string> Header()
{
    std::vector<std::string> lines = {"Pyrafix Pro v7 - SE (Build date: 17.4.2010) full information log file.",
                                      "Generated at: <date> on <time>", WindowsVersionName()};
    lines.insert(lines.end(), Contacts.begin(), Contacts.end());
    lines.emplace_back();
    return lines;
}

// The report with what the test does not control masked: the time line, the counts
// of the sections (checked against their entries where an entry is one line), and
// every entry of the machine's own, that is, without one of the markers.
std::vector<std::string> Masked(const std::vector<std::string>& lines, const std::vector<std::string>& markers)
{
    const std::regex counted(R"((.*\()(\d+)\))");
    const auto marked = [&markers](const std::string& line) {
        for (const std::string& marker : markers)
            if (LowerCase(line).find(LowerCase(marker)) != std::string::npos)
                return true;
        return false;
    };
    std::vector<std::string> out;
    bool keptEntry = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::smatch match;
        if (i == 1) {
            EXPECT_EQ(line.rfind("Generated at: ", 0), 0u) << line;
            EXPECT_NE(line.find(" on "), std::string::npos) << line;
            out.push_back("Generated at: <date> on <time>");
        } else if (i < 7 || line.empty() || line == "Startup files:" || line == "Finished..." ||
                   line == "Virus list:" || line.rfind("You have", 0) == 0 || line.rfind("Please Scan", 0) == 0) {
            out.push_back(line);
        } else if (std::regex_match(line, match, counted)) {
            if (match[1] == "Running processes: (" || match[1] == "Detail report: (") {
                size_t entries = 0;
                while (i + 1 + entries < lines.size() && !lines[i + 1 + entries].empty())
                    ++entries;
                EXPECT_EQ(std::to_string(entries), match[2].str()) << line;
            }
            out.push_back(match[1].str() + "#)");
        } else if (marked(line)) {
            out.push_back(line);
            keptEntry = true;
            continue;
        } else if (keptEntry && (line[0] == '[' || line.rfind("Path: ", 0) == 0 || line.rfind("Command: ", 0) == 0)) {
            out.push_back(line); // the second line of a kept entry
        }
        keptEntry = false;
    }
    return out;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

struct ReportShell : AppShell {
    explicit ReportShell(const TestFolder& folder) : AppShell(folder)
    {
        context.Env.OpenDocument = [this](const std::string& path) { opened.push_back(path); };
        ShowScanPage();
        Main().ShowPage(TForm1::HomePage);
    }
    // A database of one record: the planted file by its full path.
    void Detect(const std::string& path, const std::string& name)
    {
        state.DatabaseStream = MemoryStream("2026-12-10\r\n[Start]\r\n[" + name + "]:" + path + "\r\n_end\r\n");
    }
    std::string ReportPath() const { return context.Env.ProgramFolder + "Information.txt"; }
    // The user's "Build log" and Yes to the question; then the answers to the boxes
    // that follow, and what the user does while the build pumps messages.
    void BuildLog(std::vector<int> answers = {}, std::function<void()> meanwhile = {})
    {
        context.Form12->Show();
        renderer.Answer(idYes);
        for (int answer : answers)
            renderer.Answer(answer);
        if (meanwhile)
            app.Post(meanwhile);
        context.Form12->xpButton1->Click();
    }
    void ExpectIdle()
    {
        EXPECT_FALSE(state.ReportMode);
        EXPECT_EQ(Main().Button10->Caption(), "Full report log");
        EXPECT_TRUE(Main().Button4->Enabled());
        EXPECT_TRUE(Main().Button7->Enabled());
        EXPECT_TRUE(Main().Enabled());
    }
    std::vector<std::string> opened;
};

} // namespace

// The whole report on planted machine state: a detection, a Run value whose data
// holds a line break, a keyboard filter without its file, a System.ini line, a service.
TEST(FullReport, AllSectionsOnAPlantedMachine)
{
    const std::string marker = "GoldenReport";
    TestFolder folder;
    const std::string bad = folder.Write("goldenreport.exe", "a planted detection");
    PlantedValue run("\"" + bad + "\" /a\r\nsecond line");
    SavedUpperFilters filters;
    filters.Set(std::string("kbdclass\0pyrafixgoldenreport\0", 29) + '\0');
    SavedIni systemIni("System.ini");
    systemIni.Write("[boot]\r\nshell=explorer.exe\r\n[386Enh]\r\ndevice=goldenreport.vxd\r\n");
    PlantedService service("", FixturePath("fixture_service.exe"), SERVICE_DEMAND_START,
                           "Pyrafix GoldenReport service");

    ReportShell w(folder);
    w.Detect(bad, "Golden.Bad");
    w.BuildLog();

    ASSERT_EQ(w.opened, std::vector<std::string>{w.ReportPath()});
    const std::string lowerBad = ResolveCommandFile("\"" + bad + "\"");
    std::vector<std::string> want = Header();
    const std::vector<std::string> rest = {
        "",
        "You have some viruses in your computer.",
        "Please Scan your computer with Pyrafix Pro to remove discovered viruses.",
        "Virus list:",
        "Infected with Golden.Bad - File " + bad,
        "",
        "Running processes: (#)",
        "",
        "Startup files:",
        "HKEY_CURRENT_USER\\" + RunKey + "\\" + run.name,
        "[\"" + bad + "\" /a  second line]",
        "",
        "Detail report: (#)",
        StartupEntryLine("RegRun ", lowerBad),
        "",
        "Startup folder: (#)",
        "",
        "Win.ini Startup: (#)",
        "",
        "Win.ini Startup: (#)",
        "Path: device=goldenreport.vxd",
        "",
        "Keyboard drivers: (#)",
        "Name: pyrafixgoldenreport",
        "Path: File not found (No file)",
        "",
        "Services: (#)",
        "Service Name: Pyrafix GoldenReport service [Stopped], ",
        "Path: " + FixturePath("fixture_service.exe"),
        "Finished...",
    };
    want.insert(want.end(), rest.begin(), rest.end());
    EXPECT_EQ(Joined(Masked(ReadLines(w.ReportPath()), {marker, run.name})), Joined(want));
    w.ExpectIdle();
    EXPECT_EQ(w.context.Form12->GroupBox1->Caption(), w.state.Messages.Text(Msg::BuildLogAbout));
    // The scan in report mode asks nothing at its end, and the boxes were the question only.
    ASSERT_EQ(w.renderer.Boxes().size(), 1u);
    EXPECT_EQ(w.renderer.Boxes()[0].Text, "Do you want to build full report?");
    EXPECT_TRUE(w.state.ScanFoundAny);
}

TEST(FullReport, WithEveryBoxClearedOnlyTheDetailAndKeyboardSectionsRemain)
{
    TestFolder folder;
    ReportShell w(folder);
    TForm12& dialog = *w.context.Form12;
    for (TxpCheckBox* box : {dialog.xpCheckBox1, dialog.xpCheckBox2, dialog.xpCheckBox3, dialog.xpCheckBox4})
        box->Click();
    EXPECT_FALSE(w.state.ReportStartupFiles || w.state.ReportActiveServices || w.state.ReportActiveProcesses ||
                 w.state.ReportInfectedFiles);
    w.BuildLog();

    const std::vector<std::string> lines = ReadLines(w.ReportPath());
    std::vector<std::string> want = Header();
    want.emplace_back(); // after the skipped scan
    want.emplace_back();
    want.push_back("Detail report: (" + std::to_string(w.state.StartupEntries.Count()) + ")");
    for (const std::string& entry : w.state.StartupEntries.Lines())
        want.push_back(entry);
    want.emplace_back();
    const std::vector<KeyboardFilterRow> drivers = ScanKeyboardFilterDriver();
    want.push_back("Keyboard drivers: (" + std::to_string(drivers.size()) + ")");
    for (const KeyboardFilterRow& driver : drivers) {
        want.push_back("Name: " + driver.Name);
        want.push_back("Path: " + driver.Path + (FileUsable(driver.Path) ? "" : " (No file)"));
    }
    want.push_back("Finished...");
    ASSERT_GT(lines.size(), 1u);
    want[1] = lines[1];
    EXPECT_EQ(Joined(lines), Joined(want));
    EXPECT_FALSE(w.state.StartupEntries.Lines().empty());
}

TEST(FullReport, ASecondBuildLogAbortsTheBuildInProgress)
{
    TestFolder folder;
    const std::string bad = folder.Write("aborted.exe", "a planted detection");
    ReportShell w(folder);
    w.Detect(bad, "Aborted.Bad");
    bool buildingShown = false;
    // The user opens the dialog again from the Report Manager and presses "Build log"
    // while the scan pumps messages, before its first record.
    w.context.FormR->Show();
    w.BuildLog({idOk}, [&] {
        buildingShown = w.Main().Button10->Caption() == "Abort log" && !w.Main().Button4->Enabled() &&
                        !w.Main().Button7->Enabled() && w.state.ReportMode;
        w.context.FormR->xpButton3->Click();
        w.context.Form12->xpButton1->Click();
    });

    EXPECT_TRUE(buildingShown);
    std::vector<std::string> want = Header();
    want.push_back("Finished...");
    std::vector<std::string> lines = ReadLines(w.ReportPath());
    ASSERT_GT(lines.size(), 1u);
    want[1] = lines[1];
    EXPECT_EQ(Joined(lines), Joined(want));
    EXPECT_EQ(w.opened, std::vector<std::string>{w.ReportPath()}); // the interrupted report is still opened
    ASSERT_EQ(w.renderer.Boxes().size(), 2u); // the question and "Log process aborted!", no scan end
    EXPECT_EQ(w.renderer.Boxes()[1].Text, "Log process aborted!");
    EXPECT_EQ(w.renderer.Boxes()[1].Caption, "Information");
    EXPECT_FALSE(w.state.ScanFoundAny);
    w.ExpectIdle();
}

TEST(FullReport, AFileThatCannotBeWrittenIsReportedAndNotOpened)
{
    TestFolder folder;
    ReportShell w(folder);
    ASSERT_TRUE(CreateDirectoryA(w.ReportPath().c_str(), nullptr)); // Information.txt cannot be created
    w.BuildLog({idOk});
    ASSERT_EQ(w.renderer.Boxes().size(), 2u);
    EXPECT_EQ(w.renderer.Boxes()[1].Text, "Error writing log file!");
    EXPECT_EQ(w.renderer.Boxes()[1].Caption, "Error");
    EXPECT_TRUE(w.opened.empty());
    w.ExpectIdle();
}

TEST(FullReport, NoToTheQuestionWritesNothing)
{
    TestFolder folder;
    ReportShell w(folder);
    w.renderer.Answer(idNo);
    w.context.Form12->xpButton1->Click();
    EXPECT_EQ(GetFileAttributesA(w.ReportPath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(w.context.Form12->Visible());
    w.ExpectIdle();
}
