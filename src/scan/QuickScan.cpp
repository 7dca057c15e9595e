#include "scan/QuickScan.h"

#include <windows.h>

#include "core/PathText.h"
#include "core/RecordCandidates.h"
#include "core/RecordWalk.h"
#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "database/FileMd5.h"
#include "database/IgnoreFile.h"
#include "platform/FileSystem.h"
#include "scan/Alerts.h"

namespace {

// InfectedList keeps the first sixteen distinct hits of a scan for the log upload.
constexpr int InfectedListLimit = 16;

class RecordScan {
public:
    RecordScan(SharedState& state, RecordMachine& machine, QuickScanView& view)
        : state_(state), machine_(machine), view_(view)
    {
    }

    void FolderHit(const std::string& folder, const std::string& name, const std::string& now)
    {
        const MessageTable& m = state_.Messages;
        if (state_.Ignore.IgnoresFolder(folder)) {
            view_.Log(IgnoredLine(m, now, name, folder));
            return;
        }
        state_.ScanFoundAny = true;
        TFileList alert;
        alert.Path = folder;
        alert.Name = name;
        alert.InfectedFolder = true;
        alert.ListIndex = view_.AlertLineCount();
        AddAlert(state_.AlertRecords, alert);
        view_.AddAlertLine(m.Text(Msg::InfectedWith) + name); // even when the folder was an alert already
        ++state_.DetectionCount;
        view_.Log(now + m.Text(Msg::InfectedDirectoryLine) + folder);
        WalkInfectedFolder(folder, name, true, state_, view_);
        Report(m.Text(Msg::InfectedWith) + name + " - Dir " + folder);
    }

    void FileHit(const std::string& path, const std::string& name, const std::string& now)
    {
        const MessageTable& m = state_.Messages;
        std::string display = name;
        const size_t lock = display.find("Lock:");
        if (lock != std::string::npos)
            display.erase(lock, 5);

        // Passed over before its processes are ended: an ignored program keeps running.
        std::string md5;
        if (state_.Ignore.HasMd5Entries())
            md5 = machine_.FileMd5Text(path);
        if (state_.Ignore.IgnoresFile(path, md5)) {
            view_.Log(IgnoredLine(m, now, display, path));
            return;
        }
        machine_.EndProcessesByName(FileNamePart(path));
        if (md5.empty())
            md5 = machine_.FileMd5Text(path);
        if (state_.InfectedList.Count() < InfectedListLimit)
            state_.InfectedList.Add(InfectedListLine(path, name, md5, FileSizeOf(path)));
        state_.ScanFoundAny = true;
        if (IsAlert(state_.AlertRecords, path))
            return;

        TFileList alert;
        alert.Path = path;
        alert.Name = name;
        alert.Md5 = md5;
        alert.ListIndex = view_.AlertLineCount();
        AddAlert(state_.AlertRecords, alert);
        view_.AddAlertLine(m.Text(Msg::InfectedWith) + display);
        ++state_.DetectionCount;
        view_.Log(now + m.Text(Msg::InfectedFileLine) + display + ") " + path);
        Report(m.Text(Msg::InfectedWith) + display + " - File " + path);
    }

private:
    void Report(const std::string& line)
    {
        if (!state_.ReportMode)
            return;
        if (!reportHeader_) {
            const MessageTable& m = state_.Messages;
            view_.Report("");
            view_.Report(m.Text(Msg::VirusesInComputer));
            view_.Report(m.Text(Msg::ScanWithProgram));
            view_.Report(m.Text(Msg::VirusList));
            reportHeader_ = true;
        }
        view_.Report(line);
    }

    SharedState& state_;
    RecordMachine& machine_;
    QuickScanView& view_;
    bool reportHeader_ = false;
};

} // namespace

void ResetScanState(SharedState& state)
{
    state.AlertRecords.clear();
    state.AbortRequested = false;
    state.DetectionCount = 0;
    state.ScanFoundAny = false;
    state.InfectedList = StringList(true);
}

void ScanRecords(SharedState& state, RecordMachine& machine, const RootFolders& roots, const FolderLookup& lookup,
                 QuickScanView& view)
{
    RecordScan scan(state, machine, view);
    state.DatabaseStream.Seek(0);
    ReadDatabaseLine(state.DatabaseStream); // the date line
    std::string now;
    RecordWalkEvents events;
    events.RecordStarted = [&] { now = view.Now(); };
    events.Checking = [&](const Candidate& c) { view.Status(state.Messages.Text(Msg::Checking) + c.Name); };
    events.FolderHit = [&](const Candidate& c) { scan.FolderHit(c.Path, c.Name, now); };
    events.FileHit = [&](const PathToTest& hit) { scan.FileHit(hit.Path, hit.Name, now); };
    WalkDatabaseRecords(state.DatabaseStream, roots, lookup, machine, events);
}

void WalkInfectedFolder(const std::string& folder, const std::string& name, bool recurse, SharedState& state,
                        QuickScanView& view)
{
    const MessageTable& m = state.Messages;
    const std::string now = view.Now();
    const std::string base = (!folder.empty() && folder.back() == '\\') ? folder : folder + "\\";
    for (FindFiles find(base + "*.*"); find.Valid(); find.Next()) {
        const WIN32_FIND_DATAA& entry = find.Entry();
        const std::string path = base + entry.cFileName;
        TFileList alert;
        alert.Path = path;
        alert.Name = name;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            alert.Md5 = Md5Text(FileMd5(path));
            if (state.Ignore.IgnoresFile(path, alert.Md5)) {
                view.Log(IgnoredLine(m, now, name, path));
                continue;
            }
            alert.FileInFolder = true;
            AddAlert(state.AlertRecords, alert);
            ++state.DetectionCount;
            view.Log(now + m.Text(Msg::InfectedFileLine) + name + ") " + path);
        } else if (recurse && entry.cFileName[0] != '.') {
            if (state.Ignore.IgnoresFolder(path)) {
                view.Log(IgnoredLine(m, now, name, path));
                continue;
            }
            alert.SubFolder = true;
            AddAlert(state.AlertRecords, alert);
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                WalkInfectedFolder(path, name, true, state, view);
        }
    }
}

std::string IgnoredLine(const MessageTable& messages, const std::string& now, const std::string& name,
                        const std::string& path)
{
    return now + messages.Text(Msg::IgnoredLine) + name + ") " + path;
}

std::string LoadIgnoreList(const std::string& folder, const MessageTable& messages, const std::string& now,
                           IgnoreList& list)
{
    const std::string path = folder + IgnoreFileName;
    std::string error;
    if (LoadIgnoreFile(path, list, error) != IgnoreFileState::Damaged)
        return std::string();
    return now + messages.Text(Msg::IgnoreListDamaged) + path + " (" + error + ")";
}

std::string InfectedListLine(const std::string& path, const std::string& name, const std::string& md5, long long size)
{
    return "!Infected " + LowerCase(FileNamePart(path) + "=;" + FolderPart(path) + ";" + name + ";" + md5 + ";" +
                                    std::to_string(size) + ";");
}
