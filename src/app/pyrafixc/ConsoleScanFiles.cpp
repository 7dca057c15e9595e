#include "ConsoleScanFiles.h"

#include <windows.h>

#include <conio.h>

#include "ConsoleCleaning.h"
#include "ConsoleTexts.h"
#include "database/HashDatabase.h"
#include "quarantine/QuarantineStore.h"
#include "scan/Cleaning.h"
#include "scan/QuickScan.h"
#include "scan/ScanFiles.h"

namespace {

constexpr int Clean = 0;
constexpr int Found = 1;
constexpr int Failed = 2;

struct ScanFilesOptions {
    std::vector<std::string> paths;
    bool fix = false;
    bool quarantine = false;
    bool pause = false;
};

bool ParseOptions(const std::vector<std::string>& args, ScanFilesOptions& options, std::ostream& err)
{
    for (const std::string& arg : args) {
        if (arg == "--fix") {
            options.fix = true;
        } else if (arg == "--quarantine") {
            options.quarantine = true;
        } else if (arg == "--pause") {
            options.pause = true;
        } else if (arg.rfind("--", 0) == 0) {
            err << "pyrafixc: " << ConsoleText(Msg::ConsoleUnknownOption) << arg << "\n";
            return false;
        } else {
            options.paths.push_back(arg);
        }
    }
    if (options.fix && options.quarantine) {
        err << "pyrafixc: " << ConsoleText(Msg::ScanFilesFixOrQuarantine) << "\n";
        return false;
    }
    if (options.paths.empty()) {
        err << "pyrafixc: " << ConsoleText(Msg::ScanFilesNeedsPath) << "\n";
        return false;
    }
    return true;
}

// Explorer's verb opens a console of its own that would close with the last line:
// wait for a key there. Without a console (a script, a pipe) one byte of input or
// its end will do.
void WaitForKey(std::ostream& out)
{
    out << ConsoleText(Msg::PressAnyKey) << std::endl;
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (input != nullptr && input != INVALID_HANDLE_VALUE && GetConsoleMode(input, &mode)) {
        _getch();
        return;
    }
    char byte = 0;
    DWORD read = 0;
    if (input != nullptr && input != INVALID_HANDLE_VALUE)
        ReadFile(input, &byte, 1, &read, nullptr);
}

int Scan(const ScanFilesOptions& options, const std::string& programFolder, std::ostream& out, std::ostream& err)
{
    HashSignatures signatures;
    std::string error;
    const std::string hashes = programFolder + HashDatabaseName;
    if (!LoadHashSignatures(hashes, signatures, error)) {
        err << "pyrafixc: " << ConsoleText(Msg::CannotReadHashSignatures) << hashes << ": " << error << "\n";
        return Failed;
    }

    IgnoreList ignore;
    const std::string ignoreProblem = LoadIgnoreList(programFolder, ConsoleMessages(), "pyrafixc", ignore);
    if (!ignoreProblem.empty())
        err << ignoreProblem << "\n";

    ScanFilesEvents events;
    events.Ignored = [&out, &ignore](const std::string& path, const std::string& md5, const std::string& name) {
        if (!ignore.IgnoresFile(path, md5))
            return false;
        out << path << ConsoleText(Msg::ScanFilesIgnored) << " (" << name << ")\n";
        return true;
    };
    events.Detection = [&out](const std::string& path, const std::string& name) {
        out << path << ": " << name << "\n";
    };
    events.Unreadable = [&out](const std::string& path) { out << path << ConsoleText(Msg::ScanFilesNotRead) << "\n"; };
    events.Link = [&out](const std::string& path) { out << path << ConsoleText(Msg::ScanFilesLinkNotEntered) << "\n"; };
    events.PathUnreadable = [&err](const std::string& path) {
        err << "pyrafixc: " << path << ConsoleText(Msg::ScanFilesPathUnreadable) << "\n";
    };
    ScanFilesResult result = ScanFiles(options.paths, signatures, events);
    const size_t found = result.Detections.size();
    out << ConsoleText(Msg::ScanFilesChecked) << result.Files << ConsoleText(Msg::ScanFilesFound) << found
        << ConsoleText(Msg::ScanFilesNotReadCount) << result.Unreadable << ConsoleText(Msg::ScanFilesLinks)
        << result.Links << "\n";

    if (found > 0 && (options.fix || options.quarantine)) {
        SharedState state;
        state.AlertRecords = std::move(result.Detections);
        state.DetectionCount = static_cast<int>(found);
        state.ScanFoundAny = true;
        ConsoleCleaningView view(state, out, err);
        if (options.quarantine) {
            QuarantineStore store(programFolder);
            QuarantineAlerts(state, store, view);
        } else {
            CleanAlerts(state, view);
        }
    }
    if (result.PathUnreadable)
        return Failed;
    if (found > 0)
        return Found;
    return result.Unreadable > 0 ? Failed : Clean;
}

} // namespace

int ConsoleScanFiles(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                     std::ostream& err)
{
    ScanFilesOptions options;
    const int code = ParseOptions(args, options, err) ? Scan(options, programFolder, out, err) : Failed;
    if (options.pause)
        WaitForKey(out);
    return code;
}
