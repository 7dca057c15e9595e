#pragma once
#include <functional>
#include <string>

// A registry value that starts a program, as RegBase.rgk's keys hold them.
struct StartupValue {
    int RootCode = 0;
    std::string KeyPath;
    std::string ValueName;
    std::string ValueData; // as stored, not expanded
};
using StartupValueHandler = std::function<void(const StartupValue&)>;

// RegBase.rgk in the program folder.
std::string RegBasePath();

// Hands every string value of every listed key that exists to the handler, in file
// order of the keys and registry order of the values. False when the base cannot
// be opened.
bool EnumStartupValues(const StartupValueHandler& handler, const std::string& basePath = RegBasePath());

// Deletes every startup value whose data contains the path, or equals its file-name
// part, ignoring case; true when at least one was deleted. An empty path removes nothing.
bool RemoveStartupValuesFor(const std::string& path, const std::string& basePath = RegBasePath());
