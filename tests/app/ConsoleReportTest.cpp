#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>
#include <regex>

#include "ConsoleCommands.h"
#include "TestFolder.h"
#include "systools/Planted.h"

namespace {

struct Console {
    std::ostringstream out, err;
    int Run(const std::vector<std::string>& args) { return RunConsoleCommand(args, out, err); }
};

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The entry lines after a section's first line that starts with `header`, up to the next empty line.
std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& header)
{
    std::vector<std::string> entries;
    size_t i = 0;
    while (i < lines.size() && lines[i].rfind(header, 0) != 0)
        ++i;
    for (++i; i < lines.size() && !lines[i].empty() && lines[i] != "Finished..."; ++i)
        entries.push_back(lines[i]);
    return entries;
}

// UTF-8 back to the ANSI code page, as the program holds its texts.
std::string Ansi(const std::string& utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    std::string ansi(wide.size() * 2, '\0');
    ansi.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                                        ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr)));
    return ansi;
}

} // namespace

TEST(ConsoleReport, WritesTheWholeReportWhereAsked)
{
    TestFolder dir;
    const std::string path = dir / "report.txt";
    Console c;
    ASSERT_EQ(c.Run({"report", "--out", path}), 0) << c.err.str();
    EXPECT_EQ(c.out.str(), "report written to " + path + "\n");
    const std::string text = ReadText(path);
    EXPECT_EQ(text.rfind("Pyrafix Pro v7 - SE (Build date: 17.4.2010) full information log file.\r\nGenerated at: ", 0),
              0u);
    // Every box checked: every section, in order, and the closing line.
    size_t at = 0;
    for (const char* section : {"\r\nRunning processes: (", "\r\nStartup files:\r\n", "\r\n\r\nDetail report: (",
                                "\r\n\r\nStartup folder: (", "\r\n\r\nWin.ini Startup: (", "\r\n\r\nWin.ini Startup: (",
                                "\r\n\r\nKeyboard drivers: (", "\r\n\r\nServices: ("}) {
        const size_t found = text.find(section, at);
        ASSERT_NE(found, std::string::npos) << section;
        at = found + 1;
    }
    EXPECT_EQ(text.substr(text.size() - 13), "Finished...\r\n");
}

TEST(ConsoleReport, AFileThatCannotBeWrittenIsAnError)
{
    TestFolder dir;
    Console c;
    EXPECT_EQ(c.Run({"report", "--out", dir / "no-such-folder\\report.txt"}), 2);
    EXPECT_NE(c.err.str().find("cannot write the report "), std::string::npos);
    Console wrong;
    EXPECT_EQ(wrong.Run({"report", "--out"}), 2);
    EXPECT_EQ(wrong.err.str(), "pyrafixc: --out needs a file name\n");
}

// The JSON holds what the text holds, field by field; texts of the ANSI code page
// arrive in UTF-8 whole.
TEST(ConsoleReport, TheJsonReportHoldsWhatTheTextReportHolds)
{
    TestFolder dir;
    const std::string data = "C:\\caf\xe9 \xc6\xf8\\r\xe9sum\xe9.exe /x";
    PlantedValue run(data);
    Console c;
    ASSERT_EQ(c.Run({"report", "--out", dir / "report.txt", "--json", dir / "report.json"}), 0) << c.err.str();
    EXPECT_NE(c.out.str().find("JSON report written to " + dir / "report.json"), std::string::npos);
    const std::vector<std::string> text = Lines(ReadText(dir / "report.txt"));
    const nlohmann::json json = nlohmann::json::parse(ReadText(dir / "report.json"));

    ASSERT_GT(text.size(), 3u);
    EXPECT_EQ(json["version"].get<std::string>() + " full information log file.", text[0]);
    EXPECT_EQ(Ansi(json["windows"]), text[2]);
    EXPECT_TRUE(std::regex_match(json["time"].get<std::string>(),
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")));

    std::vector<std::string> fromJson;
    for (const auto& process : json["processes"])
        fromJson.push_back(Ansi(process));
    EXPECT_EQ(fromJson, Section(text, "Running processes: ("));

    fromJson.clear();
    bool planted = false;
    for (const auto& value : json["startupValues"]) {
        fromJson.push_back(Ansi(value["root"]) + "\\" + Ansi(value["key"]) + "\\" + Ansi(value["name"]));
        fromJson.push_back("[" + Ansi(value["data"]) + "]");
        planted = planted || (value["name"] == run.name && Ansi(value["data"]) == data);
    }
    EXPECT_EQ(fromJson, Section(text, "Startup files:"));
    EXPECT_TRUE(planted);

    fromJson.clear();
    for (const auto& detail : json["details"])
        fromJson.push_back(Ansi(detail["tag"]) + " " + Ansi(detail["path"]) + "[" + detail["md5"].get<std::string>() +
                           "][" + std::to_string(detail["size"].get<long long>()) + "]");
    EXPECT_EQ(fromJson, Section(text, "Detail report: ("));
    EXPECT_FALSE(fromJson.empty());

    fromJson.clear();
    for (const auto& service : json["services"]) {
        fromJson.push_back("Service Name: " + Ansi(service["name"]) + " [" + Ansi(service["status"]) + "], ");
        fromJson.push_back("Path: " + Ansi(service["path"]));
    }
    EXPECT_EQ(fromJson, Section(text, "Services: ("));

    fromJson.clear();
    for (const auto& driver : json["keyboardDrivers"]) {
        fromJson.push_back("Name: " + Ansi(driver["name"]));
        fromJson.push_back("Path: " + Ansi(driver["path"]) + (driver["filePresent"].get<bool>() ? "" : " (No file)"));
    }
    EXPECT_EQ(fromJson, Section(text, "Keyboard drivers: ("));
    for (const char* list : {"detections", "startupFolder", "winIni", "systemIni"})
        EXPECT_TRUE(json[list].is_array()) << list;
}
