#include <gtest/gtest.h>

#include <sstream>

#include "ConsoleCommands.h"
#include "QuarantineCommands.h"
#include "TestFolder.h"
#include "core/TextHelpers.h"
#include "platform/FileSystem.h"

namespace {

struct QuarantineConsole {
    explicit QuarantineConsole(const TestFolder& folder) : store(folder.Path()) {}
    QuarantineStore store;
    std::ostringstream out, err;
    int Run(const std::vector<std::string>& args)
    {
        out.str("");
        err.str("");
        QuarantineStore fresh(store.ProgramFolder); // each run is a new pyrafixc process
        return RunQuarantineCommand(args, fresh, out, err);
    }
};

} // namespace

TEST(ConsoleQuarantine, ListRestoreRemoveAndClear)
{
    TestFolder folder;
    QuarantineConsole console(folder);
    const std::string kept = folder.Write("kept.exe", "kept bytes");
    const std::string gone = folder.Write("gone.exe", "gone bytes");
    ASSERT_TRUE(QuarantineAdd(console.store, kept, "Trojan.Kept", "abc"));
    ASSERT_TRUE(QuarantineAdd(console.store, gone, "Unknown", ""));
    ASSERT_TRUE(DeleteFileA(kept.c_str()));

    EXPECT_EQ(console.Run({"list"}), 0);
    std::istringstream lines(console.out.str());
    std::string first, second, extra;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(first.rfind(kept + "\tTrojan.Kept\t", 0), 0u) << first;
    EXPECT_EQ(second.rfind(gone + "\tUnknown\t", 0), 0u) << second;

    // Any case of the path names the entry; it comes back where it was.
    EXPECT_EQ(console.Run({"restore", LowerCase(kept)}), 0) << console.err.str();
    EXPECT_EQ(FileText(kept), "kept bytes");
    EXPECT_EQ(console.Run({"restore", kept}), 2);
    EXPECT_NE(console.err.str().find("not in the quarantine"), std::string::npos);

    EXPECT_EQ(console.Run({"remove", gone}), 0) << console.err.str();
    EXPECT_EQ(FileText(gone), "gone bytes"); // only the stored copy goes
    EXPECT_EQ(console.Run({"list"}), 0);
    EXPECT_EQ(console.out.str(), "");

    QuarantineStore again(folder.Path());
    ASSERT_TRUE(QuarantineAdd(again, gone, "Unknown", ""));
    EXPECT_EQ(console.Run({"clear"}), 0);
    EXPECT_FALSE(FileExists(again.StoredCopyOf(again.QuarantineList[0])));
    EXPECT_FALSE(FileExists(console.store.IndexFile()));
}

TEST(ConsoleQuarantine, WrongArgumentsAreErrors)
{
    TestFolder folder;
    QuarantineConsole console(folder);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"restore"}, {"remove"}, {"list", "extra"}, {"remove", "C:\\not\\listed.exe"}}) {
        EXPECT_EQ(console.Run(args), 2) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(console.err.str().empty());
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunConsoleCommand({"quarantine"}, out, err), 2);
    EXPECT_NE(err.str().find("quarantine list"), std::string::npos);
}
