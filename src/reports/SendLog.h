#pragma once
#include <string>

#include "model/SharedState.h"
#include "platform/ServerAddress.h"

// The maker's log server; the "LogServer" value of the options key points elsewhere.
constexpr const char* LogServerHost = "logs.pyrafix.example.com";
constexpr unsigned short LogServerPort = 21;
constexpr const char* LogServerValue = "LogServer";
constexpr const char* LogAccount = "pyrafixlog";

// The account's password, put together at run time so it never stands whole in the image.
std::string LogPassword();

// The remote name of a log: the user name with every character an FTP path or a
// Windows file name cannot hold replaced, so it never names another folder, then the
// number and ".txt".
std::string RemoteLogName(const std::string& userName, int number);

// What the upload shows: status panel 0 and its message boxes.
class SendLogView {
public:
    virtual ~SendLogView() = default;
    virtual void Status(const std::string& text) = 0;
    virtual void ShowError(const std::string& text) = 0;       // caption message 2, on top
    virtual void ShowInformation(const std::string& text) = 0; // caption message 23, on top
};

// Unless LogRequested is false: adds InfectedList to StartupEntries, saves them as
// SendLog.txt in `programFolder` and uploads it to `server` (active mode, "ALLO" then
// STOR). A confirmed upload clears LogRequested; every failure keeps it.
void SendLog(SharedState& state, const std::string& programFolder, const ServerAddress& server,
             const std::string& userName, SendLogView& view);
