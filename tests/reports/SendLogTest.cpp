#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "AppShell.h"
#include "LocalFtpServer.h"
#include "TestFolder.h"
#include "platform/FileSystem.h"
#include "reports/SendLog.h"

namespace {

struct RecordingView : SendLogView {
    void Status(const std::string& text) override { status.push_back(text); }
    void ShowError(const std::string& text) override { boxes.push_back("error: " + text); }
    void ShowInformation(const std::string& text) override { boxes.push_back("information: " + text); }
    std::vector<std::string> status, boxes;
};

std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The machine's startup entries and the scan's detections, one line in both.
SharedState StateWithLogs()
{
    SharedState state;
    state.LogRequested = true;
    state.StartupEntries.Add("Proc c:\\b.exe[d41d8cd98f00b204e9800998ecf8427e][0]");
    state.StartupEntries.Add("!Infected both.exe=;c:\\;bad;00;1;");
    state.InfectedList.Add("!Infected both.exe=;c:\\;bad;00;1;");
    state.InfectedList.Add("!Infected a.exe=;c:\\;bad;11;2;");
    return state;
}

const char ExpectedLog[] = "!Infected a.exe=;c:\\;bad;11;2;\r\n"
                           "!Infected both.exe=;c:\\;bad;00;1;\r\n"
                           "Proc c:\\b.exe[d41d8cd98f00b204e9800998ecf8427e][0]\r\n";

} // namespace

TEST(SendLog, TheLogArrivesUnderTheUsersNameAsTheSortedUnionOfBothLists)
{
    TestFolder folder;
    LocalFtpServer server(folder, LogAccount, LogPassword());
    SharedState state = StateWithLogs();
    RecordingView view;
    SendLog(state, folder.Path() + "\\", {"127.0.0.1", server.port}, "back\\slash/user", view);

    EXPECT_FALSE(state.LogRequested);
    EXPECT_EQ(ReadText(folder / "SendLog.txt"), ExpectedLog);
    std::vector<std::string> arrived;
    for (FindFiles find(server.root + "\\*.txt"); find.Valid(); find.Next())
        arrived.push_back(find.Name());
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_TRUE(std::regex_match(arrived[0], std::regex(R"(back_slash_user\d{1,4}\.txt)"))) << arrived[0];
    EXPECT_EQ(ReadText(server.root + "\\" + arrived[0]), ExpectedLog);
    EXPECT_EQ(view.boxes, std::vector<std::string>{"information: Log file successfully sent, Thank you!"});
    ASSERT_FALSE(view.status.empty());
    EXPECT_EQ(view.status.front(), "Sending log...");
    EXPECT_EQ(view.status.back(), "Log sent...");
}

TEST(SendLog, ARefusedLoginOrAnUnreachableServerSaysSoAndKeepsTheRequest)
{
    TestFolder folder;
    LocalFtpServer server(folder, LogAccount, "another-password");
    for (const ServerAddress& address : {ServerAddress{"127.0.0.1", server.port}, ServerAddress{"127.0.0.1", 1}}) {
        SharedState state = StateWithLogs();
        RecordingView view;
        SendLog(state, folder.Path() + "\\", address, "user", view);
        EXPECT_TRUE(state.LogRequested) << address.Port;
        EXPECT_EQ(view.boxes, std::vector<std::string>{"error: Cannot send log file!"}) << address.Port;
        EXPECT_EQ(view.status, std::vector<std::string>{"Log error..."}) << address.Port;
    }
    std::vector<std::string> arrived;
    for (FindFiles find(server.root + "\\*"); find.Valid(); find.Next())
        if (!find.IsDirectory())
            arrived.push_back(find.Name());
    EXPECT_TRUE(arrived.empty());
}

TEST(SendLog, WithoutARequestNothingIsWritten)
{
    TestFolder folder;
    SharedState state = StateWithLogs();
    state.LogRequested = false;
    RecordingView view;
    SendLog(state, folder.Path() + "\\", {"127.0.0.1", 1}, "user", view);
    EXPECT_EQ(GetFileAttributesA((folder / "SendLog.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(view.boxes.empty() && view.status.empty());
    EXPECT_EQ(state.StartupEntries.Count(), 2);
}

TEST(SendLog, RemoteNamesAndServerAddresses)
{
    EXPECT_EQ(RemoteLogName("", 7), "7.txt");
    EXPECT_EQ(RemoteLogName("..\\up/a:b*c?d\"e<f>g|h", 12), ".._up_a_b_c_d_e_f_g_h12.txt");
    EXPECT_EQ(RemoteLogName("Jan Novak", 9999), "Jan Novak9999.txt");
    const struct {
        const char* Text;
        const char* Host;
        unsigned short Port;
    } rows[] = {
        {"logs.example.com", "logs.example.com", 21},
        {"127.0.0.1:2121", "127.0.0.1", 2121},
        {"host:", "host", 21},
        {"host:port", "host", 21},
        {"host:70000", "host", 21},
        {"host:0", "host", 21},
    };
    for (const auto& row : rows) {
        const ServerAddress address = ParseServerAddress(row.Text, 21);
        EXPECT_EQ(address.Host, row.Host) << row.Text;
        EXPECT_EQ(address.Port, row.Port) << row.Text;
    }
}

TEST(SendLog, ACleanQuickScanOffersTheUploadTheServerAskedFor)
{
    TestFolder folder;
    LocalFtpServer server(folder, LogAccount, LogPassword());
    LogServerValueSet value("127.0.0.1:" + std::to_string(server.port));
    AppShell w(folder);
    w.ShowScanPage();
    w.state.DatabaseStream = MemoryStream("2026-12-10\r\n_end\r\n"); // nothing to find
    w.state.LogRequested = true;
    for (int answer : {idYes, idOk, idYes, idOk}) // scan?, clean, send the log?, sent
        w.renderer.Answer(answer);
    w.Main().Button1->Click();

    EXPECT_FALSE(w.state.LogRequested);
    ASSERT_EQ(w.renderer.Boxes().size(), 4u);
    EXPECT_EQ(w.renderer.Boxes()[2].Text, w.state.Messages.Text(Msg::SendLogQuestion));
    EXPECT_EQ(w.renderer.Boxes()[3].Text, "Log file successfully sent, Thank you!");
    int arrived = 0;
    for (FindFiles find(server.root + "\\*.txt"); find.Valid(); find.Next())
        ++arrived;
    EXPECT_EQ(arrived, 1);
}
