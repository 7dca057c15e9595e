#pragma once
#include <string>

// Where the program talks to its maker's servers, under
// Software\Zentrova\Pyrafix Pro\Options (HKEY_CURRENT_USER over HKEY_LOCAL_MACHINE).
constexpr const char* OptionsKey = "Software\\Zentrova\\Pyrafix Pro\\Options";

struct ServerAddress {
    std::string Host;
    unsigned short Port = 0;
};

// "host" or "host:port"; the default port when none is given or it is not a number
// from 1 to 65535. An empty text gives an empty host.
ServerAddress ParseServerAddress(const std::string& text, unsigned short defaultPort);

// The string value `valueName` of `key` under HKEY_CURRENT_USER, else under
// HKEY_LOCAL_MACHINE (one setting for a whole machine), trimmed; empty when neither
// holds a plain "host" or "host:port" (nothing that could change a URL's path or
// carry user information).
std::string ReadServerSetting(const std::string& key, const std::string& valueName);

// The string value `valueName` of the options key, parsed; the default host and port
// when neither root has the value.
ServerAddress ReadServerAddress(const std::string& valueName, const std::string& defaultHost,
                                unsigned short defaultPort);
