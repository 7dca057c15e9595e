#include "update/HttpGet.h"

#include <windows.h>

#include <wininet.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "core/HttpUrl.h"
#include "platform/Handles.h"
#include "platform/InternetHandle.h"
#include "ui/Application.h"

const char UpdateAgentName[] = "Pyrafix Pro Updater";

namespace {
constexpr DWORD BlockBytes = 4097;
constexpr DWORD BlocksPerRead = 64;

// A server that stops sending must not hold the download for ever. Each handle
// level keeps its own timeouts (a request does not inherit its session's in Wine).
void SetTimeouts(HINTERNET handle, int milliseconds)
{
    DWORD timeout = static_cast<DWORD>(milliseconds);
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                         INTERNET_OPTION_DATA_RECEIVE_TIMEOUT})
        InternetSetOptionA(handle, option, &timeout, sizeof timeout);
}
constexpr char PostHeader[] = "Content-Type: application/x-www-form-urlencoded";
} // namespace

// What the worker owns: a copy of every setting taken at the start, its progress
// and its result. The UI thread reads the result only after the worker posted its end.
struct THTTPGet::Transfer {
    std::string AcceptTypes, Agent, URL, FileName, UserName, Password, PostQuery, Referer;
    bool BinaryData = false, UseCache = false, ToFile = true, HashBody = false;
    int64_t MaxSize = 0;
    int StallTimeoutMs = 0;
    ProgressEvent OnProgress;
    TApplication* App = nullptr;
    std::weak_ptr<THTTPGet*> Owner;

    std::atomic<bool> Stop{false};
    std::atomic<bool> Success{false};
    int64_t TotalSize = 0;
    int64_t Readed = 0;
    std::string Text;
    FileDigestBuilder Hash;
    FileDigest Digest{};
    bool Created = false; // the target file was created or truncated

    std::mutex Lock;
    std::condition_variable Wake;
    bool Posted = false;          // the worker posted something since the waiter last looked
    bool ProgressHandled = false; // the UI thread ran the last progress call
    bool Ended = false;           // the end events have run (UI thread only)
    std::thread Thread;

    void Run();
    bool Fetch();
    void Post(std::function<void()> work);
    void ReportProgress();
};

void THTTPGet::Transfer::Post(std::function<void()> work)
{
    App->Post(std::move(work));
    std::lock_guard<std::mutex> hold(Lock);
    Posted = true;
    Wake.notify_all();
}

void THTTPGet::Transfer::ReportProgress()
{
    {
        std::lock_guard<std::mutex> hold(Lock);
        ProgressHandled = false;
    }
    const int64_t total = TotalSize, readed = Readed;
    Post([this, total, readed] {
        std::shared_ptr<THTTPGet*> owner = Owner.lock();
        if (owner && *owner && OnProgress)
            OnProgress(total, readed);
        std::lock_guard<std::mutex> hold(Lock);
        ProgressHandled = true;
        Wake.notify_all();
    });
    // The worker waits until the window has shown the progress, as the UI thread's
    // handler may read the file or the counters.
    std::unique_lock<std::mutex> hold(Lock);
    Wake.wait(hold, [this] { return ProgressHandled || Stop.load(); });
}

bool THTTPGet::Transfer::Fetch()
{
    if (Stop)
        return false;
    InternetHandle session(
        InternetOpenA(Agent.empty() ? nullptr : Agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session)
        return false;
    SetTimeouts(session.Get(), StallTimeoutMs);

    const HttpTarget target = SplitHttpUrl(URL);
    if (target.Server.empty())
        return false;
    InternetHandle connection(
        InternetConnectA(session.Get(), target.Server.c_str(), static_cast<INTERNET_PORT>(target.Port),
                         UserName.empty() ? nullptr : UserName.c_str(), Password.empty() ? nullptr : Password.c_str(),
                         INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection)
        return false;
    SetTimeouts(connection.Get(), StallTimeoutMs);
    const bool post = !PostQuery.empty();
    const char* accept[] = {AcceptTypes.c_str(), nullptr};
    const DWORD flags = UseCache ? 0 : (INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE);
    InternetHandle request(HttpOpenRequestA(connection.Get(), post ? "POST" : "GET", target.Path.c_str(), "HTTP/1.0",
                                            Referer.empty() ? nullptr : Referer.c_str(), accept, flags, 0));
    if (!request)
        return false;
    SetTimeouts(request.Get(), StallTimeoutMs);
    const BOOL sent = post ? HttpSendRequestA(request.Get(), PostHeader, sizeof PostHeader - 1,
                                              const_cast<char*>(PostQuery.data()), static_cast<DWORD>(PostQuery.size()))
                           : HttpSendRequestA(request.Get(), nullptr, 0, nullptr, 0);
    if (!sent || Stop)
        return false;

    // WinInet hands an error page over like any body: only a 200 is the file asked for.
    DWORD status = 0, statusSize = sizeof status;
    if (!HttpQueryInfoA(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &statusSize,
                        nullptr) ||
        status != HTTP_STATUS_OK)
        return false;

    char length[64] = {};
    DWORD lengthSize = sizeof length;
    const bool haveLength = HttpQueryInfoA(request.Get(), HTTP_QUERY_CONTENT_LENGTH, length, &lengthSize, nullptr);
    if (Stop || (!haveLength && BinaryData))
        return false;
    if (haveLength)
        TotalSize = std::strtoll(length, nullptr, 10);
    if (TotalSize < 0 || TotalSize > MaxSize)
        return false;

    Readed = 0;
    UniqueHandle file;
    if (ToFile) {
        file = UniqueHandle(
            CreateFileA(FileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid())
            return false;
        Created = true;
    } else {
        Text.clear();
    }
    // Each call into WinInet costs more than its bytes under Wine, so the worker asks
    // for many blocks at once and still reports progress block by block.
    std::vector<char> chunk(BlockBytes * BlocksPerRead);
    for (;;) {
        if (Stop)
            return false;
        DWORD got = 0;
        if (!InternetReadFile(request.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got) || got == 0)
            break;
        if (Readed + got > MaxSize)
            return false;
        if (ToFile) {
            DWORD written = 0;
            if (!WriteFile(file.Get(), chunk.data(), got, &written, nullptr) || written != got)
                return false;
        } else {
            Text.append(chunk.data(), got);
        }
        if (HashBody)
            Hash.Add(chunk.data(), got);
        for (DWORD done = 0; done < got;) {
            const DWORD block = std::min<DWORD>(BlockBytes, got - done);
            done += block;
            Readed += block;
            if (OnProgress) {
                if (Stop)
                    return false;
                ReportProgress();
            }
        }
    }
    return ToFile ? Readed == TotalSize : Readed != 0;
}

void THTTPGet::Transfer::Run()
{
    bool ok = false;
    try {
        ok = Fetch();
    } catch (const std::exception&) {
        ok = false; // out of memory for the text; nothing else throws here
    }
    Success = ok && !Stop;
    if (Success && HashBody)
        Digest = Hash.Finish();
    // A partial database or program is never useful, and a later run must not take
    // it for a whole one.
    if (!Success && Created)
        DeleteFileA(FileName.c_str());
}

THTTPGet::THTTPGet(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), self_(std::make_shared<THTTPGet*>(this))
{
}

THTTPGet::~THTTPGet()
{
    *self_ = nullptr;
    if (worker_) {
        worker_->Stop = true;
        {
            std::lock_guard<std::mutex> hold(worker_->Lock);
            worker_->Wake.notify_all();
        }
        if (worker_->Thread.joinable())
            worker_->Thread.join();
    }
}

void THTTPGet::StartDownload()
{
    if (worker_)
        return;
    TApplication* app = Application();
    if (!app)
        return;
    auto transfer = std::make_shared<Transfer>();
    transfer->AcceptTypes = AcceptTypes;
    transfer->Agent = Agent;
    transfer->URL = URL;
    transfer->FileName = FileName;
    transfer->UserName = UserName;
    transfer->Password = Password;
    transfer->PostQuery = PostQuery;
    transfer->Referer = Referer;
    transfer->BinaryData = BinaryData;
    transfer->UseCache = UseCache;
    transfer->HashBody = HashBody;
    transfer->MaxSize = MaxSize;
    transfer->StallTimeoutMs = StallTimeoutMs;
    transfer->OnProgress = OnProgress;
    transfer->App = app;
    transfer->Owner = self_;
    worker_ = transfer;
    // The component keeps the transfer until the thread has been joined.
    std::weak_ptr<Transfer> weak = transfer;
    transfer->Thread = std::thread([raw = transfer.get(), weak] {
        raw->Run();
        std::weak_ptr<THTTPGet*> owner = raw->Owner;
        raw->Post([owner, weak] {
            std::shared_ptr<THTTPGet*> component = owner.lock();
            std::shared_ptr<Transfer> ended = weak.lock();
            if (component && *component && ended)
                (*component)->Finished(ended);
        });
    });
    if (!WaitThread)
        return;
    // Other handlers of the window keep running while this one waits.
    while (!transfer->Ended) {
        app->ProcessMessages();
        if (transfer->Ended)
            break;
        std::unique_lock<std::mutex> hold(transfer->Lock);
        transfer->Wake.wait_for(hold, std::chrono::milliseconds(20), [&] { return transfer->Posted; });
        transfer->Posted = false;
    }
}

void THTTPGet::AbortDownload()
{
    if (!worker_)
        return;
    worker_->Stop = true;
    worker_->Success = false;
    std::lock_guard<std::mutex> hold(worker_->Lock);
    worker_->Wake.notify_all();
}

void THTTPGet::Finished(const std::shared_ptr<Transfer>& transfer)
{
    std::shared_ptr<Transfer> ended = transfer;
    if (ended->Thread.joinable())
        ended->Thread.join();
    success_ = ended->Success;
    digest_ = ended->Digest;
    // The component stays busy while its end events run, and is free once they return,
    // even when one of them throws.
    struct Release {
        THTTPGet& component;
        Transfer& transfer;
        ~Release()
        {
            component.worker_.reset();
            transfer.Ended = true;
        }
    } release{*this, *ended};
    if (success_) {
        if (ended->ToFile) {
            if (OnDoneFile)
                OnDoneFile(ended->FileName, ended->TotalSize);
        } else if (OnDoneString) {
            OnDoneString(ended->Text);
        }
    } else if (OnError) {
        OnError();
    }
}
