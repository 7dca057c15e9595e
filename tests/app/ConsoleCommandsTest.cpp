#include <gtest/gtest.h>

#include <sstream>

#include "ConsoleCommands.h"
#include "TestFolder.h"

namespace {

struct Console {
    std::ostringstream out, err;
    int Run(const std::vector<std::string>& args) { return RunConsoleCommand(args, out, err); }
};

} // namespace

TEST(ConsoleMd5, PrintsLinesAsMd5sumDoes)
{
    TestFolder dir;
    const std::string abc = dir.Write("abc.txt", "abc");
    const std::string empty = dir.Write("empty.txt", "");
    Console c;
    EXPECT_EQ(c.Run({"md5", abc, empty}), 0);
    EXPECT_EQ(c.out.str(),
              "900150983cd24fb0d6963f7d28e17f72  " + abc + "\n" + "d41d8cd98f00b204e9800998ecf8427e  " + empty + "\n");
}

TEST(ConsoleMd5, UnreadableFilesAreErrors)
{
    TestFolder dir;
    const std::string abc = dir.Write("abc.txt", "abc");
    Console c;
    EXPECT_EQ(c.Run({"md5", dir / "missing.exe", abc}), 2);
    EXPECT_NE(c.err.str().find("missing.exe: cannot read the file"), std::string::npos);
    EXPECT_NE(c.out.str().find(abc), std::string::npos); // the readable one is still printed
    Console none;
    EXPECT_EQ(none.Run({"md5"}), 2);
}

TEST(ConsoleCommands, HelpVersionAndUnknownCommands)
{
    Console help, version, unknown;
    EXPECT_EQ(help.Run({"--help"}), 0);
    EXPECT_NE(help.out.str().find("md5 FILE..."), std::string::npos);
    EXPECT_EQ(version.Run({"--version"}), 0);
    EXPECT_NE(version.out.str().find("Pyrafix Pro v4 - SE"), std::string::npos);
    EXPECT_EQ(unknown.Run({"frobnicate"}), 2);
    EXPECT_NE(unknown.err.str().find("unknown command: frobnicate"), std::string::npos);
}
