#include <gtest/gtest.h>

#include <sstream>

#include "ConsoleCommands.h"
#include "TestFolder.h"
#include "platform/FileSystem.h"
#include "reports/LocalFtpServer.h"
#include "reports/SendLog.h"

TEST(ConsoleSendLog, UploadsAtOnceToTheLogServerValueAndSaysWhetherItArrived)
{
    TestFolder folder;
    LocalFtpServer server(folder, LogAccount, LogPassword());
    {
        LogServerValueSet value("127.0.0.1:" + std::to_string(server.port));
        std::ostringstream out, err;
        EXPECT_EQ(RunConsoleCommand({"send-log"}, out, err), 0) << out.str() << err.str();
        EXPECT_NE(out.str().find("Information: Log file successfully sent, Thank you!"), std::string::npos);
    }
    int arrived = 0;
    for (FindFiles find(server.root + "\\*.txt"); find.Valid(); find.Next())
        ++arrived;
    EXPECT_EQ(arrived, 1);

    LogServerValueSet unreachable("127.0.0.1:1");
    std::ostringstream out, err;
    EXPECT_EQ(RunConsoleCommand({"send-log"}, out, err), 2);
    EXPECT_NE(out.str().find("Error: Cannot send log file!"), std::string::npos);
}
