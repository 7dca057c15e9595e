#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/RegistryKey.h"
#include "update/UpdateServer.h"

namespace {

// A settings key of this test's own under both roots, removed afterwards, so no
// other test sees its values.
struct ServerSetting : ::testing::Test {
    ServerSetting() : key("Software\\Zentrova\\PyrafixUpdateTest-" + std::to_string(GetCurrentProcessId())) {}
    ~ServerSetting() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
    }
    void Set(HKEY root, const std::string& value)
    {
        RegKey options;
        ASSERT_TRUE(options.Create(root, key));
        options.WriteString(UpdateServerValue, value);
    }
    std::string key;
};

TEST_F(ServerSetting, TheUsersMirrorWinsOverTheMachinesAndTheMakersHostIsLast)
{
    EXPECT_EQ(UpdateServerHost(key), MakerUpdateHost);
    Set(HKEY_LOCAL_MACHINE, "mirror.example.org");
    EXPECT_EQ(UpdateServerHost(key), "mirror.example.org");
    Set(HKEY_CURRENT_USER, " 127.0.0.1:18123 ");
    EXPECT_EQ(UpdateServerHost(key), "127.0.0.1:18123");
    // A value that would change the path or carry user information is no host.
    for (const char* bad : {"", "evil.example/updr2", "user@host.example", "host.example?x"}) {
        Set(HKEY_CURRENT_USER, bad);
        EXPECT_EQ(UpdateServerHost(key), "mirror.example.org") << bad;
    }
    // A name longer than any host (a megabyte of letters), or a value of another type.
    Set(HKEY_CURRENT_USER, std::string(1 << 20, 'a'));
    EXPECT_EQ(UpdateServerHost(key), "mirror.example.org");
    RegKey options;
    ASSERT_TRUE(options.Create(HKEY_CURRENT_USER, key));
    const DWORD number = 80;
    ASSERT_EQ(RegSetValueExA(options.Get(), UpdateServerValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                             sizeof number),
              ERROR_SUCCESS);
    EXPECT_EQ(UpdateServerHost(key), "mirror.example.org");
    EXPECT_EQ(UpdateUrl("127.0.0.1:18123", "/updr2/list.htm"), "http://127.0.0.1:18123/updr2/list.htm");
}

} // namespace
