#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "ConsoleUpdate.h"
#include "LocalHttpServer.h"
#include "TestFolder.h"
#include "WindowProbe.h"
#include "core/MessageTable.h"
#include "database/DatabaseFile.h"
#include "platform/RegistryKey.h"
#include "update/UpdateTree.h"
#include "update/UpgradeStart.h"

namespace {

struct ConsoleUpdate : ::testing::Test {
    ConsoleUpdate() { tree.Installed(12, {Record(1)}); }
    int Run(const LocalHttpServer& server, bool upgrade)
    {
        out.str("");
        return RunConsoleUpdate(tree.Program(), server.Host(), upgrade, start, out, tree.Key());
    }
    bool Printed(const std::string& line) const { return out.str().find(line + "\n") != std::string::npos; }

    TestFolder folder;
    UpdateTree tree{folder};
    MessageTable messages;
    std::ostringstream out;
    std::vector<std::string> started;
    StartProgram start = [this](const std::string& file) {
        started.push_back(file);
        return true;
    };
};

TEST_F(ConsoleUpdate, ExitsZeroOnlyWhenTheDatabaseIsTheNewestAtTheEnd)
{
    tree.ServeList(UpdateTree::Date(14), ProgramVersionText, "10");
    tree.ServePiece(13, {Record(13)});
    tree.ServePiece(14, {Record(14)});
    LocalHttpServer server(tree.Www());
    EXPECT_EQ(Run(server, false), 0) << out.str();
    EXPECT_TRUE(Printed(messages.Text(Msg::ProgramInfoCaption) + ": " + messages.Text(Msg::DatabaseUpdatedLastDate) +
                        UpdateTree::Date(14) + std::string(33 - UpdateTree::Date(14).size(), ' ')))
        << out.str();
    EXPECT_EQ(Run(server, false), 0); // now the newest already
    EXPECT_TRUE(Printed(messages.Text(Msg::InformationCaption) + ": " + messages.Text(Msg::AlreadyUpgraded)));

    tree.ServeList(UpdateTree::Date(15)); // no pieces: the full file, which is not there
    EXPECT_EQ(Run(server, false), 2);
    EXPECT_TRUE(Printed(messages.Text(Msg::ErrorCaption) + ": " + messages.Text(Msg::CannotUpdateDatabase)));

    LocalHttpServer missing(tree.Www(), "404");
    EXPECT_EQ(Run(missing, false), 2);
    EXPECT_TRUE(Printed(messages.Text(Msg::ConnectionErrorCaption) + ": Cannot upgrade, please check your internet "
                                                                     "connection.  Tips: 1. Check if some firewall "
                                                                     "is disable Pyrafix Pro internet connection. "
                                                                     "2. Open Microsoft Internet Explorer and Turn "
                                                                     "off option Work offline if it is active. 3. "
                                                                     "Make sure that you have latest Microsoft "
                                                                     "Internet Explorer version."))
        << out.str();
    EXPECT_TRUE(started.empty());
}

TEST_F(ConsoleUpdate, TheUpgradeOnlyWithItsOption)
{
    tree.ServeList(UpdateTree::Date(12), "Pyrafix Pro v8 - SE (Build date: 1.1.2011)");
    tree.Serve("pyrxt.htm", std::string(5000, 'p'));
    LocalHttpServer server(tree.Www());
    EXPECT_EQ(Run(server, false), 2); // refused: the program stays as it was
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(Run(server, true), 0);
    EXPECT_EQ(started, std::vector<std::string>{tree.Program() + "pyrxt.exe"});
    EXPECT_EQ(FileText(tree.Program() + "pyrxt.exe"), std::string(5000, 'p'));

    started.clear();
    tree.ServeSignedAs("pyrxt.htm", std::string(5000, 'q'), nullptr);
    EXPECT_EQ(Run(server, true), 2);
    EXPECT_TRUE(started.empty());
    EXPECT_FALSE(std::filesystem::exists(tree.Program() + "pyrxt.exe"));
    EXPECT_TRUE(Printed(messages.Text(Msg::ErrorCaption) + ": " + messages.Text(Msg::UpgradeNotSigned) +
                        tree.Program() + "pyrxt.exe"));
}

TEST_F(ConsoleUpdate, TheServedProgramReplacesPyrafixExeThroughTheRealUpgrader)
{
    const auto readAll = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string image = readAll(::ProgramFolder() + "pyrafix.exe");
    ASSERT_GT(image.size(), 100000u);
    const std::string program = tree.Program() + "pyrafix.exe", upgrader = tree.Program() + "pyrxt.exe";
    {
        std::ofstream(program, std::ios::binary) << "old version";
    }
    // The new program, once in place, refuses this Windows and ends at its message box.
    RegKey version;
    ASSERT_TRUE(version.Create(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\pyrafix.exe"));
    ASSERT_TRUE(version.WriteString("Version", "win98"));
    tree.ServeList(UpdateTree::Date(12), "Pyrafix Pro v8 - SE (Build date: 1.1.2011)");
    tree.Serve("pyrxt.htm", image);
    LocalHttpServer server(tree.Www());
    out.str("");
    EXPECT_EQ(RunConsoleUpdate(tree.Program(), server.Host(), true, StartUpgrader, out, tree.Key()), 0) << out.str();

    HWND box = probe::WaitForTop(0, "Pyrafix Pro", "#32770", 30000);
    ASSERT_TRUE(box) << "the upgraded program never showed itself";
    EXPECT_EQ(probe::MessageBoxText(box), messages.Text(Msg::UnsupportedWindows));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(readAll(program), image);
    for (int i = 0; i < 200 && std::filesystem::exists(upgrader); ++i)
        Sleep(50);
    EXPECT_FALSE(std::filesystem::exists(upgrader)); // the new program deletes the upgrader
    version.DeleteValue("Version");
}

} // namespace
