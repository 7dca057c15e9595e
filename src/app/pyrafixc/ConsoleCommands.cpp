#include "ConsoleCommands.h"

#include "ConsoleCleaning.h"
#include "ConsoleLanguage.h"
#include "ConsoleReport.h"
#include "ConsoleScan.h"
#include "ConsoleScanFiles.h"
#include "ConsoleSendLog.h"
#include "ConsoleTexts.h"
#include "ConsoleUpdate.h"
#include "IgnoreCommands.h"
#include "QuarantineCommands.h"
#include "core/DatabaseText.h"
#include "core/WindowsVersionName.h"
#include "database/DatabaseFile.h"
#include "database/FileMd5.h"
#include "quarantine/QuarantineStore.h"
#include "scan/Cleaning.h"
#include "shell/MachineEnvironment.h"
#include "shell/Settings.h"
#include "update/UpdateServer.h"
#include "update/UpgradeStart.h"

namespace {

constexpr int Done = 0;
constexpr int Found = 1;
constexpr int Failed = 2;

const char Version[] = "pyrafixc 4.0 (Pyrafix Pro v4 - SE)";

const char Usage[] = "usage: pyrafixc COMMAND [ARGUMENTS]\n"
                     "\n"
                     "  scan [--full [DRIVES]] [--fix | --quarantine]\n"
                     "                  quick scan of this machine with files.dat and RegBase.rgk beside\n"
                     "                  the program; prints the scan log and every message (questions\n"
                     "                  are answered No). --full then hunts copies of the hits on the\n"
                     "                  given drives or folders (C:\\;D:\\; - all fixed drives when none\n"
                     "                  are given), --fix cleans everything found, --quarantine stores\n"
                     "                  the files in the quarantine first and then cleans\n"
                     "  update [--upgrade]\n"
                     "                  the update check against the update server (the registry value\n"
                     "                  UpdateServer names a mirror); a newer database is fetched and\n"
                     "                  loaded, a newer program only with --upgrade. Exit 0 when the\n"
                     "                  database is the newest at the end\n"
                     "  report [--out FILE] [--json FILE]\n"
                     "                  the full report log of this machine (startup entries, services,\n"
                     "                  processes, detections) to Information.txt beside the program or\n"
                     "                  to FILE; --json also writes it as JSON\n"
                     "  send-log        quick scan, then upload the log of startup entries and\n"
                     "                  detections to the maker's log server (the \"LogServer\" value)\n"
                     "  scan-files PATH... [--fix | --quarantine] [--pause]\n"
                     "                  check files and folders against the hash signatures of\n"
                     "                  hashes.dat beside the program; prints \"PATH: NAME\" for each\n"
                     "                  detection, and the files it could not read; links inside\n"
                     "                  folders are listed, not entered. --fix removes what was found,\n"
                     "                  --quarantine stores it in the quarantine first; --pause waits\n"
                     "                  for a key at the end\n"
                     "  ignore add PATH [NAME] | add-md5 MD5 NAME | list | remove N\n"
                     "                  the ignore list (Ignore.dat beside the program): files and\n"
                     "                  folders by path, files by MD5, that every scan passes over\n"
                     "  md5 FILE...     print the MD5 text of each file, as md5sum does\n"
                     "  quarantine list|restore PATH|remove PATH|clear\n"
                     "                  the quarantine beside the program\n"
                     "  language export FILE\n"
                     "                  the template of the built-in texts for translators; the\n"
                     "                  language the program uses applies to every command\n"
                     "  --help          this text\n"
                     "  --version       the program's version\n"
                     "\n"
                     "Exit codes: 0 clean or done, 1 something found, 2 an error.\n";

int PrintMd5s(const std::vector<std::string>& files, std::ostream& out, std::ostream& err)
{
    if (files.empty()) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleMd5NeedsFile) << "\n";
        return Failed;
    }
    int result = Done;
    for (const std::string& file : files) {
        const std::optional<Md5Digest> digest = ReadFileMd5(file);
        if (!digest) {
            err << "pyrafixc: " << file << ConsoleText(Msg::ConsoleCannotReadFile) << "\n";
            result = Failed;
            continue;
        }
        out << Md5Text(*digest) << "  " << file << "\n";
    }
    return result;
}

// Refuses a database the program could not scan: missing, unreadable, or not a
// database text once deciphered (no "_end" line).
bool DatabaseReadable(const std::string& path, std::ostream& err)
{
    MemoryStream database;
    if (!LoadDatabase(path, database)) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleCannotReadDatabase) << path << "\n";
        return false;
    }
    if (FindText(std::string(EndLine) + "\r\n", database, 0) < 0) {
        err << "pyrafixc: " << path << ConsoleText(Msg::ConsoleDamagedDatabase) << "\n";
        return false;
    }
    return true;
}

struct ScanOptions {
    bool full = false;
    std::string drives; // empty: every fixed drive
    bool fix = false;
    bool quarantine = false;
};

bool ParseScanOptions(const std::vector<std::string>& args, ScanOptions& options, std::ostream& err)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--full") {
            options.full = true;
            if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0)
                options.drives = args[++i];
        } else if (args[i] == "--fix") {
            options.fix = true;
        } else if (args[i] == "--quarantine") {
            options.quarantine = true;
        } else {
            err << "pyrafixc: " << ConsoleText(Msg::ConsoleUnknownOption) << args[i] << "\n";
            return false;
        }
    }
    if (!options.drives.empty() && options.drives.back() != ';')
        options.drives += ';';
    return true;
}

// The quick scan, by the same code as the main window's, then the full scan and the
// cleaning the options ask for.
int Scan(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ScanOptions options;
    if (!ParseScanOptions(args, options, err))
        return Failed;
    const std::string folder = ProgramFolder();
    if (!DatabaseReadable(folder + "files.dat", err))
        return Failed;

    SharedState state;
    state.Messages = ConsoleMessages();
    if (IsUnsupportedWindows(MachineEnvironment(folder).WindowsName)) {
        out << "Pyrafix Pro: " << state.Messages.Text(Msg::UnsupportedWindows) << "\n";
        return Failed;
    }
    if (!LoadDatabase(folder + "files.dat", state.DatabaseStream))
        return Failed;
    ConsoleScanWindow window(state, out);
    RunQuickScan(state, window, window);
    const bool found = state.ScanFoundAny;

    if (found && options.full)
        ConsoleFullScan(state, options.drives, out);
    if (found && (options.fix || options.quarantine)) {
        ConsoleCleaningView view(state, out, err);
        if (options.quarantine) {
            QuarantineStore store(folder);
            QuarantineAlerts(state, store, view);
        } else {
            CleanAlerts(state, view);
        }
    }
    return found ? Found : Done;
}

} // namespace

int RunConsoleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const std::string command = args.empty() ? std::string() : args[0];
    if (command == "--help" || command == "-h") {
        out << Usage;
        return Done;
    }
    if (command == "--version") {
        out << Version << "\n";
        return Done;
    }
    ConsoleMessages() = ChosenLanguageMessages(ProgramFolder());
    if (command == "language")
        return ConsoleLanguage(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "scan")
        return Scan(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "update") {
        const bool upgrade = args.size() == 2 && args[1] == "--upgrade";
        if (args.size() > 2 || (args.size() == 2 && !upgrade)) {
            err << "pyrafixc: " << ConsoleText(Msg::ConsoleUnknownUpdateOption) << args.back() << "\n";
            return Failed;
        }
        return RunConsoleUpdate(ProgramFolder(), UpdateServerHost(ActionDialogKey), upgrade, StartUpgrader, out);
    }
    if (command == "report")
        return ConsoleReport(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "send-log")
        return ConsoleSendLog(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "scan-files")
        return ConsoleScanFiles(std::vector<std::string>(args.begin() + 1, args.end()), ProgramFolder(), out, err);
    if (command == "ignore")
        return RunIgnoreCommand(std::vector<std::string>(args.begin() + 1, args.end()), ProgramFolder(), out, err);
    if (command == "md5")
        return PrintMd5s(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "quarantine")
        return RunQuarantineCommand(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    err << "pyrafixc: "
        << (command.empty() ? ConsoleText(Msg::ConsoleNoCommand) : ConsoleText(Msg::ConsoleUnknownCommand) + command)
        << "\n\n"
        << Usage;
    return Failed;
}
