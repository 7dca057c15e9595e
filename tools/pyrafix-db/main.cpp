#include <iostream>

#include "DbTool.h"

int main(int argc, char** argv)
{
    return RunDbTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
