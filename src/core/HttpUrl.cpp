#include "core/HttpUrl.h"

#include "core/TextHelpers.h"

HttpTarget SplitHttpUrl(const std::string& url)
{
    std::string rest = url;
    if (LowerCase(url).find("http://") != std::string::npos)
        rest = url.size() > 7 ? url.substr(7) : std::string();
    HttpTarget target;
    const size_t slash = rest.find('/');
    if (slash == std::string::npos) {
        target.Path = rest;
        return target;
    }
    target.Server = rest.substr(0, slash);
    target.Path = rest.substr(slash);
    const size_t colon = target.Server.rfind(':');
    if (colon != std::string::npos) {
        const std::string digits = target.Server.substr(colon + 1);
        int port = 0;
        bool valid = !digits.empty() && digits.size() <= 5;
        for (char c : digits) {
            valid = valid && c >= '0' && c <= '9';
            port = port * 10 + (c - '0');
        }
        target.Server.erase(colon);
        if (!valid || port < 1 || port > 65535)
            target.Server.clear();
        else
            target.Port = port;
    }
    return target;
}
