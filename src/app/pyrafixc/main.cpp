#include <iostream>

#include "ConsoleCommands.h"

int main(int argc, char** argv)
{
    return RunConsoleCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
