#include <windows.h>

#include <iostream>

#include "ConsoleCommands.h"

int main(int argc, char** argv)
{
    // The texts are ANSI (Windows-1252 for the shipped languages); a console shows the
    // OEM code page unless told otherwise, which would garble every accented letter.
    const UINT consolePage = GetConsoleOutputCP();
    if (consolePage)
        SetConsoleOutputCP(GetACP());
    const int code = RunConsoleCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    std::cout.flush();
    if (consolePage)
        SetConsoleOutputCP(consolePage);
    return code;
}
