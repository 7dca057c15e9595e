#include "scan/Cleaning.h"

#include <windows.h>

#include <cstdio>

#include "core/PathText.h"
#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "platform/FileSystem.h"
#include "scan/RegBase.h"
#include "systools/Processes.h"

namespace {

// Retries of a deletion stop once the clean timer has counted past this.
constexpr long double RetrySeconds = 4;

// One attempt: end the file's processes, let them go, and delete it.
void TryDelete(const std::string& path, CleaningView& view)
{
    EndProcessesByName(FileNamePart(path));
    view.Pump();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

class CleanRun {
public:
    CleanRun(SharedState& state, CleaningView& view) : state_(state), view_(view), m_(state.Messages) {}

    // False when the user aborted.
    bool CleanFiles()
    {
        for (const TFileList& record : state_.AlertRecords) {
            if (!IsSelectedFile(record, view_))
                continue;
            if (!CleanFile(record))
                return false;
        }
        return true;
    }

    // From the last record to the first, so a sub-folder recorded after its parent
    // goes before it. False when the user aborted.
    bool RemoveFolders()
    {
        for (size_t i = state_.AlertRecords.size(); i-- > 0;) {
            view_.Pump();
            if (state_.AbortRequested)
                return false;
            const TFileList& record = state_.AlertRecords[i];
            if (!record.InfectedFolder && !record.SubFolder)
                continue;
            const bool hasLine = record.InfectedFolder && record.ListIndex >= 0;
            if (RemoveDirectoryA(record.Path.c_str())) {
                ++cleaned_;
                view_.Log(now_ + m_.Text(Msg::DirectoryRemovedLine) + record.Path);
                if (hasLine)
                    view_.SetLine(record.ListIndex, m_.Text(Msg::CleanList));
            } else {
                view_.Log(now_ + m_.Text(Msg::CannotRemoveDirectoryLine) + record.Path);
                if (hasLine)
                    view_.SetLine(record.ListIndex, "Err...");
            }
        }
        return true;
    }

    void Start()
    {
        now_ = view_.Now();
        view_.Log("");
        view_.Log(now_ + ": " + m_.Text(Msg::CleaningPleaseWait));
        state_.AbortRequested = false;
        view_.SetFixEnabled(false);
        view_.SetRunning(true);
    }

    void Finish()
    {
        view_.Log(now_ + m_.Text(Msg::CleaningFinished));
        view_.ShowInformation(std::to_string(cleaned_) + m_.Text(Msg::AlertsCleaned) + "\r\r" + m_.Text(Msg::Notes) +
                              "\r" + m_.Text(Msg::CleaningNote));
        if (state_.LogRequested && view_.Ask(m_.Text(Msg::SendLogAfterCleaning)))
            view_.SendLog();
    }

    void End(bool aborted)
    {
        if (aborted)
            view_.Log(now_ + m_.Text(Msg::CleaningAbortedLine));
        view_.Log(m_.Text(Msg::ScanAgainHint));
        view_.SetFixEnabled(false);
        view_.SetRunning(false);
        view_.Status(state_.AbortRequested ? m_.Text(Msg::FixAborted) : m_.Text(Msg::FixFinished));
    }

private:
    // False when the user aborted.
    bool CleanFile(const TFileList& record)
    {
        const std::string& name = record.Name;
        const bool ownLine = !IsSilent(record) && record.ListIndex >= 0;
        view_.Status(m_.Text(Msg::CleaningStatus) + name);
        view_.Log(now_ + m_.Text(Msg::CleaningLine) + name);
        if (ownLine)
            view_.SetLine(record.ListIndex, m_.Text(Msg::CleaningList));
        state_.CleanSeconds = 0;
        view_.SetCleanTimer(true);
        view_.Pump();

        if (FileUsable(record.Path)) {
            if (state_.AbortRequested) {
                view_.SetCleanTimer(false);
                return false;
            }
            if (IsLocked(record)) {
                ReportFailure(record, ownLine);
                return true;
            }
            TryDelete(record.Path, view_);
            RemoveStartupValuesFor(record.Path);
            while (FileExists(record.Path) && state_.CleanSeconds <= RetrySeconds) {
                TryDelete(record.Path, view_);
                if (state_.AbortRequested) {
                    view_.SetCleanTimer(false);
                    return false;
                }
            }
        }
        if (FileUsable(record.Path)) {
            ReportFailure(record, ownLine);
            return true;
        }
        view_.SetCleanTimer(false);
        ++cleaned_;
        if (ownLine)
            view_.SetLine(record.ListIndex, CleanedLineText(m_.Text(Msg::CleanedSeconds), state_.CleanSeconds));
        view_.Log(now_ + m_.Text(Msg::FileCleanedLine) + record.Path);
        MarkInfectedListLine(state_, record.Path, "Ok;");
        return true;
    }

    void ReportFailure(const TFileList& record, bool ownLine)
    {
        view_.SetCleanTimer(false);
        if (ownLine)
            view_.SetLine(record.ListIndex, "[Err] " + record.Path);
        view_.Log(now_ + m_.Text(Msg::CannotCleanLine));
        MarkInfectedListLine(state_, record.Path, IsLocked(record) ? "Locked_Err;" : "Err;");
        view_.ShowError(m_.Text(Msg::CannotCleanFile) + record.Path + m_.Text(Msg::DeleteManually));
        RemoveStartupValuesFor(record.Path);
    }

    SharedState& state_;
    CleaningView& view_;
    const MessageTable& m_;
    std::string now_;
    int cleaned_ = 0;
};

} // namespace

bool IsSilent(const TFileList& record)
{
    return record.FullScanHit || record.FileInFolder;
}

bool IsSelectedFile(const TFileList& record, CleaningView& view)
{
    if (record.InfectedFolder || record.SubFolder)
        return false;
    return IsSilent(record) || record.ListIndex == -1 || view.LineChecked(record.ListIndex);
}

bool IsLocked(const TFileList& record)
{
    return LowerCase(record.Name).find("lock:") != std::string::npos;
}

std::string CleanedLineText(const std::string& pattern, long double seconds)
{
    char number[32];
    std::snprintf(number, sizeof number, "%.2f", static_cast<double>(seconds));
    return ReplaceAll(pattern, "%f", number);
}

void MarkInfectedListLine(SharedState& state, const std::string& path, const std::string& word)
{
    if (!state.LogRequested)
        return;
    const std::string key = "!Infected " + LowerCase(FileNamePart(path));
    for (int i = 0; i < state.InfectedList.Count(); ++i) {
        const std::string& line = state.InfectedList[i];
        if (line.substr(0, line.find('=')) == key) {
            state.InfectedList[i] += word;
            return;
        }
    }
}

bool CleanAlerts(SharedState& state, CleaningView& view)
{
    CleanRun run(state, view);
    run.Start();
    const bool finished = run.CleanFiles() && run.RemoveFolders();
    if (finished)
        run.Finish();
    run.End(!finished);
    return finished;
}

void FixWithQuestion(SharedState& state, CleaningView& view)
{
    if (view.Ask(state.Messages.Text(Msg::FixQuestion)))
        CleanAlerts(state, view);
}

int QuarantineAlerts(SharedState& state, QuarantineStore& store, CleaningView& view)
{
    const MessageTable& m = state.Messages;
    const std::string now = view.Now();
    view.Log("");
    view.Log(now + ": " + m.Text(Msg::AddingToQuarantine));
    state.AbortRequested = false;
    int added = 0;
    view.SetFixEnabled(false);
    view.SetRunning(true);
    for (const TFileList& record : state.AlertRecords) {
        if (state.AbortRequested)
            break;
        if (!IsSelectedFile(record, view))
            continue;
        view.Status(m.Text(Msg::AddInQuarantineStatus) + record.Name);
        view.Log(now + m.Text(Msg::AddInQuarantineLine) + record.Name);
        if (!FileUsable(record.Path))
            continue;
        if (state.AbortRequested)
            break;
        EndProcessesByName(FileNamePart(record.Path));
        if (IsLocked(record))
            continue;
        if (QuarantineAdd(store, record.Path, record.Name, record.Md5)) {
            view.Log(now + m.Text(Msg::FileAddedLine) + record.Path);
            ++added;
        } else {
            view.Log(now + m.Text(Msg::CannotAddFileLine) + record.Path);
        }
    }
    view.Log(now + m.Text(Msg::CurrentProcessFinished));
    view.Log(now + m.Text(Msg::ClickFixHint));
    view.ShowInformation(std::to_string(added) + m.Text(Msg::AlertsAddedToQuarantine) + "\r\r" + m.Text(Msg::Note136) +
                         "\r" + m.Text(Msg::ClickFixNote));
    view.Status(m.Text(Msg::ProcessFinished));
    view.SetFixEnabled(true);
    view.SetRunning(false);
    FixWithQuestion(state, view);
    return added;
}
