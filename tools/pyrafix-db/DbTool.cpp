#include "DbTool.h"

#include <exception>

#include "DatabaseSource.h"
#include "ToolFiles.h"
#include "core/Bzip2.h"
#include "core/DatabaseText.h"
#include "core/MessageTable.h"
#include "core/StreamCipher.h"
#include "core/TextHelpers.h"

#ifdef _WIN32
#include "database/DatabaseFile.h"
#endif

namespace {

constexpr int Ok = 0;
constexpr int Failed = 2;

const char Usage[] =
    "usage: pyrafix-db COMMAND ARGUMENTS\n"
    "\n"
    "  pack SOURCE OUT [--bzip2]  make a database (files.dat) from a signature source\n"
    "  piece SOURCE OUT           make an incremental update piece (enciphered, never compressed)\n"
    "  unpack IN OUT              write the plain text of a database or piece\n"
    "  encrypt IN OUT             encipher any file with the program's stream cipher\n"
    "  decrypt IN OUT             decipher any file\n"
    "  info FILE                  load a database as the program does; print its date and lines\n"
    "\n"
    "A signature source is text with LF or CR LF lines: the first line is the database date,\n"
    "lines that begin with # are comments, and the _end line is added when missing.\n";

struct ToolError : std::exception {
    explicit ToolError(std::string m, bool usage = false) : message(std::move(m)), showUsage(usage) {}
    const char* what() const noexcept override { return message.c_str(); }
    std::string message;
    bool showUsage;
};

std::vector<uint8_t> ReadInput(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes))
        throw ToolError("cannot read " + path + " (missing or not readable)");
    return bytes;
}

void WriteOutput(const std::string& path, const std::vector<uint8_t>& bytes)
{
    if (!WriteFileAtomically(path, bytes))
        throw ToolError("cannot write " + path);
}

std::vector<uint8_t> Ciphered(std::vector<uint8_t> bytes, bool encrypt)
{
    if (encrypt)
        Encrypt(bytes.data(), bytes.size(), bytes.data(), DatabaseKey, bytes.size());
    else
        Decrypt(bytes.data(), bytes.size(), bytes.data(), DatabaseKey, bytes.size());
    return bytes;
}

void Pack(const std::string& source, const std::string& out, bool compress)
{
    const std::vector<uint8_t> bytes = ReadInput(source);
    std::string text, error;
    if (!BuildDatabaseText(std::string(bytes.begin(), bytes.end()), text, error))
        throw ToolError(source + ": " + error);
    std::vector<uint8_t> layer(text.begin(), text.end());
    if (compress)
        layer = CompressBytes(layer.data(), layer.size());
    WriteOutput(out, Ciphered(std::move(layer), true));
}

MemoryStream LoadAsProgram(const std::string& path)
{
    MemoryStream database;
#ifdef _WIN32
    if (!LoadDatabase(path, database))
        throw ToolError("cannot read " + path);
#else
    LoadDatabaseBytes(ReadInput(path), database);
#endif
    return database;
}

void Info(const std::string& path, std::ostream& out)
{
    MemoryStream database = LoadAsProgram(path);
    if (database.Size() == 0)
        throw ToolError(path + " is empty");
    const std::string date = DatabaseDate(database, MessageTable().Text(Msg::ErrorCaption));
    database.Seek(0);
    long lines = 0;
    while (ReadDatabaseLine(database) != EndLine)
        ++lines;
    out << "Database date: " << TrimRightBlanks(date) << "\n";
    out << "Lines read before _end: " << lines;
    if (lines > 0)
        out << " (the date line and " << lines - 1 << " records)";
    out << "\n";
}

int Run(const std::vector<std::string>& args, std::ostream& out)
{
    const std::string command = args.empty() ? std::string() : args[0];
    const size_t count = args.size();
    if (command == "pack" && (count == 3 || (count == 4 && args[3] == "--bzip2"))) {
        Pack(args[1], args[2], count == 4);
    } else if (command == "piece" && count == 3) {
        Pack(args[1], args[2], false);
    } else if (command == "unpack" && count == 3) {
        WriteOutput(args[2], LoadAsProgram(args[1]).Bytes());
    } else if ((command == "encrypt" || command == "decrypt") && count == 3) {
        WriteOutput(args[2], Ciphered(ReadInput(args[1]), command == "encrypt"));
    } else if (command == "info" && count == 2) {
        Info(args[1], out);
    } else {
        throw ToolError(command.empty() ? "no command given" : "wrong arguments for '" + command + "'", true);
    }
    return Ok;
}

} // namespace

int RunDbTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << Usage;
        return Ok;
    }
    try {
        return Run(args, out);
    } catch (const ToolError& e) {
        err << "pyrafix-db: " << e.what() << "\n";
        if (e.showUsage)
            err << "\n" << Usage;
    } catch (const std::exception& e) {
        err << "pyrafix-db: " << e.what() << "\n";
    }
    return Failed;
}
