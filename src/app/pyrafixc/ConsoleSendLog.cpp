#include "ConsoleSendLog.h"

#include "ConsoleScan.h"
#include "ConsoleTexts.h"
#include "database/DatabaseFile.h"
#include "platform/ShellFolders.h"
#include "reports/SendLog.h"

namespace {

constexpr int Done = 0;
constexpr int Failed = 2;

// The upload's messages, one line each, caption first.
class ConsoleSendLogView : public SendLogView {
public:
    ConsoleSendLogView(const MessageTable& messages, std::ostream& out) : messages_(messages), out_(out) {}
    void Status(const std::string&) override {}
    void ShowError(const std::string& text) override
    {
        out_ << messages_.Text(Msg::ErrorCaption) << ": " << text << "\n";
    }
    void ShowInformation(const std::string& text) override
    {
        out_ << messages_.Text(Msg::InformationCaption) << ": " << text << "\n";
    }

private:
    const MessageTable& messages_;
    std::ostream& out_;
};

} // namespace

int ConsoleSendLog(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty()) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleUnknownOptionFor) << args[0] << "\n";
        return Failed;
    }
    const std::string folder = ProgramFolder();
    SharedState state;
    state.Messages = ConsoleMessages();
    if (!LoadDatabase(folder + "files.dat", state.DatabaseStream)) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleCannotReadDatabase) << folder << "files.dat\n";
        return Failed;
    }
    ConsoleScanWindow window(state, out);
    RunQuickScan(state, window, window);
    state.LogRequested = true;
    ConsoleSendLogView view(state.Messages, out);
    SendLog(state, folder, ReadServerAddress(LogServerValue, LogServerHost, LogServerPort), CurrentUserName(), view);
    return state.LogRequested ? Failed : Done;
}
