#pragma once
// A real FTP server on 127.0.0.1 for one test (tests/fixtures/ftp_server.py over
// Debian's python3-pyftpdlib), started as a Linux program from under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "SourcePath.h"
#include "TestFolder.h"
#include "platform/RegistryKey.h"
#include "platform/ServerAddress.h"
#include "reports/SendLog.h"
#include "systools/Fixtures.h"

// The Linux path of a Windows one (Wine's kernel32 export).
inline std::string UnixPath(const std::string& path)
{
    using Convert = char*(CDECL*)(LPCWSTR);
    static const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    std::wstring wide(path.begin(), path.end());
    char* unix = convert ? convert(wide.c_str()) : nullptr;
    std::string result = unix ? unix : path;
    if (unix)
        HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

class LocalFtpServer {
public:
    LocalFtpServer(const TestFolder& folder, const std::string& user, const std::string& password)
        : root(folder / "ftp-root"), portFile_(folder / "ftp-port"), stopFile_(folder / "ftp-stop")
    {
        CreateDirectoryA(root.c_str(), nullptr);
        const std::string script = UnixPath(SourcePath("tests/fixtures/ftp_server.py"));
        std::string command = "/usr/bin/python3 " + script + " " + UnixPath(root) + " " + UnixPath(portFile_) + " " +
                              user + " " + password + " 60 " + UnixPath(stopFile_);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        EXPECT_TRUE(CreateProcessA("Z:\\usr\\bin\\python3", command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &info))
            << GetLastError();
        process_ = info.hProcess;
        if (info.hThread)
            CloseHandle(info.hThread);
        for (int i = 0; i < 200 && port == 0; ++i) {
            std::ifstream in(portFile_);
            if (!(in >> port))
                Sleep(50);
        }
        EXPECT_NE(port, 0) << "the FTP server did not start";
    }
    ~LocalFtpServer()
    {
        std::ofstream(stopFile_) << "stop";
        if (process_) {
            WaitForSingleObject(process_, 10000);
            CloseHandle(process_);
        }
    }
    LocalFtpServer(const LocalFtpServer&) = delete;
    LocalFtpServer& operator=(const LocalFtpServer&) = delete;

    const std::string root; // where uploads land
    unsigned short port = 0;

private:
    std::string portFile_, stopFile_;
    HANDLE process_ = nullptr;
};

// "LogServer" under the options key for one test; removed afterwards. The tests that
// set it hold the "settings" ctest lock.
class LogServerValueSet {
public:
    explicit LogServerValueSet(const std::string& address)
    {
        RegKey key;
        EXPECT_TRUE(key.Create(HKEY_CURRENT_USER, OptionsKey));
        EXPECT_TRUE(key.WriteString(LogServerValue, address));
    }
    ~LogServerValueSet()
    {
        RegKey key;
        if (key.Open(HKEY_CURRENT_USER, OptionsKey, KEY_READ | KEY_WRITE))
            key.DeleteValue(LogServerValue);
    }
    LogServerValueSet(const LogServerValueSet&) = delete;
    LogServerValueSet& operator=(const LogServerValueSet&) = delete;
};
