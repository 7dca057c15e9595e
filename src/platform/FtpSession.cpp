#include "platform/FtpSession.h"

FtpSession::~FtpSession()
{
    Disconnect();
}

FtpOutcome FtpSession::Connect(const std::string& host, unsigned short port, const std::string& user,
                               const std::string& password)
{
    Disconnect();
    internet_ = InternetOpenA("Pyrafix Pro", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!internet_)
        return FtpOutcome::ConnectionFailed;
    // No INTERNET_FLAG_PASSIVE: the server opens the data connection (PORT).
    connection_ =
        InternetConnectA(internet_, host.c_str(), port, user.c_str(), password.c_str(), INTERNET_SERVICE_FTP, 0, 0);
    if (connection_)
        return FtpOutcome::Connected;
    const DWORD error = GetLastError();
    Disconnect();
    if (error == ERROR_INTERNET_NAME_NOT_RESOLVED || error == ERROR_INTERNET_INVALID_URL)
        return FtpOutcome::InvalidHost;
    if (error == ERROR_INTERNET_LOGIN_FAILURE || error == ERROR_INTERNET_EXTENDED_ERROR)
        return FtpOutcome::AuthenticationFailed;
    return FtpOutcome::ConnectionFailed;
}

bool FtpSession::Command(const std::string& command)
{
    return connection_ && FtpCommandA(connection_, FALSE, FTP_TRANSFER_TYPE_ASCII, command.c_str(), 0, nullptr);
}

bool FtpSession::PutFile(const std::string& localPath, const std::string& remoteName)
{
    return connection_ && FtpPutFileA(connection_, localPath.c_str(), remoteName.c_str(), FTP_TRANSFER_TYPE_BINARY, 0);
}

void FtpSession::Disconnect()
{
    if (connection_)
        InternetCloseHandle(connection_);
    if (internet_)
        InternetCloseHandle(internet_);
    connection_ = nullptr;
    internet_ = nullptr;
}
