#pragma once
#include <windows.h>

#include <cstring>
#include <string>

#include "database/DatabaseFile.h"

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
