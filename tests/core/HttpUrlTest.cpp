#include <gtest/gtest.h>

#include "core/HttpUrl.h"

TEST(HttpUrl, SplitsServerPortAndPath)
{
    struct Case {
        const char* url;
        const char* server;
        int port;
        const char* path;
    } cases[] = {
        {"http://updates.zentrova.example/updr2/list.htm", "updates.zentrova.example", 80, "/updr2/list.htm"},
        {"HTTP://Host/a/b.htm", "Host", 80, "/a/b.htm"},        // the scheme in capitals too
        {"host/updr2/list.htm", "host", 80, "/updr2/list.htm"}, // no scheme: as it stands
        {"http://127.0.0.1:18123/updr2/upd/13.htm", "127.0.0.1", 18123, "/updr2/upd/13.htm"},
        {"http://host", "", 80, "host"},       // no "/": all path, no server
        {"http://host:99999/x", "", 80, "/x"}, // a port out of range names no server
        {"http://host:8o/x", "", 80, "/x"},
    };
    for (const Case& c : cases) {
        const HttpTarget target = SplitHttpUrl(c.url);
        EXPECT_EQ(target.Server, c.server) << c.url;
        EXPECT_EQ(target.Port, c.port) << c.url;
        EXPECT_EQ(target.Path, c.path) << c.url;
    }
}
