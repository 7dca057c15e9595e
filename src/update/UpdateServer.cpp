#include "update/UpdateServer.h"

#include "core/TextHelpers.h"
#include "platform/RegistryKey.h"

const char MakerUpdateHost[] = "updates.zentrova.example";
const char UpdateServerValue[] = "UpdateServer";

namespace {

// A host name or address with an optional port: nothing that would change the path
// the URL asks for or smuggle in user information.
bool PlainHost(const std::string& host)
{
    if (host.empty())
        return false;
    for (char c : host)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
              c == ':'))
            return false;
    return true;
}

bool ReadHost(HKEY root, const std::string& key, std::string& host)
{
    RegKey options;
    std::string value;
    if (!options.Open(root, key, KEY_QUERY_VALUE) || !options.ReadString(UpdateServerValue, value))
        return false;
    value = Trim(value);
    if (!PlainHost(value))
        return false;
    host = value;
    return true;
}

} // namespace

std::string UpdateServerHost(const std::string& key)
{
    std::string host;
    if (ReadHost(HKEY_CURRENT_USER, key, host) || ReadHost(HKEY_LOCAL_MACHINE, key, host))
        return host;
    return MakerUpdateHost;
}

std::string UpdateUrl(const std::string& host, const std::string& path)
{
    return "http://" + host + path;
}
