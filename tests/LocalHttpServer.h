#pragma once
// A real HTTP server on 127.0.0.1 for one test: Debian's python3 serving a folder
// (tests/fixtures/http_server.py), on a port the system chose.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFolder.h"

#ifndef PYRAFIX_TESTS_DIR
#error "PYRAFIX_TESTS_DIR names the tests folder of the source tree"
#endif

// The Linux path of a Windows one; the server is a Linux program.
inline std::string UnixPathOf(const std::string& windowsPath)
{
    using Convert = char*(CDECL*)(const WCHAR*);
    // Through void*: FARPROC has no arguments, and gcc warns about the direct cast.
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert)
        return std::string();
    const std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = convert(wide.c_str());
    if (!unix)
        return std::string();
    std::string path(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

class LocalHttpServer {
public:
    // Serves `root`; mode "404" answers every path with a 404 page.
    explicit LocalHttpServer(const std::string& root, const std::string& mode = "")
        : state_(root + ".server" + std::to_string(NextNumber()))
    {
        std::filesystem::create_directories(state_);
        std::string command = "Z:\\usr\\bin\\python3 " PYRAFIX_TESTS_DIR "/fixtures/http_server.py \"" +
                              UnixPathOf(root) + "\" \"" + UnixPathOf(state_) + "\" " + mode;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        for (int i = 0; i < 200 && port_ == 0; ++i) {
            Sleep(50);
            const std::string text = FileText(state_ + "\\port");
            if (text != "<unreadable>")
                port_ = std::atoi(text.c_str());
        }
        EXPECT_NE(port_, 0) << "the test server did not start: " << command;
    }
    ~LocalHttpServer()
    {
        // The server looks for the stop file (or its folder) every 200 ms.
        CloseHandle(CreateFileA((state_ + "\\stop").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        Sleep(250);
        std::error_code ignored;
        std::filesystem::remove_all(state_, ignored);
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int Port() const { return port_; }
    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string Url(const std::string& path) const { return "http://" + Host() + path; }
    // The paths asked for so far, in order.
    std::vector<std::string> Requests() const
    {
        std::vector<std::string> paths;
        const std::string text = FileText(state_ + "\\requests.log");
        if (text == "<unreadable>")
            return paths;
        size_t start = 0;
        for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
            paths.push_back(text.substr(start, end - start));
        return paths;
    }

private:
    // Each server keeps its port and log apart, also two on one folder.
    static int NextNumber()
    {
        static int number = 0;
        return ++number;
    }

    std::string state_;
    int port_ = 0;
};
