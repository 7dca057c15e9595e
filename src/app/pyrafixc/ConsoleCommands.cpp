#include "ConsoleCommands.h"

#include "ConsoleRenderer.h"
#include "core/DatabaseText.h"
#include "database/DatabaseFile.h"
#include "database/FileMd5.h"
#include "reports/WindowsVersion.h"
#include "scan/ScanCommands.h"
#include "shell/AppContext.h"
#include "shell/Settings.h"
#include "ui/Application.h"

namespace {

constexpr int Done = 0;
constexpr int Found = 1;
constexpr int Failed = 2;

const char Version[] = "pyrafixc 4.0 (Pyrafix Pro v4 - SE)";

const char Usage[] = "usage: pyrafixc COMMAND [ARGUMENTS]\n"
                     "\n"
                     "  scan [--yes]    quick scan of this machine with files.dat and RegBase.rgk\n"
                     "                  beside the program; prints the scan log and every message;\n"
                     "                  questions are answered No, or Yes with --yes\n"
                     "  md5 FILE...     print the MD5 text of each file, as md5sum does\n"
                     "  --help          this text\n"
                     "  --version       the program's version\n"
                     "\n"
                     "Exit codes: 0 clean or done, 1 something found, 2 an error.\n";

int PrintMd5s(const std::vector<std::string>& files, std::ostream& out, std::ostream& err)
{
    if (files.empty()) {
        err << "pyrafixc: md5 needs at least one file\n";
        return Failed;
    }
    int result = Done;
    for (const std::string& file : files) {
        const std::optional<Md5Digest> digest = ReadFileMd5(file);
        if (!digest) {
            err << "pyrafixc: " << file << ": cannot read the file\n";
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
        err << "pyrafixc: cannot read the database " << path << "\n";
        return false;
    }
    if (FindText(std::string(EndLine) + "\r\n", database, 0) < 0) {
        err << "pyrafixc: " << path << " is damaged or is not a Pyrafix database\n";
        return false;
    }
    return true;
}

// The quick scan, run by the main window's own code on windows that are never shown.
int Scan(const std::vector<std::string>& options, std::ostream& out, std::ostream& err)
{
    bool answerYes = false;
    for (const std::string& option : options) {
        if (option != "--yes") {
            err << "pyrafixc: unknown option '" << option << "' for scan\n";
            return Failed;
        }
        answerYes = true;
    }
    const std::string folder = ProgramFolder();
    if (!DatabaseReadable(folder + "files.dat", err))
        return Failed;

    SharedState state;
    ConsoleRenderer renderer(out, answerYes);
    TApplication app(&renderer);
    renderer.Attach(app);
    app.Title = "Pyrafix Pro v4 - SE";
    ShellEnvironment environment;
    environment.ProgramFolder = folder;
    environment.WindowsName = PlatformCheckName(QueryWindowsVersion());
    environment.OpenDocument = [](const std::string&) {};
    environment.ActionDialogKey = ActionDialogKey;
    AppContext context{app, state, environment};
    CreateAppWindows(context);
    if (app.Terminated())
        return Failed; // this Windows version is refused, and was told so
    QuickScan(context, false);
    return state.ScanFoundAny ? Found : Done;
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
    if (command == "scan")
        return Scan(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "md5")
        return PrintMd5s(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    err << "pyrafixc: " << (command.empty() ? "no command given" : "unknown command '" + command + "'") << "\n\n"
        << Usage;
    return Failed;
}
