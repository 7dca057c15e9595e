#pragma once
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "TestFolder.h"
#include "database/DatabaseFile.h"

// Runs a copy of pyrafixc.exe from `folder` and returns its exit code; its error
// output goes to `errors`.
inline DWORD RunCopy(const TestFolder& folder, const std::string& args, std::string& errors)
{
    const std::string exe = folder / "pyrafixc.exe";
    EXPECT_TRUE(CopyFileA((ProgramFolder() + "pyrafixc.exe").c_str(), exe.c_str(), FALSE));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const std::string errFile = folder / "err.txt";
    HANDLE err = CreateFileA(errFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdError = err;
    si.hStdOutput = err;
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + exe + "\" " + args;
    DWORD code = 999;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(err);
    std::ifstream in(errFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    errors = text.str();
    return code;
}
