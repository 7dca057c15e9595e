#pragma once
// The machine the scan and report benchmarks run on: a generated database that uses
// every record form, Run values under HKCU and running copies of the waiting fixture,
// all removed again when the Planted object goes.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/RegistryKey.h"

namespace bench {

const char RunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

inline double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Names no machine has: consonant runs that no system file or process uses.
inline std::string Nonsense(std::mt19937& random, int length)
{
    static const char letters[] = "bcdfghjklmnpqrstvwxz";
    std::string name;
    for (int i = 0; i < length; ++i)
        name += letters[random() % 20];
    return name;
}

// A database that uses every record form, with root lines every few records.
inline std::string MakeDatabase(int records, int onlyForm)
{
    std::mt19937 random(7);
    std::string text = "2026-12-10\r\n";
    static const char* roots[] = {"[System32Root]", "[Win32Root]", "[ProgramFiles32Root]", "[System32Root]\\drivers\\",
                                  "[Start]"};
    for (int i = 0; i < records; ++i) {
        if (i % 50 == 0)
            text += std::string(roots[(i / 50) % 5]) + "\r\n";
        const std::string n = Nonsense(random, 6 + random() % 5), name = "[Bench." + std::to_string(i) + "]";
        char md5[33];
        std::snprintf(md5, sizeof md5, "%08x%08x%08x%08x", static_cast<unsigned>(random()),
                      static_cast<unsigned>(random()), static_cast<unsigned>(random()),
                      static_cast<unsigned>(random()));
        const bool absolute = (i / 50) % 5 == 4; // under "[Start]" a record names a whole path
        const std::string at = absolute ? "C:\\" + Nonsense(random, 5) + "\\" : "";
        switch (onlyForm >= 0 ? onlyForm : i % 20) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            text += name + ":" + at + n + ".exe";
            break;
        case 6:
            text += ":" + at + n + ".dll"; // the default name
            break;
        case 7:
            text += name + ":" + at + Nonsense(random, 5) + "\\" + n + ".exe";
            break;
        case 8:
            text += name + ":" + at + n + "\\\\"; // a folder
            break;
        case 9:
        case 10:
            text += "/" + std::string(md5) + "/" + name + "::"; // fingerprint only
            break;
        case 11:
            text += "/0/" + name + ":" + at + n + ".exe";
            break;
        case 12:
            text += name + ":" + at + n + "<>.exe"; // wildcard
            break;
        case 13:
            text += name + ":" + at + n + "??a?d?.exe"; // letters a to c
            break;
        case 14:
            text += name + ":" + at + n + "??1?4?.dll"; // numbers 1 to 3
            break;
        case 15:
            text += name + ":" + at + n + "&0123456789!.exe";
            break;
        case 16:
            text += name + ":" + at + n.substr(0, 3) + "?" + n.substr(3) + "?.exe";
            break;
        case 17:
            text += name + ":" + at + (i % 100 == 17 ? std::string("randomA.exe") : n + ".sys");
            break;
        case 18:
            text += name + ":%%WinTemp%%\\" + n + ".exe";
            break;
        default:
            text += "/" + std::string(md5) + "/" + name + ":" + at + n + ".scr";
            break;
        }
        text += "\r\n";
    }
    return text + "_end\r\n";
}

struct Planted {
    std::string folder;
    int runValues = 0;
    std::vector<std::string> programs;
    std::vector<PROCESS_INFORMATION> processes;

    // Starts the running copies that are not running: the fixture ends itself after a
    // minute, and every round of the scan must see them all.
    void KeepRunning()
    {
        processes.resize(programs.size());
        bool started = false;
        for (size_t i = 0; i < programs.size(); ++i) {
            PROCESS_INFORMATION& p = processes[i];
            if (p.hProcess && WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT)
                continue;
            Close(p);
            std::string command = "\"" + programs[i] + "\" 60";
            STARTUPINFOA startup{};
            startup.cb = sizeof startup;
            CreateProcessA(programs[i].c_str(), command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                           nullptr, &startup, &p);
            started = true;
        }
        if (started)
            Sleep(2000); // until every copy shows its module path
    }

    static void Close(PROCESS_INFORMATION& p)
    {
        if (!p.hProcess)
            return;
        TerminateProcess(p.hProcess, 1);
        WaitForSingleObject(p.hProcess, 10000);
        CloseHandle(p.hProcess);
        CloseHandle(p.hThread);
        p = PROCESS_INFORMATION{};
    }

    ~Planted()
    {
        for (PROCESS_INFORMATION& p : processes)
            Close(p);
        RegKey key;
        if (key.Open(HKEY_CURRENT_USER, RunKey, KEY_READ | KEY_WRITE))
            for (int i = 0; i < runValues; ++i)
                key.DeleteValue("PyrafixBench" + std::to_string(i));
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// Plants `runValues` Run values naming copies of `fixture` and `processes` running copies.
inline void Plant(Planted& planted, const std::string& fixture, int runValues, int processes)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    planted.folder = std::string(temp) + "pyrafix-bench-" + std::to_string(GetCurrentProcessId());
    std::filesystem::create_directories(planted.folder);
    RegKey run;
    if (!run.Create(HKEY_CURRENT_USER, RunKey)) {
        std::fprintf(stderr, "cannot open the Run key\n");
        return;
    }
    for (int i = 0; i < runValues; ++i) {
        const std::string copy = planted.folder + "\\Startup Program " + std::to_string(i) + ".exe";
        CopyFileA(fixture.c_str(), copy.c_str(), FALSE);
        run.WriteString("PyrafixBench" + std::to_string(i), "\"" + copy + "\" /background -n " + std::to_string(i));
        planted.runValues = i + 1;
    }
    for (int i = 0; i < processes; ++i) {
        const std::string copy = planted.folder + "\\resident" + std::to_string(i) + ".exe";
        CopyFileA(fixture.c_str(), copy.c_str(), FALSE);
        planted.programs.push_back(copy);
    }
    planted.KeepRunning();
}

} // namespace bench
