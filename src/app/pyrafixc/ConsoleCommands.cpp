#include "ConsoleCommands.h"

#include "QuarantineCommands.h"
#include "database/FileMd5.h"

namespace {

constexpr int Done = 0;
constexpr int Failed = 2;

const char Version[] = "pyrafixc 4.0 (Pyrafix Pro v4 - SE)";

const char Usage[] = "usage: pyrafixc COMMAND [ARGUMENTS]\n"
                     "\n"
                     "  md5 FILE...     print the MD5 text of each file, as md5sum does\n"
                     "  quarantine list|restore PATH|remove PATH|clear\n"
                     "                  the quarantine beside the program\n"
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
    if (command == "md5")
        return PrintMd5s(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "quarantine")
        return RunQuarantineCommand(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    err << "pyrafixc: " << (command.empty() ? "no command given" : "unknown command '" + command + "'") << "\n\n"
        << Usage;
    return Failed;
}
