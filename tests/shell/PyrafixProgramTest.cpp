// pyrafix.exe as a whole, started as its own process in the test prefix.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "TestFolder.h"
#include "WindowProbe.h"
#include "core/DatabaseText.h"
#include "core/MessageTable.h"
#include "database/DatabaseFile.h"
#include "platform/RegistryKey.h"
#include "shell/Settings.h"

namespace {

const char MainCaption[] = "Pyrafix Pro v4 - SE";
const char DialogCaption[] = "Select your action";

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Makes Wine report this Windows version to programs of that file name.
void ReportVersion(const std::string& exeName, const std::string& version)
{
    RegKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\" + exeName));
    ASSERT_TRUE(key.WriteString("Version", version));
}

class Program {
public:
    explicit Program(const std::string& path)
    {
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        std::string command = "\"" + path + "\"";
        const std::string folder = path.substr(0, path.find_last_of('\\'));
        started_ = CreateProcessA(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                  &startup, &info_);
    }
    ~Program()
    {
        if (!started_)
            return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    bool Started() const { return started_; }
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }
    // The exit code, or -1 when it has not ended within the time.
    long WaitForExit(DWORD milliseconds = 20000) const
    {
        if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

// Answers the first message box of a process (any process when pid is 0); returns its text.
std::string AnswerBox(DWORD pid, const std::string& caption)
{
    HWND box = probe::WaitForTop(pid, caption, "#32770", 20000);
    if (!box)
        return "(no message box)";
    const std::string text = probe::MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
}

bool CheckBoxChecked(HWND window, const std::string& caption)
{
    HWND box = probe::FindChild(window, "Button", caption);
    return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// A folder of its own with a copy of the program, inside the test's folder (a
// program that has just ended may hold its file a moment longer).
struct ProgramFolder {
    ProgramFolder(const TestFolder& test, const std::string& name) : path_(test.Path() + "\\" + name)
    {
        std::filesystem::create_directories(path_);
        std::filesystem::copy_file(::ProgramFolder() + "pyrafix.exe", Exe());
    }
    const std::string& Path() const { return path_; }
    std::string Exe() const { return path_ + "\\pyrafix.exe"; }
    void AddDatabase() const { std::filesystem::copy_file(::ProgramFolder() + "files.dat", Path() + "\\files.dat"); }

private:
    std::string path_;
};

// All runs share the name pyrafix.exe (Wine's per-program version key) and the
// real settings key, so they run one after the other in this one test.
TEST(PyrafixProgram, PlatformsRolesAndTheActionDialogSetting)
{
    MessageTable messages;
    TestFolder test;
    RegDeleteKeyA(HKEY_CURRENT_USER, ActionDialogKey);

    {
        SCOPED_TRACE("old Windows is refused before files.dat is read");
        ProgramFolder folder(test, "refused"); // no files.dat: reading it first would show its error box first
        for (const char* version : {"win2k", "win98"}) {
            ReportVersion("pyrafix.exe", version);
            Program program(folder.Exe());
            ASSERT_TRUE(program.Started());
            EXPECT_EQ(AnswerBox(program.Id(), "Pyrafix Pro"), messages.Text(Msg::UnsupportedWindows)) << version;
            EXPECT_EQ(program.WaitForExit(), 1) << version;
        }
    }
    {
        SCOPED_TRACE("XP x64 and Vista start, show the date and the action dialog; the dialog stores its box");
        ProgramFolder folder(test, "started");
        folder.AddDatabase();
        std::filesystem::copy_file(folder.Exe(), folder.Path() + "\\pyrxt.exe"); // a left-over upgrader
        MemoryStream database;
        ASSERT_TRUE(LoadDatabase(folder.Path() + "\\files.dat", database));
        const struct {
            const char* version;
            bool uncheck;
        } runs[] = {{"winxp64", false}, {"vista", true}};
        for (const auto& run : runs) {
            ReportVersion("pyrafix.exe", run.version);
            Program program(folder.Exe());
            HWND main = probe::WaitForTop(program.Id(), MainCaption, "", 20000);
            ASSERT_TRUE(main) << run.version;
            EXPECT_FALSE(std::filesystem::exists(folder.Path() + "\\pyrxt.exe"));
            const std::string dateLine = DatabaseDate(database, "");
            EXPECT_TRUE(probe::FindChild(main, "Static", "Last Update: " + dateLine)) << run.version;

            HWND dialog = probe::WaitForTop(program.Id(), DialogCaption, "", 10000);
            ASSERT_TRUE(dialog) << run.version;
            EXPECT_FALSE(IsWindowEnabled(main));
            EXPECT_TRUE(CheckBoxChecked(dialog, "Show this dialog next time on startup."));
            if (run.uncheck)
                SendMessageA(probe::FindChild(dialog, "Button", "Show this dialog next time on startup."), BM_CLICK, 0,
                             0);
            SendMessageA(dialog, WM_CLOSE, 0, 0);
            EXPECT_TRUE(IsWindowEnabled(main));
            EXPECT_EQ(ReadShowActionDialog(ActionDialogKey, !run.uncheck), !run.uncheck) << run.version;
            SendMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_EQ(program.WaitForExit(), 0) << run.version;
        }

        SCOPED_TRACE("an unchecked box keeps the dialog away at the next start");
        Program program(folder.Exe());
        HWND main = probe::WaitForTop(program.Id(), MainCaption, "", 20000);
        ASSERT_TRUE(main);
        // The dialog's timer is one second; three seconds leave it room to misbehave.
        EXPECT_FALSE(probe::WaitForTop(program.Id(), DialogCaption, "", 3000));
        EXPECT_TRUE(IsWindowEnabled(main));
        SendMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(), 0);
    }
    {
        SCOPED_TRACE("pyrxt.exe writes itself over pyrafix.exe once that is free, then starts it");
        ProgramFolder folder(test, "upgrade");
        const std::string image = ReadAll(folder.Exe());
        const std::string upgrader = folder.Path() + "\\pyrxt.exe";
        std::filesystem::rename(folder.Exe(), upgrader);
        {
            std::ofstream(folder.Exe(), std::ios::binary) << "old version";
        }
        // The started program refuses to run, so it ends after deleting the upgrader.
        ReportVersion("pyrafix.exe", "win98");
        HANDLE busy = CreateFileA(folder.Exe().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(busy, INVALID_HANDLE_VALUE);
        Program program(upgrader);
        ASSERT_TRUE(program.Started());
        Sleep(500);
        EXPECT_TRUE(program.Running()); // still waiting for the old program's file
        CloseHandle(busy);
        EXPECT_EQ(program.WaitForExit(), 0);
        EXPECT_EQ(ReadAll(folder.Exe()), image);
        EXPECT_EQ(AnswerBox(0, "Pyrafix Pro"), messages.Text(Msg::UnsupportedWindows)); // the new pyrafix.exe runs
        for (int i = 0; i < 100 && std::filesystem::exists(upgrader); ++i)
            Sleep(50);
        EXPECT_FALSE(std::filesystem::exists(upgrader));
    }
    {
        SCOPED_TRACE("PYRXT.EXE in capitals is the program itself");
        ProgramFolder folder(test, "capitals");
        const std::string upper = folder.Path() + "\\PYRXT.EXE";
        std::filesystem::rename(folder.Exe(), upper);
        ReportVersion("PYRXT.EXE", "win2k");
        Program program(upper);
        EXPECT_EQ(AnswerBox(program.Id(), "Pyrafix Pro"), messages.Text(Msg::UnsupportedWindows));
        EXPECT_EQ(program.WaitForExit(), 1);
        EXPECT_FALSE(std::filesystem::exists(folder.Exe()));
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\PYRXT.EXE");
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\pyrafix.exe");
    RegDeleteKeyA(HKEY_CURRENT_USER, ActionDialogKey);
}

} // namespace
