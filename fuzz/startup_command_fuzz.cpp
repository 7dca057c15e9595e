// Startup commands and service image paths as the registry holds them: the program
// file each names.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/StartupCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string command(reinterpret_cast<const char*>(data), size);
    const std::string program = ProgramFileOfCommand(command);
    FUZZ_CHECK(program.size() <= command.size() + 8);
    (void)ServiceVersionFile(command);
    (void)ServicePropertiesFile(command);
    return 0;
}
