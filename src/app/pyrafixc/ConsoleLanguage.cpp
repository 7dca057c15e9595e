#include "ConsoleLanguage.h"

#include "ConsoleTexts.h"
#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "shell/AppContext.h"
#include "shell/Language.h"
#include "shell/MachineEnvironment.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"

namespace {

// Windows that nobody sees: a box they would show (a missing database, say) is
// answered No, as the console answers every question.
class UnseenRenderer : public HeadlessRenderer {
public:
    int ShowMessageBox(const std::string&, const std::string&, unsigned) override { return idNo; }
};

// The program's windows as they stand when the program applies its language.
struct UnseenWindows {
    explicit UnseenWindows(const std::string& programFolder) : context{app, state, MachineEnvironment(programFolder)}
    {
        renderer.Attach(app);
        // The walk needs every window; the console refuses old Windows on its own.
        context.Env.WindowsName = "Microsoft Windows XP";
        CreateAppWindows(context);
    }
    UnseenRenderer renderer;
    TApplication app{&renderer};
    SharedState state;
    AppContext context;
};

} // namespace

MessageTable& ConsoleMessages()
{
    static MessageTable messages;
    return messages;
}

MessageTable ChosenLanguageMessages(const std::string& programFolder)
{
    const std::string name = ChosenLanguage(LanguageSettingKey);
    if (name.empty())
        return MessageTable();
    const std::string path = programFolder + LanguageFolderName + "\\" + name;
    if (!FileExists(path))
        return MessageTable();
    UnseenWindows windows(programFolder);
    ApplyLanguage(windows.context, path);
    return windows.state.Messages;
}

int ConsoleLanguage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2 || args[0] != "export") {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleLanguageUsage) << "\n";
        return 2;
    }
    UnseenWindows windows(ProgramFolder());
    if (!ExportLanguage(windows.context, args[1])) {
        err << "pyrafixc: " << ConsoleText(Msg::ConsoleCannotWriteFile) << args[1] << "\n";
        return 2;
    }
    out << ConsoleText(Msg::ConsoleLanguageWritten) << args[1] << "\n";
    return 0;
}
