#pragma once
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"

// The folder of the test program, where the build puts the fixture programs.
inline std::string FixtureFolder()
{
    const std::string self = ModuleFileName();
    return self.substr(0, self.find_last_of('\\') + 1);
}

inline std::string FixturePath(const std::string& name)
{
    return FixtureFolder() + name;
}

// A copy of the waiting fixture under a chosen path, started; ended and waited for
// when the object goes. A `tail` appended to the copy gives it a fingerprint of its own.
class RunningFixture {
public:
    explicit RunningFixture(const std::string& path, const std::string& tail = "") : path_(path)
    {
        EXPECT_TRUE(CopyFileA(FixturePath("idle_process.exe").c_str(), path.c_str(), FALSE)) << path;
        if (!tail.empty()) {
            HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            DWORD written = 0;
            EXPECT_TRUE(WriteFile(file, tail.data(), static_cast<DWORD>(tail.size()), &written, nullptr)) << path;
            CloseHandle(file);
        }
        std::string command = "\"" + path + "\" 60";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        // No console at all: a console of its own would get a host process that can
        // outlive a fixture ended early and hold the test runner's output open.
        EXPECT_TRUE(CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                                   nullptr, &startup, &info))
            << path;
        process_ = info.hProcess;
        id_ = info.dwProcessId;
        if (info.hThread)
            CloseHandle(info.hThread);
        // Wait until its modules can be read, so the tests see it fully started.
        char module[MAX_PATH];
        for (int i = 0; i < 100 && process_ && !GetModuleFileNameExA(process_, nullptr, module, MAX_PATH); ++i)
            Sleep(50);
    }
    ~RunningFixture()
    {
        if (process_) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 10000);
            CloseHandle(process_);
        }
        DeleteFileA(path_.c_str());
    }
    RunningFixture(const RunningFixture&) = delete;
    RunningFixture& operator=(const RunningFixture&) = delete;

    DWORD Id() const { return id_; }
    // True when the process ended within the time given.
    bool Ended(DWORD milliseconds = 10000) const
    {
        return WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
    }

private:
    std::string path_;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};
