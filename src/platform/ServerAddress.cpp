#include "platform/ServerAddress.h"

#include <windows.h>

#include "platform/RegistryKey.h"

ServerAddress ParseServerAddress(const std::string& text, unsigned short defaultPort)
{
    ServerAddress address{text, defaultPort};
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos)
        return address;
    address.Host = text.substr(0, colon);
    const std::string port = text.substr(colon + 1);
    if (!port.empty() && port.size() <= 5 && port.find_first_not_of("0123456789") == std::string::npos) {
        const unsigned long number = std::stoul(port);
        if (number >= 1 && number <= 65535)
            address.Port = static_cast<unsigned short>(number);
    }
    return address;
}

ServerAddress ReadServerAddress(const std::string& valueName, const std::string& defaultHost,
                                unsigned short defaultPort)
{
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        RegKey key;
        std::string text;
        if (key.Open(root, OptionsKey, KEY_QUERY_VALUE) && key.ReadString(valueName, text) && !text.empty())
            return ParseServerAddress(text, defaultPort);
    }
    return ServerAddress{defaultHost, defaultPort};
}
