#include "update/UpdateServer.h"

#include "platform/ServerAddress.h"

const char MakerUpdateHost[] = "updates.zentrova.example";
const char UpdateServerValue[] = "UpdateServer";

std::string UpdateServerHost(const std::string& key)
{
    const std::string host = ReadServerSetting(key, UpdateServerValue);
    return host.empty() ? MakerUpdateHost : host;
}

std::string UpdateUrl(const std::string& host, const std::string& path)
{
    return "http://" + host + path;
}
