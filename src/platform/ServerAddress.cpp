#include "platform/ServerAddress.h"

#include <windows.h>

#include "core/TextHelpers.h"
#include "platform/RegistryKey.h"

namespace {

bool PlainHost(const std::string& host)
{
    // A DNS name has at most 253 characters; a port adds six.
    if (host.empty() || host.size() > 253 + 6)
        return false;
    for (char c : host)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
              c == ':'))
            return false;
    return true;
}

} // namespace

std::string ReadServerSetting(const std::string& key, const std::string& valueName)
{
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        RegKey options;
        std::string value;
        if (!options.Open(root, key, KEY_QUERY_VALUE) || !options.ReadString(valueName, value))
            continue;
        value = Trim(value);
        if (PlainHost(value))
            return value;
    }
    return {};
}

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
    const std::string setting = ReadServerSetting(OptionsKey, valueName);
    return setting.empty() ? ServerAddress{defaultHost, defaultPort} : ParseServerAddress(setting, defaultPort);
}
