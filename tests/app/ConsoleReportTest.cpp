#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ConsoleCommands.h"
#include "TestFolder.h"

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
