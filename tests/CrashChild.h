#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "database/DatabaseFile.h"
#include "platform/CrashPoint.h"

// Runs crash_child.exe (beside the tests) with the command line `arguments`, armed to
// end at its crashAt-th crash point; returns its exit code (CrashPointExitCode when it
// ended there), or -1 when it could not be started or did not end within a minute.
inline long RunCrashChild(const std::string& arguments, long crashAt)
{
    // The child's environment is this one plus the arming variable.
    std::string environment;
    if (char* strings = GetEnvironmentStringsA()) {
        for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1)
            environment.append(entry).push_back('\0');
        FreeEnvironmentStringsA(strings);
    }
    environment += "PYRAFIX_CRASH_AT=" + std::to_string(crashAt);
    environment.push_back('\0');
    environment.push_back('\0');

    const std::string program = ProgramFolder() + "crash_child.exe";
    std::string command = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, environment.data(), nullptr,
                        &startup, &process))
        return -1;
    long code = -1;
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        DWORD exit = 0;
        GetExitCodeProcess(process.hProcess, &exit);
        code = static_cast<long>(exit);
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

inline std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// Runs a change in crash_child ended at its first, second, ... crash point, until it
// runs to its end. `start(run)` prepares a fresh scene for that run and returns the
// child's arguments; `check(run, completed)` looks at what the run left behind.
inline void CrashAtEveryPoint(const std::function<std::string(long run)>& start,
                              const std::function<void(long run, bool completed)>& check)
{
    long crashAt = 1;
    for (;; ++crashAt) {
        SCOPED_TRACE("ended at crash point " + std::to_string(crashAt));
        const long code = RunCrashChild(start(crashAt), crashAt);
        if (code != static_cast<long>(CrashPointExitCode)) {
            EXPECT_EQ(code, 0) << "the change runs to its end when no crash point stops it";
            check(crashAt, true);
            break;
        }
        check(crashAt, false);
        ASSERT_LT(crashAt, 200) << "the change never ends";
    }
    EXPECT_GT(crashAt, 2) << "the change passes several crash points";
}
