#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LocalHttpServer.h"
#include "RandomBytes.h"
#include "TestFolder.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"
#include "update/HttpGet.h"

namespace {

std::string RandomText(size_t n, unsigned seed)
{
    const std::vector<uint8_t> bytes = RandomBytes(n, seed);
    return std::string(bytes.begin(), bytes.end());
}

struct Download : ::testing::Test {
    Download()
    {
        renderer.Attach(app);
        std::filesystem::create_directories(folder / "www");
    }
    void Serve(const std::string& name, const std::string& content) { folder.Write("www\\" + name, content); }
    THTTPGet& Get(const std::string& url)
    {
        THTTPGet* get = app.Make<THTTPGet>("Get" + std::to_string(++made));
        get->URL = url;
        get->FileName = target;
        get->OnDoneFile = [this](const std::string& file, int64_t size) { done.emplace_back(file, size); };
        get->OnError = [this] { ++errors; };
        return *get;
    }
    // Runs posted work until the component has handled its end.
    void WaitFor(THTTPGet& get)
    {
        for (int i = 0; i < 2000 && get.Running(); ++i) {
            app.ProcessMessages();
            Sleep(5);
        }
        ASSERT_FALSE(get.Running());
    }

    HeadlessRenderer renderer;
    TApplication app{&renderer};
    TestFolder folder;
    std::string target = folder / "target.bin";
    int made = 0;
    std::vector<std::pair<std::string, int64_t>> done;
    int errors = 0;
};

TEST_F(Download, WaitingDownloadReportsBlocksOnTheUiThreadAndEndsWithTheFile)
{
    const std::string content = RandomText(10000, 1);
    Serve("piece.htm", content);
    LocalHttpServer server(folder / "www");
    THTTPGet& get = Get(server.Url("/piece.htm"));
    get.BinaryData = true;
    get.WaitThread = true;
    std::vector<int64_t> readed;
    const DWORD uiThread = GetCurrentThreadId();
    get.OnProgress = [&](int64_t total, int64_t got) {
        EXPECT_EQ(total, 10000);
        EXPECT_EQ(GetCurrentThreadId(), uiThread);
        readed.push_back(got);
    };
    get.StartDownload(); // returns once the end has been handled

    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0], std::make_pair(target, int64_t{10000}));
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(FileText(target), content);
    ASSERT_FALSE(readed.empty());
    EXPECT_EQ(readed.back(), 10000);
    for (size_t i = 0; i < readed.size(); ++i)
        EXPECT_LE(readed[i] - (i ? readed[i - 1] : 0), 4097) << "block " << i;
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"/piece.htm"});
}

TEST_F(Download, OneTransferAtATimeAndANewOneOnceTheEndHasRun)
{
    Serve("list.htm", "Pyrafix Pro\r\n");
    LocalHttpServer server(folder / "www");
    THTTPGet& get = Get("HTTP://" + server.Host() + "/list.htm");
    int startsInsideEnd = 0;
    get.OnDoneFile = [&](const std::string& file, int64_t size) {
        done.emplace_back(file, size);
        get.StartDownload(); // still busy: nothing happens
        startsInsideEnd += get.Running() ? 1 : 0;
    };
    get.StartDownload();
    EXPECT_TRUE(get.Running()); // does not wait
    get.StartDownload();
    WaitFor(get);
    EXPECT_EQ(startsInsideEnd, 1);
    get.StartDownload(); // free again at once
    WaitFor(get);

    EXPECT_EQ(done.size(), 2u);
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/list.htm", "/list.htm"}));
}

// Every way a server can fail a download ends in OnError, and leaves no partial file
// that a later run could take for a whole one.
TEST_F(Download, HostileAndBrokenServersFailAndLeaveNoFile)
{
    Serve("big.bin", RandomText(2 * 1024 * 1024, 2));
    LocalHttpServer server(folder / "www");
    LocalHttpServer missing(folder / "www", "404");
    struct Case {
        std::string url;
        bool binary;
        const char* what;
    } cases[] = {
        {missing.Url("/big.bin"), false, "a 404 page with its length"},
        {server.Url("/bad/short"), true, "a Content-Length larger than the body"},
        {server.Url("/bad/stall"), true, "a body that stops coming"},
        {server.Url("/bad/endless"), false, "a body that never ends"},
        {server.Url("/bad/huge"), true, "an announced length beyond the limit"},
        {server.Url("/big.bin"), true, "a file beyond the limit"},
        {server.Url("/bad/nolength"), false, "no length and a body"},
        {server.Url("/bad/nolength"), true, "no length for binary data"},
        {"http://127.0.0.1:1/list.htm", false, "nobody listening"},
    };
    for (const Case& c : cases) {
        done.clear();
        errors = 0;
        THTTPGet& get = Get(c.url);
        get.BinaryData = c.binary;
        get.WaitThread = true;
        get.StallTimeoutMs = 1500;
        get.MaxSize = 1024 * 1024;
        get.StartDownload();
        EXPECT_EQ(errors, 1) << c.what;
        EXPECT_TRUE(done.empty()) << c.what;
        EXPECT_FALSE(std::filesystem::exists(target)) << c.what;
        EXPECT_FALSE(get.Succeeded()) << c.what;
    }
}

TEST_F(Download, AbortBetweenBlocksEndsInOnError)
{
    Serve("big.bin", RandomText(200000, 3));
    LocalHttpServer server(folder / "www");
    THTTPGet& get = Get(server.Url("/big.bin"));
    get.BinaryData = true;
    get.WaitThread = true;
    int blocks = 0;
    get.OnProgress = [&](int64_t, int64_t) {
        if (++blocks == 2)
            get.AbortDownload();
    };
    get.StartDownload();
    EXPECT_EQ(blocks, 2);
    EXPECT_EQ(errors, 1);
    EXPECT_TRUE(done.empty());
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(Download, DestroyingTheComponentStopsItsTransfer)
{
    LocalHttpServer server(folder / "www");
    THTTPGet* get = new THTTPGet(nullptr, "Loose");
    delete get; // idle: nothing to stop
    {
        TApplication other(&renderer);
        THTTPGet& stalled = *other.Make<THTTPGet>("Get");
        stalled.URL = server.Url("/bad/stall");
        stalled.FileName = target;
        stalled.StallTimeoutMs = 1500; // a blocked read ends by the timeout at the latest
        stalled.OnError = [this] { ++errors; };
        stalled.StartDownload();
        Sleep(300);
    } // the worker is stopped and joined; its late end finds no component
    renderer.Attach(app);
    app.ProcessMessages();
    EXPECT_EQ(errors, 0);
}

} // namespace
