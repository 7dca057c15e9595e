#pragma once
#include <windows.h>

#include <wininet.h>

#include <string>

// How a connection attempt ended, as the FTP component's events name it.
enum class FtpOutcome { Connected, InvalidHost, AuthenticationFailed, ConnectionFailed };

// One FTP session through WinInet, in active mode (the server connects back for each
// transfer). Closed when the object goes.
class FtpSession {
public:
    FtpSession() = default;
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    // Connects and logs in.
    FtpOutcome Connect(const std::string& host, unsigned short port, const std::string& user,
                       const std::string& password);
    bool Connected() const { return connection_ != nullptr; }
    // A raw command such as "ALLO 120"; true when the server accepted it.
    bool Command(const std::string& command);
    // Uploads a local file under a remote name (a STOR transfer); true when the
    // server confirmed it.
    bool PutFile(const std::string& localPath, const std::string& remoteName);
    void Disconnect();

private:
    HINTERNET internet_ = nullptr;
    HINTERNET connection_ = nullptr;
};
