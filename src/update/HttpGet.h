#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/Signatures.h"
#include "ui/Component.h"

// The agent name every download of the program gives the Internet session.
extern const char UpdateAgentName[];

// Fetches one URL over HTTP into a file on a worker thread; progress and the end
// are delivered on the UI thread through the application's posted work. Owned by a
// form, so it reaches the application through its owner.
class THTTPGet : public TComponent {
public:
    using ProgressEvent = std::function<void(int64_t totalSize, int64_t readed)>;
    using DoneFileEvent = std::function<void(const std::string& fileName, int64_t fileSize)>;
    using DoneStringEvent = std::function<void(const std::string& result)>;

    THTTPGet(TComponent* owner, std::string name);
    ~THTTPGet() override;
    const char* ClassName() const override { return "THTTPGet"; }

    std::string AcceptTypes = "*/*";
    std::string Agent = UpdateAgentName;
    bool BinaryData = false; // a response without a content length fails
    std::string URL;
    bool UseCache = false;
    std::string FileName;
    std::string UserName;
    std::string Password;
    std::string PostQuery; // not empty: a POST with this body
    std::string Referer;
    bool WaitThread = false; // StartDownload returns after the end has been handled
    // Nothing from the network is trusted to be small or quick: a larger body (or a
    // larger announced length) fails, and so does a connection silent this long.
    int64_t MaxSize = 1 << 20;
    int StallTimeoutMs = 30000;
    // Hashes the body as it arrives, so that its signature is checked without reading
    // the file again; BodyDigest holds the result after a successful transfer.
    bool HashBody = false;

    ProgressEvent OnProgress;
    DoneFileEvent OnDoneFile;
    DoneStringEvent OnDoneString;
    TNotifyEvent OnError;

    // Starts the transfer unless one is running.
    void StartDownload();
    // Asks a running transfer to stop; its end is reported through OnError.
    void AbortDownload();
    bool Running() const { return worker_ != nullptr; }
    bool Succeeded() const { return success_; }
    const FileDigest& BodyDigest() const { return digest_; }

    // Only the worker's shared part; its members are internal.
    struct Transfer;

private:
    void Finished(const std::shared_ptr<Transfer>& transfer);

    std::shared_ptr<Transfer> worker_;
    std::shared_ptr<THTTPGet*> self_; // cleared when the component goes, so late posts find nothing
    bool success_ = false;
    FileDigest digest_{};
};
