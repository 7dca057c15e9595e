#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/DatabaseText.h"
#include "core/MemoryStream.h"
#include "model/SharedState.h"
#include "update/HttpGet.h"
#include "update/UpdateSignature.h"

// What the last handled list page led to.
enum class UpdateOutcome { NoListYet = 0, NothingOffered = 1, Offered = 2, InvalidList = 3 };

// The window around an update: the main window gives its own, the console prints.
class UpdateView {
public:
    virtual ~UpdateView() = default;
    virtual void SetUpdateLabel(const std::string& text) = 0;    // the home page's database line
    virtual void SetStatus(const std::string& text) = 0;         // status panel 0
    virtual void SetDatabaseStatus(const std::string& text) = 0; // status panel 2
    // "Scan for viruses" and "Update", off while a database download runs.
    virtual void SetUpdateCommandsEnabled(bool on) = 0;
    virtual void SetMainEnabled(bool on) = 0;
    // Lets pending window messages run.
    virtual void Pump() = 0;
    // A view without progress spares the download a round trip to the UI thread a block.
    virtual bool ShowsProgress() const { return true; }
};

// What an update asks and tells.
class UpdateQuestions {
public:
    virtual ~UpdateQuestions() = default;
    // Yes/No questions (caption message 23, question icon); true only for Yes.
    virtual bool AskUpgrade(const std::string& text) = 0;
    virtual bool AskDatabaseUpdate(const std::string& text) = 0;
    virtual void Inform(const std::string& text, const std::string& caption) = 0;    // information icon
    virtual void ShowError(const std::string& text, const std::string& caption) = 0; // error icon
    // Yes to the upgrade: fetch `url` into `file` with its progress shown under the
    // new version's line `label`, and start it once it is complete.
    virtual void StartUpgrade(const std::string& label, const std::string& url, const std::string& file) = 0;
};

// Where the update comes from and goes to.
struct UpdateSite {
    std::string Host;                 // host or host:port of the update server
    std::string ProgramFolder;        // with a trailing backslash
    UpdateKey Key = MakerUpdateKey(); // what every downloaded file must be signed with
};

// The update check and the database update, over the two download components of
// the main window: `listGet` for the list page, `fileGet` for database files. Both
// are set to wait, so a check has been handled when CheckForUpdates returns.
class DatabaseUpdate {
public:
    DatabaseUpdate(SharedState& state, UpdateSite site, THTTPGet& fileGet, THTTPGet& listGet, UpdateView& view,
                   UpdateQuestions& questions);

    // Where the next check asks.
    void SetSite(UpdateSite site)
    {
        site_ = std::move(site);
        signatures_.SetKey(site_.Key);
    }
    void CheckForUpdates();
    UpdateOutcome Outcome() const { return outcome_; }
    // The last valid list page names the loaded database as the newest.
    bool DatabaseCurrent();
    // The last list page offered an upgrade and it was refused.
    bool UpgradeRefused() const { return upgradeRefused_; }

    // The handlers of the two components.
    void ListPageArrived(int64_t size);
    void FileProgress(int64_t totalSize, int64_t readed);
    void FileArrived(int64_t size);
    void FileFailed();

private:
    std::string Text(Msg row) const { return state_.Messages.Text(row); }
    std::string CurrentDate();
    void HandleListPage(const std::string& path);
    void FetchPieces(int from, int to);
    void FetchFull();
    void Fetch(const std::string& path, const std::string& file);
    bool TakePiece();
    bool TakeFullDatabase();
    void FetchHashes(const std::string& md5);
    bool TakeHashes();

    SharedState& state_;
    UpdateSite site_;
    THTTPGet& fileGet_;
    THTTPGet& listGet_;
    UpdateView& view_;
    UpdateQuestions& questions_;
    SignatureCheck signatures_;

    UpdateOutcome outcome_ = UpdateOutcome::NoListYet;
    bool pieceMode_ = false;
    int pieceCurrent_ = 0, pieceTarget_ = 0;
    bool pieceStop_ = false;
    bool upgradeRefused_ = false;
    std::string newestDate_; // of the last valid list page
    // Pieces merge here; the loaded database and files.dat change after the last one.
    MemoryStream pending_;
    // While hashes.dat is fetched: the MD5 text the list page gave it.
    bool hashesMode_ = false;
    std::string hashesMd5_;
};

// "Update": a check, then what it found when that is nothing to do or no answer.
void RunUpdateCommand(DatabaseUpdate& update, UpdateQuestions& questions, const MessageTable& messages);

// The largest files the update accepts, by kind.
constexpr int64_t MaxListPageBytes = int64_t(1) << 20;
constexpr int64_t MaxDatabaseBytes = static_cast<int64_t>(MaxDatabaseFileBytes);
constexpr int64_t MaxUpgradeBytes = int64_t(64) << 20;
