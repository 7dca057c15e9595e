#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"

// Another process (the hold_file fixture beside the test program) holds the file
// open until the object goes: without sharing, so nobody can read or delete it, or
// shared for reading and writing after writing HeldFile::SharedText into it, as a
// running program holds its log.
class HeldFile {
public:
    enum Sharing { Exclusive, Shared };
    static constexpr const char SharedText[] = "held open by another process";

    explicit HeldFile(const std::string& path, Sharing sharing = Exclusive)
    {
        const std::string self = ModuleFileName();
        std::string command = "\"" + self.substr(0, self.find_last_of('\\') + 1) + "hold_file.exe\" \"" + path +
                              "\" 60" + (sharing == Shared ? " shared" : "");
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                                   &startup, &info));
        process_ = info.hProcess;
        if (info.hThread)
            CloseHandle(info.hThread);
        for (int i = 0; i < 200; ++i) {
            if (FileExists(path) && Held(path, sharing))
                return;
            Sleep(25);
        }
        ADD_FAILURE() << "the file was never held: " << path;
    }
    ~HeldFile()
    {
        if (process_) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 10000);
            CloseHandle(process_);
        }
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    // Exclusive: a shared open is refused. Shared: the text is written.
    static bool Held(const std::string& path, Sharing sharing)
    {
        HANDLE probe = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        if (probe == INVALID_HANDLE_VALUE)
            return sharing == Exclusive;
        LARGE_INTEGER size{};
        GetFileSizeEx(probe, &size);
        CloseHandle(probe);
        return sharing == Shared && size.QuadPart >= static_cast<LONGLONG>(sizeof SharedText - 1);
    }

    HANDLE process_ = nullptr;
};
