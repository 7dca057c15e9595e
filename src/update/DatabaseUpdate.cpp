#include "update/DatabaseUpdate.h"

#include <windows.h>

#include <vector>

#include "core/DatabaseText.h"
#include "core/UpdateList.h"
#include "database/DatabaseFile.h"
#include "database/FileMd5.h"
#include "database/HashDatabase.h"
#include "platform/FileSystem.h"
#include "update/UpdateServer.h"

namespace {
const char CR[] = "\r";
const char ListPath[] = "/updr2/list.htm";
const char PiecePath[] = "/updr2/upd/";
const char FullPath[] = "/updr2/files2.htm";
const char UpgradePath[] = "/updr2/pyrxt.htm";
const char ListFile[] = "list.htm";
const char PieceFile[] = "Upd.dat";
const char FullFile[] = "filess.dat";
const char DatabaseFile[] = "files.dat";
const char UpgradeFile[] = "pyrxt.exe";
const char HashesPath[] = "/updr2/hashes.htm";
const char HashesDownload[] = "hashes.new";
// A file this short is no answer; a piece that short would leave a gap in the chain.
constexpr int64_t MinimumFileBytes = 100;
} // namespace

DatabaseUpdate::DatabaseUpdate(SharedState& state, UpdateSite site, THTTPGet& fileGet, THTTPGet& listGet,
                               UpdateView& view, UpdateQuestions& questions)
    : state_(state), site_(std::move(site)), fileGet_(fileGet), listGet_(listGet), view_(view), questions_(questions),
      signatures_(fileGet.Owner(), site_.Key)
{
    fileGet_.BinaryData = true;
    fileGet_.WaitThread = true;
    fileGet_.MaxSize = MaxDatabaseBytes;
    fileGet_.HashBody = true;
    if (view_.ShowsProgress())
        fileGet_.OnProgress = [this](int64_t total, int64_t readed) { FileProgress(total, readed); };
    fileGet_.OnDoneFile = [this](const std::string&, int64_t size) { FileArrived(size); };
    fileGet_.OnError = [this] { FileFailed(); };
    // The list page waits as well, so the callers read the outcome of this check.
    listGet_.BinaryData = false;
    listGet_.WaitThread = true;
    listGet_.MaxSize = MaxListPageBytes;
    listGet_.HashBody = true;
    listGet_.OnDoneFile = [this](const std::string&, int64_t size) { ListPageArrived(size); };
    // A failed list page is no answer, like an empty one.
    listGet_.OnError = [this] { ListPageArrived(0); };
}

std::string DatabaseUpdate::CurrentDate()
{
    const size_t position = state_.DatabaseStream.Position();
    std::string date = DatabaseDate(state_.DatabaseStream, "");
    state_.DatabaseStream.Seek(position);
    return date;
}

bool DatabaseUpdate::DatabaseCurrent()
{
    return outcome_ != UpdateOutcome::NoListYet && outcome_ != UpdateOutcome::InvalidList &&
           SameDatabaseDate(newestDate_, CurrentDate());
}

void DatabaseUpdate::CheckForUpdates()
{
    if (site_.Host.empty())
        return;
    listGet_.URL = UpdateUrl(site_.Host, ListPath);
    listGet_.FileName = site_.ProgramFolder + ListFile;
    listGet_.StartDownload();
}

void DatabaseUpdate::ListPageArrived(int64_t size)
{
    outcome_ = UpdateOutcome::InvalidList;
    if (size == 0)
        return;
    // A page not signed by the maker could offer anything: it is no answer.
    const std::string page = site_.ProgramFolder + ListFile;
    if (!signatures_.Signed(listGet_.URL, page, listGet_.BodyDigest())) {
        DeleteFileA(page.c_str());
        return;
    }
    HandleListPage(page);
}

void DatabaseUpdate::HandleListPage(const std::string& path)
{
    std::vector<uint8_t> bytes;
    const ListPage page =
        ReadWholeFile(path, bytes) ? ReadListPage(std::string(bytes.begin(), bytes.end())) : ListPage{};
    if (!page.Valid) {
        DeleteFileA(path.c_str());
        return;
    }
    state_.LogRequested = page.LogRequested;
    outcome_ = UpdateOutcome::NothingOffered;
    newestDate_ = page.DatabaseDate;
    upgradeRefused_ = false;

    if (page.ProgramVersion != ProgramVersionText) {
        outcome_ = UpdateOutcome::Offered;
        view_.SetMainEnabled(false);
        if (questions_.AskUpgrade(Text(Msg::UpgradeQuestion) + CR + Text(Msg::YourVersionIs) + ProgramVersionText + CR +
                                  Text(Msg::NewVersionIs) + page.ProgramVersion)) {
            // The upgrade window keeps the main window disabled until it closes.
            questions_.StartUpgrade(Text(Msg::NewVersionIs) + page.ProgramVersion, UpdateUrl(site_.Host, UpgradePath),
                                    site_.ProgramFolder + UpgradeFile);
            return;
        }
        upgradeRefused_ = true;
    }
    view_.SetMainEnabled(true);
    if (!SameDatabaseDate(page.DatabaseDate, CurrentDate())) {
        if (upgradeRefused_) {
            view_.SetMainEnabled(false);
            questions_.ShowError(Text(Msg::UpgradeProgramFirst), Text(Msg::InformationCaption));
            view_.SetMainEnabled(true);
            return;
        }
        outcome_ = UpdateOutcome::Offered;
        pieceMode_ = pieceStop_ = false;
        pieceCurrent_ = pieceTarget_ = 0;
        view_.SetMainEnabled(false);
        const bool yes = questions_.AskDatabaseUpdate(Text(Msg::DatabaseOutOfDate) + CR +
                                                      Text(Msg::DownloadDatabaseUpdating) + page.DatabaseDate);
        view_.SetMainEnabled(true);
        if (yes) {
            const int current = UpdateNumber(CurrentDate());
            const int newest = UpdateNumber(page.DatabaseDate);
            const int base = DecimalOrZero(page.PieceBase);
            bool viaPieces = false;
            if (!page.PieceBase.empty() && current != newest && current != 0 && newest != 0 && base != 0 &&
                current >= base) {
                FetchPieces(current + 1, newest);
                viaPieces = !pieceStop_;
                pieceMode_ = false;
            }
            if (!viaPieces)
                FetchFull();
        }
    }
    if (!page.HashesMd5.empty()) {
        const std::optional<Md5Digest> installed = ReadFileMd5(site_.ProgramFolder + HashDatabaseName);
        if (!installed || Md5Text(*installed) != page.HashesMd5)
            FetchHashes(page.HashesMd5);
    }
    DeleteFileA(path.c_str());
}

void DatabaseUpdate::FetchHashes(const std::string& md5)
{
    hashesMd5_ = md5;
    hashesMode_ = true;
    fileGet_.URL = UpdateUrl(site_.Host, HashesPath);
    fileGet_.FileName = site_.ProgramFolder + HashesDownload;
    fileGet_.StartDownload(); // returns once the file has been handled
    hashesMode_ = false;
}

bool DatabaseUpdate::TakeHashes()
{
    // Signed, the file the page named, and loadable: only then does it replace hashes.dat.
    const std::string downloaded = fileGet_.FileName;
    const std::optional<Md5Digest> md5 = ReadFileMd5(downloaded);
    HashSignatures loaded;
    std::string error;
    if (!signatures_.Signed(fileGet_.URL, downloaded, fileGet_.BodyDigest()) || !md5 || Md5Text(*md5) != hashesMd5_ ||
        !LoadHashSignatures(downloaded, loaded, error) ||
        !MoveReplacing(downloaded, site_.ProgramFolder + HashDatabaseName)) {
        DeleteFileA(downloaded.c_str());
        return false;
    }
    return true;
}

void DatabaseUpdate::Fetch(const std::string& path, const std::string& file)
{
    view_.SetUpdateCommandsEnabled(false);
    fileGet_.URL = UpdateUrl(site_.Host, path);
    fileGet_.FileName = site_.ProgramFolder + file;
    view_.SetUpdateLabel(Text(Msg::UpdatingDatabase));
    fileGet_.StartDownload(); // returns once the file has been handled
}

void DatabaseUpdate::FetchPieces(int from, int to)
{
    pieceTarget_ = to;
    pending_ = state_.DatabaseStream;
    for (int number = from; number <= to && !pieceStop_; ++number) {
        view_.Pump();
        pieceCurrent_ = number;
        pieceMode_ = true;
        Fetch(PiecePath + std::to_string(number) + ".htm", PieceFile);
    }
    pending_ = MemoryStream();
}

void DatabaseUpdate::FetchFull()
{
    Fetch(FullPath, FullFile);
}

void DatabaseUpdate::FileProgress(int64_t totalSize, int64_t readed)
{
    view_.SetStatus(Text(Msg::Downloading) + std::to_string(readed) + "/" + std::to_string(totalSize) +
                    Text(Msg::Bytes));
}

bool DatabaseUpdate::TakePiece()
{
    view_.SetStatus(Text(Msg::FinishedPrefix) + std::to_string(pieceCurrent_) + "/" + std::to_string(pieceTarget_));
    if (!MergeUpdate(site_.ProgramFolder + PieceFile, pending_))
        return false;
    if (pieceCurrent_ < pieceTarget_)
        return true;
    // Written beside and moved into place: files.dat is whole at every moment.
    if (!SaveDatabase(pending_, site_.ProgramFolder + DatabaseFile))
        return false;
    state_.DatabaseStream = pending_;
    state_.DatabaseStream.Seek(0);
    return true;
}

bool DatabaseUpdate::TakeFullDatabase()
{
    // The new file replaces files.dat only once it loads as a whole database.
    const std::string downloaded = site_.ProgramFolder + FullFile;
    MemoryStream loaded;
    if (!LoadDatabase(downloaded, loaded) || !IsCompleteDatabaseText(loaded) ||
        !MoveReplacing(downloaded, site_.ProgramFolder + DatabaseFile)) {
        DeleteFileA(downloaded.c_str());
        return false;
    }
    state_.DatabaseStream = std::move(loaded);
    return true;
}

void DatabaseUpdate::FileArrived(int64_t size)
{
    if (hashesMode_) {
        view_.SetStatus(Text(TakeHashes() ? Msg::HashesUpdated : Msg::CannotUpdateHashes));
        return;
    }
    if (size < MinimumFileBytes) {
        if (pieceMode_) {
            FileFailed();
        } else {
            DeleteFileA((site_.ProgramFolder + FullFile).c_str());
            view_.SetUpdateCommandsEnabled(true);
        }
        return;
    }
    if (!signatures_.Signed(fileGet_.URL, fileGet_.FileName, fileGet_.BodyDigest())) {
        DeleteFileA(fileGet_.FileName.c_str());
        FileFailed();
        return;
    }
    if (!(pieceMode_ ? TakePiece() : TakeFullDatabase())) {
        FileFailed();
        return;
    }
    if (pieceMode_ && pieceCurrent_ < pieceTarget_)
        return;
    const std::string date = CurrentDate();
    view_.SetUpdateLabel(Text(Msg::DatabaseUpdatedDate) + date);
    view_.SetDatabaseStatus(Text(Msg::LastUpdate) + date);
    view_.SetMainEnabled(false);
    questions_.Inform(Text(Msg::DatabaseUpdatedLastDate) + date, Text(Msg::ProgramInfoCaption));
    view_.SetMainEnabled(true);
    view_.SetStatus(Text(Msg::FinishedPrefix) + std::to_string(size) + Text(Msg::Bytes));
    view_.SetUpdateCommandsEnabled(true);
}

void DatabaseUpdate::FileFailed()
{
    if (hashesMode_) {
        DeleteFileA(fileGet_.FileName.c_str());
        view_.SetStatus(Text(Msg::CannotUpdateHashes));
        return;
    }
    view_.SetUpdateLabel(Text(Msg::CannotUpdateDatabaseStatus));
    questions_.ShowError(Text(Msg::CannotUpdateDatabase), Text(Msg::ErrorCaption));
    const std::string line = Text(Msg::LastUpdate) + CurrentDate();
    view_.SetDatabaseStatus(line);
    view_.SetUpdateLabel(line);
    view_.SetUpdateCommandsEnabled(true);
    if (pieceMode_)
        pieceStop_ = true;
}

void RunUpdateCommand(DatabaseUpdate& update, UpdateQuestions& questions, const MessageTable& messages)
{
    update.CheckForUpdates();
    if (update.Outcome() == UpdateOutcome::NothingOffered)
        questions.Inform(messages.Text(Msg::AlreadyUpgraded), messages.Text(Msg::InformationCaption));
    else if (update.Outcome() == UpdateOutcome::InvalidList)
        questions.ShowError(ConnectionErrorMessage(messages), messages.Text(Msg::ConnectionErrorCaption));
}
