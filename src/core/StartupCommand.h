#pragma once
#include <string>

// The program file of a startup command, in lower case, as the startup manager uses
// it for icons and "Detail Information": the quoted part, the DLL of a rundll32 call,
// or the path up to ".exe" when arguments follow.
std::string ProgramFileOfCommand(const std::string& command);

// The executable of a service's binary path name whose version information is read:
// the quoted part, else up to the first ".exe", else the first word with ".exe" added.
std::string ServiceVersionFile(const std::string& binaryPath);
// The same for the "properties" dialog, where nothing is appended to the first word.
std::string ServicePropertiesFile(const std::string& binaryPath);
