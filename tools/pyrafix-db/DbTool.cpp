#include "DbTool.h"

#include <exception>
#include <filesystem>

#include "DatabaseSource.h"
#include "ToolFiles.h"
#include "core/Bzip2.h"
#include "core/DatabaseText.h"
#include "core/HashSignatures.h"
#include "core/Md5.h"
#include "core/MessageTable.h"
#include "core/Signatures.h"
#include "core/StreamCipher.h"
#include "core/TextHelpers.h"
#include "core/UpdateList.h"

#ifdef _WIN32
#include "database/DatabaseFile.h"
#endif

namespace {

constexpr int Ok = 0;
constexpr int Failed = 2;

const char Usage[] = "usage: pyrafix-db COMMAND ARGUMENTS\n"
                     "\n"
                     "  pack SOURCE OUT [--bzip2]  make a database (files.dat) from a signature source\n"
                     "  piece SOURCE OUT           make an incremental update piece (enciphered, never compressed)\n"
                     "  pack-hashes SOURCE... OUT  make hash signatures (hashes.dat) from MD5:SIZE:NAME lines\n"
                     "  unpack IN OUT              write the plain text of a database or piece\n"
                     "  encrypt IN OUT             encipher any file with the program's stream cipher\n"
                     "  decrypt IN OUT             decipher any file\n"
                     "  info FILE                  load a database as the program does; print its date and lines\n"
                     "  keygen DIR                 make the update key pair DIR/update.key (keep it private) and\n"
                     "                             DIR/update.pub (the program is built with it)\n"
                     "  sign KEY FILE              write FILE.sig, the detached signature of FILE\n"
                     "  verify PUBKEY FILE         exit 0 when FILE.sig is PUBKEY's signature of FILE, else 2\n"
                     "  publish KEY SOURCE OUT [--bzip2] [--piece N PIECE_SOURCE]... [--base N] [--program EXE]\n"
                     "          [--version TEXT] [--logs] [--hashes HASH_SOURCE]\n"
                     "                             lay out an update server folder in OUT: updr2/list.htm,\n"
                     "                             updr2/files2.htm from SOURCE, updr2/upd/N.htm from each piece,\n"
                     "                             updr2/pyrxt.htm from EXE, each with its .sig; the list page names\n"
                     "                             the database's date, the program version (default the current\n"
                     "                             one), whether logs are wanted, the lowest piece base and,\n"
                     "                             with --hashes, the MD5 text of updr2/hashes.htm (hashes.dat)\n"
                     "\n"
                     "A signature source is text with LF or CR LF lines: the first line is the database date,\n"
                     "lines that begin with # are comments, and the _end line is added when missing.\n"
                     "A hash source has one signature a line, MD5:SIZE:NAME (the MD5 text, the file size in bytes,\n"
                     "the detection name); lines that begin with # are comments and repeats are merged.\n";

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

// The database file made from a signature source; its date goes to `date` when asked.
std::vector<uint8_t> Packed(const std::string& source, bool compress, std::string* date = nullptr)
{
    const std::vector<uint8_t> bytes = ReadInput(source);
    std::string text, error;
    if (!BuildDatabaseText(std::string(bytes.begin(), bytes.end()), text, error))
        throw ToolError(source + ": " + error);
    if (date)
        *date = TrimRightBlanks(text.substr(0, DateLineBytes - 2));
    std::vector<uint8_t> layer(text.begin(), text.end());
    if (compress)
        layer = CompressBytes(layer.data(), layer.size());
    return Ciphered(std::move(layer), true);
}

void Pack(const std::string& source, const std::string& out, bool compress)
{
    WriteOutput(out, Packed(source, compress));
}

// hashes.dat from hash sources: every source checked on its own, so that an error
// names its file and line; then merged, the first name of a repeat kept.
std::vector<uint8_t> PackedHashes(const std::vector<std::string>& sources)
{
    std::string merged;
    for (const std::string& source : sources) {
        const std::vector<uint8_t> bytes = ReadInput(source);
        HashSignatures signatures;
        std::string error;
        if (!signatures.Parse(reinterpret_cast<const char*>(bytes.data()), bytes.size(), error))
            throw ToolError(source + ": " + error);
        merged += signatures.Text();
    }
    HashSignatures all;
    std::string error;
    if (!all.Parse(merged, error))
        throw ToolError(error);
    return PackHashSignatures(all);
}

const char SecretKeyName[] = "update.key";
const char PublicKeyName[] = "update.pub";

std::vector<uint8_t> ReadKey(const std::string& path, size_t size)
{
    std::vector<uint8_t> key = ReadInput(path);
    if (key.size() != size)
        throw ToolError(path + " is no " + (size == SecretKeyBytes ? "private" : "public") + " update key");
    return key;
}

void KeyGen(const std::string& folder)
{
    const std::filesystem::path dir(folder);
    // A maker's key signs every release: never overwrite one.
    if (std::filesystem::exists(dir / SecretKeyName))
        throw ToolError((dir / SecretKeyName).string() + " exists already; move it away first");
    std::vector<uint8_t> pub, secret;
    if (!MakeSigningKeys(pub, secret))
        throw ToolError("cannot make a key pair (no random source)");
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    WriteOutput((dir / SecretKeyName).string(), secret);
    std::filesystem::permissions(dir / SecretKeyName,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write, ignored);
    WriteOutput((dir / PublicKeyName).string(), pub);
}

std::vector<uint8_t> SignatureOf(const std::string& path, const std::vector<uint8_t>& bytes,
                                 const std::vector<uint8_t>& secret)
{
    std::vector<uint8_t> signature = SignBytes(bytes.data(), bytes.size(), secret);
    if (signature.empty())
        throw ToolError("cannot sign " + path);
    return signature;
}

void WriteSigned(const std::string& path, const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& secret)
{
    WriteOutput(path, bytes);
    WriteOutput(path + ".sig", SignatureOf(path, bytes, secret));
}

void Sign(const std::string& keyPath, const std::string& file)
{
    WriteOutput(file + ".sig", SignatureOf(file, ReadInput(file), ReadKey(keyPath, SecretKeyBytes)));
}

bool Verify(const std::string& keyPath, const std::string& file, std::ostream& out)
{
    const std::vector<uint8_t> pub = ReadKey(keyPath, PublicKeyBytes);
    const std::vector<uint8_t> bytes = ReadInput(file);
    std::vector<uint8_t> signature;
    const bool good = ReadFileBytes(file + ".sig", signature) &&
                      SignatureMatches(bytes.data(), bytes.size(), signature, pub.data(), pub.size());
    out << file << (good ? ": good signature\n" : ": no good signature\n");
    return good;
}

void Publish(const std::vector<std::string>& args)
{
    const std::vector<uint8_t> secret = ReadKey(args[1], SecretKeyBytes);
    const std::string source = args[2];
    const std::filesystem::path root = std::filesystem::path(args[3]) / "updr2";
    bool compress = false, logs = false;
    std::string base, program, hashes, version = ProgramVersionText;
    std::vector<std::pair<std::string, std::string>> pieces;
    for (size_t i = 4; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--bzip2") {
            compress = true;
        } else if (args[i] == "--logs") {
            logs = true;
        } else if (args[i] == "--piece" && i + 2 < args.size() && DecimalOrZero(args[i + 1]) > 0) {
            pieces.emplace_back(args[i + 1], args[i + 2]);
            i += 2;
        } else if (args[i] == "--base" && hasValue && DecimalOrZero(args[i + 1]) > 0) {
            base = args[++i];
        } else if (args[i] == "--program" && hasValue) {
            program = args[++i];
        } else if (args[i] == "--hashes" && hasValue) {
            hashes = args[++i];
        } else if (args[i] == "--version" && hasValue) {
            version = args[++i];
        } else {
            throw ToolError("wrong arguments for 'publish' at '" + args[i] + "'", true);
        }
    }
    std::error_code ignored;
    std::filesystem::create_directories(root / "upd", ignored);
    std::string date;
    WriteSigned((root / "files2.htm").string(), Packed(source, compress, &date), secret);
    for (const auto& [number, pieceSource] : pieces)
        WriteSigned((root / "upd" / (number + ".htm")).string(), Packed(pieceSource, false), secret);
    if (!program.empty())
        WriteSigned((root / "pyrxt.htm").string(), ReadInput(program), secret);
    std::string list = std::string(ListPageProduct) + "\r\n" + date + "\r\n" + version + "\r\n\r\n" +
                       (logs ? "1" : "0") + "\r\n" + base + "\r\n";
    if (!hashes.empty()) {
        // The list page names hashes.dat by its MD5: a program whose file differs fetches it.
        const std::vector<uint8_t> packed = PackedHashes({hashes});
        WriteSigned((root / "hashes.htm").string(), packed, secret);
        Md5 md5;
        md5.Update(packed.data(), packed.size());
        list += Md5Text(md5.Final()) + "\r\n";
    }
    WriteSigned((root / "list.htm").string(), std::vector<uint8_t>(list.begin(), list.end()), secret);
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
    while (NextDatabaseLine(database) != EndLine)
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
    } else if (command == "pack-hashes" && count >= 3) {
        WriteOutput(args.back(), PackedHashes(std::vector<std::string>(args.begin() + 1, args.end() - 1)));
    } else if (command == "unpack" && count == 3) {
        WriteOutput(args[2], LoadAsProgram(args[1]).Bytes());
    } else if ((command == "encrypt" || command == "decrypt") && count == 3) {
        WriteOutput(args[2], Ciphered(ReadInput(args[1]), command == "encrypt"));
    } else if (command == "info" && count == 2) {
        Info(args[1], out);
    } else if (command == "keygen" && count == 2) {
        KeyGen(args[1]);
    } else if (command == "sign" && count == 3) {
        Sign(args[1], args[2]);
    } else if (command == "verify" && count == 3) {
        return Verify(args[1], args[2], out) ? Ok : Failed;
    } else if (command == "publish" && count >= 4) {
        Publish(args);
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
