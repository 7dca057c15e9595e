#include "reports/SendLog.h"

#include <windows.h>

#include <random>
#include <stdexcept>

#include "core/TextHelpers.h"
#include "database/FileHelpers.h"
#include "platform/FileSystem.h"
#include "platform/FtpSession.h"

namespace {

// The upload's transaction type in the FTP component's success event.
constexpr int UploadTransaction = 9;

int RandomLogNumber()
{
    std::mt19937 generator(static_cast<unsigned>(GetTickCount64()));
    std::uniform_int_distribution<int> number(0, 9999);
    for (int i = 0; i < 3; ++i)
        number(generator);
    return number(generator);
}

class UploadFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void FtpFailed(const MessageTable& m, SendLogView& view)
{
    view.ShowError(m.Text(Msg::CannotSendLogFile));
    view.Status(m.Text(Msg::LogErrorStatus));
}

void TransactionSucceeded(SharedState& state, int transaction, SendLogView& view)
{
    if (transaction != UploadTransaction)
        return;
    state.LogRequested = false;
    view.ShowInformation(state.Messages.Text(Msg::LogSent));
    view.Status(state.Messages.Text(Msg::LogSentStatus));
}

} // namespace

std::string LogPassword()
{
    const std::string pieces[] = {"7", "k", "41", "q", "9"};
    std::string joined;
    for (const std::string& piece : pieces)
        joined += piece;
    return ReplaceAll(joined, "k4", "Zx");
}

std::string RemoteLogName(const std::string& userName, int number)
{
    std::string name = userName;
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32 || std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            c = '_';
    return name + std::to_string(number) + ".txt";
}

void SendLog(SharedState& state, const std::string& programFolder, const ServerAddress& server,
             const std::string& userName, SendLogView& view)
{
    if (!state.LogRequested)
        return;
    const MessageTable& m = state.Messages;
    try {
        const std::string path = programFolder + "SendLog.txt";
        for (const std::string& line : state.InfectedList.Lines())
            state.StartupEntries.Add(line);
        std::string text;
        for (const std::string& line : state.StartupEntries.Lines())
            text += line + "\r\n";
        if (!WriteFileReplacing(path, text.data(), text.size()))
            throw UploadFailed("cannot write " + path);

        FtpSession ftp;
        if (ftp.Connect(server.Host, server.Port, LogAccount, LogPassword()) != FtpOutcome::Connected) {
            FtpFailed(m, view);
            return;
        }
        view.Status(m.Text(Msg::SendingLog));
        const int64_t size = FileUsable(path) ? FileSizeOf(path) : 0;
        if (size != 0) {
            view.Status(m.Text(Msg::SendingLog)); // the upload's transaction starts
            ftp.Command("ALLO " + std::to_string(size));
            if (ftp.PutFile(path, RemoteLogName(userName, RandomLogNumber())))
                TransactionSucceeded(state, UploadTransaction, view);
            else
                FtpFailed(m, view);
        }
        ftp.Disconnect();
    } catch (const std::exception&) {
        view.ShowError(m.Text(Msg::CannotSendLog));
        view.Status(m.Text(Msg::LogError));
    }
}
