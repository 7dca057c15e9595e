#include "ConsoleUpdate.h"

#include "ConsoleTexts.h"
#include "core/TextHelpers.h"
#include "database/DatabaseFile.h"
#include <windows.h>

#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "update/DatabaseUpdate.h"

namespace {

// Prints what the main window would show; answers the questions as the command line said.
class ConsoleUpdateWindow : public UpdateView, public UpdateQuestions {
public:
    ConsoleUpdateWindow(SharedState& state, TApplication& app, bool upgrade, const StartProgram& start,
                        const UpdateKey& key, std::ostream& out)
        : state_(state), app_(app), upgrade_(upgrade), start_(start), key_(key), out_(out)
    {
    }

    void SetUpdateLabel(const std::string&) override {}
    void SetStatus(const std::string&) override {}
    bool ShowsProgress() const override { return false; } // lines a block would flood the console
    void SetDatabaseStatus(const std::string&) override {}
    void SetUpdateCommandsEnabled(bool) override {}
    void SetMainEnabled(bool) override {}
    void Pump() override { app_.ProcessMessages(); }

    bool AskUpgrade(const std::string& text) override
    {
        Print(state_.Messages.Text(Msg::InformationCaption), text);
        return upgrade_;
    }
    bool AskDatabaseUpdate(const std::string& text) override
    {
        Print(state_.Messages.Text(Msg::InformationCaption), text);
        return true;
    }
    void Inform(const std::string& text, const std::string& caption) override { Print(caption, text); }
    void ShowError(const std::string& text, const std::string& caption) override { Print(caption, text); }
    void StartUpgrade(const std::string& label, const std::string& url, const std::string& file) override
    {
        Print(state_.Messages.Text(Msg::InformationCaption), label);
        upgradeTried = true;
        THTTPGet* get = app_.Make<THTTPGet>("Upgrade");
        get->WaitThread = true;
        get->MaxSize = MaxUpgradeBytes;
        get->HashBody = true;
        get->URL = url;
        get->FileName = file;
        get->OnDoneFile = [&](const std::string&, int64_t size) {
            if (size == 0)
                return;
            SignatureCheck signatures(&app_, key_);
            if (!signatures.Signed(url, file, get->BodyDigest())) {
                DeleteFileA(file.c_str());
                Print(state_.Messages.Text(Msg::ErrorCaption), state_.Messages.Text(Msg::UpgradeNotSigned) + file);
                refused = true;
                return;
            }
            Print(state_.Messages.Text(Msg::Finished), state_.Messages.Text(Msg::ProgramUpgraded));
            upgradeStarted = start_(file);
        };
        get->StartDownload();
        if (!upgradeStarted && !refused)
            Print(state_.Messages.Text(Msg::ErrorCaption), state_.Messages.Text(Msg::CannotDownloadUpgrade) + url);
    }

    bool upgradeTried = false, upgradeStarted = false;
    bool refused = false; // the download was not the maker's

private:
    void Print(const std::string& caption, const std::string& text)
    {
        // A box breaks its lines with CR; the console keeps a message on one line.
        out_ << caption << ": " << ReplaceAll(ReplaceAll(text, "\r\n", " "), "\r", " ") << "\n";
        out_.flush();
    }

    SharedState& state_;
    TApplication& app_;
    bool upgrade_;
    const StartProgram& start_;
    UpdateKey key_;
    std::ostream& out_;
};

} // namespace

int RunConsoleUpdate(const std::string& programFolder, const std::string& host, bool upgrade, const StartProgram& start,
                     std::ostream& out, const UpdateKey& key)
{
    SharedState state;
    state.Messages = ConsoleMessages();
    // No windows: posted work runs whenever the waiting downloads look for it.
    TApplication app(nullptr);
    if (!LoadDatabase(programFolder + "files.dat", state.DatabaseStream))
        state.DatabaseStream = MemoryStream();
    ConsoleUpdateWindow window(state, app, upgrade, start, key, out);
    THTTPGet* fileGet = app.Make<THTTPGet>("Get1");
    THTTPGet* listGet = app.Make<THTTPGet>("Get2");
    DatabaseUpdate update(state, UpdateSite{host, programFolder, key}, *fileGet, *listGet, window, window);
    RunUpdateCommand(update, window, state.Messages);
    // An accepted upgrade ends the check: the database waits for the new program.
    if (window.upgradeTried)
        return window.upgradeStarted ? 0 : 2;
    return update.DatabaseCurrent() && !update.UpgradeRefused() ? 0 : 2;
}
