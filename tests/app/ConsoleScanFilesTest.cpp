#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "ConsoleScanFiles.h"
#include "HeldFile.h"
#include "Md5Of.h"
#include "QuarantineCommands.h"
#include "TestFolder.h"
#include "core/HashSignatures.h"
#include "database/DatabaseFile.h"

namespace {

std::string SignatureLine(const std::string& body, const std::string& name)
{
    return Md5Text(Md5Of(body.data(), body.size())) + ":" + std::to_string(body.size()) + ":" + name + "\n";
}

// A program folder of the test's own (the folder's "program" part) with a hashes.dat
// of the given signature lines. The files to scan go to the "files" part.
std::string ProgramFolderWith(const TestFolder& dir, const std::string& lines)
{
    HashSignatures signatures;
    std::string error;
    EXPECT_TRUE(signatures.Parse(lines, error)) << error;
    const std::vector<uint8_t> bytes = PackHashSignatures(signatures);
    std::filesystem::create_directories(dir / "program");
    std::filesystem::create_directories(dir / "files");
    dir.Write("program\\hashes.dat", std::string(bytes.begin(), bytes.end()));
    return dir / "program\\";
}

struct ScanRun {
    std::ostringstream out, err;
    int code = -1;
    ScanRun(const std::vector<std::string>& args, const std::string& folder)
    {
        code = ConsoleScanFiles(args, folder, out, err);
    }
    // The "PATH: NAME" lines whose name is one of the test's signatures.
    std::set<std::string> Detections() const
    {
        std::set<std::string> found;
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);)
            if (line.find(": Test.") != std::string::npos)
                found.insert(line);
        return found;
    }
};

// A folder on the second test drive Q:, removed after the test.
struct DriveQFolder {
    std::string path;
    explicit DriveQFolder(const std::string& name) : path("Q:\\" + name + std::to_string(GetCurrentProcessId()))
    {
        CreateDirectoryA(path.c_str(), nullptr);
    }
    ~DriveQFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string Write(const std::string& name, const std::string& content) const
    {
        const std::string file = path + "\\" + name;
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }
};

const std::string BodyA = "MZ alpha signature body " + std::string(40, 'a');
const std::string BodyB = "MZ beta signature body, a little longer " + std::string(70, 'b');

} // namespace

TEST(ConsoleScanFiles, FindsExactlyTheCopiesAndListsLinksAndUnreadFiles)
{
    TestFolder program;
    const std::string folder =
        ProgramFolderWith(program, SignatureLine(BodyA, "Test.A") + SignatureLine(BodyB, "Test.B") +
                                       SignatureLine(HeldFile::SharedText, "Test.Held"));
    DriveQFolder q("scan-files-");
    const std::string a1 = q.Write("sub\\renamed.dat", BodyA);
    const std::string a2 = q.Write("deep\\er\\again.exe", BodyA);
    const std::string b1 = q.Write("b-copy.txt", BodyB);
    // Decoys of a signature's size with other bytes, and an empty file.
    q.Write("decoy-a.exe", std::string(BodyA.size(), 'x'));
    std::string almostB = BodyB;
    almostB.back() = 'c';
    q.Write("deep\\decoy-b.exe", almostB);
    q.Write("empty.exe", "");
    const std::string locked = q.Write("locked.exe", BodyA);
    const std::string log = q.path + "\\held.log";
    HeldFile held(log, HeldFile::Shared);
    HeldFile unreadable(locked);

    // Q:\links\up leads back to Q:\ and so to every copy again.
    ScanRun run({q.path, "Q:\\links"}, folder);
    EXPECT_EQ(run.code, 1) << run.err.str();
    EXPECT_EQ(run.Detections(),
              (std::set<std::string>{a1 + ": Test.A", a2 + ": Test.A", b1 + ": Test.B", log + ": Test.Held"}))
        << run.out.str();
    const std::string out = run.out.str();
    EXPECT_NE(out.find(locked + ": cannot be read, so it was not checked\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Q:\\links\\up: a link, not entered\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Files checked: 8, found: 4, not read: 1, links not entered: 1\n"), std::string::npos) << out;
}

TEST(ConsoleScanFiles, ExitCodesTellCleanFromUnreadAndUnreachable)
{
    TestFolder dir;
    const std::string folder = ProgramFolderWith(dir, SignatureLine(BodyA, "Test.A"));
    const std::string files = dir / "files";
    const std::string decoy = dir.Write("files\\decoy.exe", std::string(BodyA.size(), 'x'));
    const std::string other = dir.Write("files\\locked-other-size.exe", "short");

    ScanRun clean({decoy, files}, folder);
    EXPECT_EQ(clean.code, 0) << clean.out.str() << clean.err.str();
    EXPECT_TRUE(clean.Detections().empty());

    {
        // A file no signature's size fits is clean without being read.
        HeldFile held(other);
        ScanRun sizeOnly({other}, folder);
        EXPECT_EQ(sizeOnly.code, 0) << sizeOnly.out.str();
    }
    {
        const std::string locked = dir.Write("files\\locked.exe", BodyA);
        HeldFile held(locked);
        ScanRun unread({files}, folder);
        EXPECT_EQ(unread.code, 2) << unread.out.str();
    }

    ScanRun missing({dir / "no-such-file.exe"}, folder);
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.str().find("no-such-file.exe: cannot be read at all"), std::string::npos)
        << missing.err.str();

    ScanRun noHashes({decoy}, files + "\\");
    EXPECT_EQ(noHashes.code, 2);
    EXPECT_NE(noHashes.err.str().find("cannot read the hash signatures "), std::string::npos) << noHashes.err.str();

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{}, {"--fix", "--quarantine", decoy}, {"--bogus", decoy}}) {
        ScanRun wrong(bad, folder);
        EXPECT_EQ(wrong.code, 2);
    }
}

TEST(ConsoleScanFiles, FixRemovesAndQuarantineKeepsTheBytesForRestore)
{
    TestFolder dir;
    const std::string folder = ProgramFolderWith(dir, SignatureLine(BodyA, "Test.A"));
    const std::string decoy = dir.Write("files\\decoy.exe", std::string(BodyA.size(), 'x'));

    const std::string fixed = dir.Write("files\\fix-me-scanfiles.exe", BodyA);
    ScanRun fix({dir / "files", "--fix"}, folder);
    EXPECT_EQ(fix.code, 1) << fix.err.str();
    EXPECT_EQ(FileText(fixed), "<unreadable>") << fix.out.str();
    EXPECT_EQ(FileText(decoy), std::string(BodyA.size(), 'x'));

    const std::string stored = dir.Write("files\\quarantine-me-scanfiles.exe", BodyA);
    ScanRun quarantine({stored, "--quarantine"}, folder);
    EXPECT_EQ(quarantine.code, 1) << quarantine.err.str();
    EXPECT_EQ(FileText(stored), "<unreadable>") << quarantine.out.str();

    std::ostringstream out, err;
    QuarantineStore store(folder);
    ASSERT_EQ(RunQuarantineCommand({"restore", stored}, store, out, err), 0) << err.str();
    EXPECT_EQ(FileText(stored), BodyA);
}

TEST(ConsoleScanFiles, PauseWaitsForAKeyOrTheEndOfInput)
{
    TestFolder dir;
    const std::string folder = ProgramFolderWith(dir, SignatureLine(BodyA, "Test.A"));
    const std::string exe = folder + "pyrafixc.exe";
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "pyrafixc.exe").c_str(), exe.c_str(), FALSE));
    const std::string target = dir.Write("files\\plain.txt", "nothing here");
    dir.Write("in.txt", "");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE in =
        CreateFileA((dir / "in.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING, 0, nullptr);
    HANDLE outFile =
        CreateFileA((dir / "out.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = outFile;
    si.hStdError = outFile;
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + exe + "\" scan-files --pause \"" + target + "\"";
    DWORD code = 999;
    ASSERT_TRUE(
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr, &si, &pi));
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(in);
    CloseHandle(outFile);
    EXPECT_EQ(code, 0u);
    const std::string text = FileText(dir / "out.txt");
    EXPECT_NE(text.find("found: 0"), std::string::npos) << text;
    EXPECT_NE(text.find("Press any key to close this window."), std::string::npos) << text;
}

TEST(ConsoleScanFiles, NamesOutsideTheAnsiPageAndLongPathsAreNeverCalledClean)
{
    TestFolder dir;
    const std::string program = ProgramFolderWith(dir, SignatureLine(BodyA, "Test.Alpha"));
    const std::wstring files = std::filesystem::path(dir / "files").wstring();
    const auto writeWide = [](const std::wstring& path, const std::string& body) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, body.data(), static_cast<DWORD>(body.size()), &written, nullptr);
        CloseHandle(file);
    };
    // A copy whose name the ANSI functions cannot spell.
    writeWide(files + L"\\\u65e5\u672c\u8a9e.exe", BodyA);
    // A copy at the end of a path of over 260 characters, and one of 32,000.
    std::wstring deep = L"\\\\?\\" + files;
    while (deep.size() < 300) {
        deep += L"\\" + std::wstring(60, L'd');
        CreateDirectoryW(deep.c_str(), nullptr);
    }
    writeWide(deep + L"\\copy.exe", BodyA);
    std::wstring deepest = deep;
    while (deepest.size() < 32000 && CreateDirectoryW((deepest + L"\\" + std::wstring(200, L'e')).c_str(), nullptr))
        deepest += L"\\" + std::wstring(200, L'e');

    ScanRun run({dir / "files"}, program);
    EXPECT_EQ(run.code, 2) << "copies it could not read make the run unclean:\n" << run.out.str();
    EXPECT_NE(run.out.str().find("cannot be read"), std::string::npos) << run.out.str();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(L"\\\\?\\" + files), ignored);
}
