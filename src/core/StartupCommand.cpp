#include "core/StartupCommand.h"

#include "core/TextHelpers.h"

std::string ProgramFileOfCommand(const std::string& command)
{
    std::string text = command;
    if (!text.empty() && text[0] == '"')
        text.erase(0, 1);
    text = Trim(LowerCase(text));
    const size_t quote = text.rfind('"');
    if (quote != std::string::npos)
        return text.substr(0, quote);
    if (text.compare(0, 12, "rundll32.exe") == 0) {
        text = text.size() > 13 ? text.substr(13) : std::string();
        const size_t dll = text.find(".dll");
        if (dll != std::string::npos)
            text.resize(dll + 4);
        return text;
    }
    const size_t exe = text.find(".exe ");
    if (exe != std::string::npos)
        text.resize(exe + 4);
    return text;
}

namespace {

std::string ServiceExecutable(const std::string& binaryPath, bool appendExe)
{
    std::string text = Trim(binaryPath);
    if (!text.empty() && text[0] == '"') {
        text[0] = ' ';
        text = Trim(text);
    }
    const size_t quote = text.find('"');
    if (quote != std::string::npos)
        return text.substr(0, quote);
    const size_t exe = text.find(".exe");
    if (exe != std::string::npos)
        return text.substr(0, exe + 4);
    const size_t blank = text.find(' ');
    if (blank != std::string::npos)
        return text.substr(0, blank) + (appendExe ? ".exe" : "");
    return text;
}

} // namespace

std::string ServiceVersionFile(const std::string& binaryPath)
{
    return ServiceExecutable(binaryPath, true);
}

std::string ServicePropertiesFile(const std::string& binaryPath)
{
    return ServiceExecutable(binaryPath, false);
}
