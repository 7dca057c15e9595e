#include "core/ProcessNames.h"
#include "core/PathText.h"

#include "core/TextHelpers.h"

bool ProcessNameMatches(const std::string& executableName, const std::string& sought)
{
    const std::string name = UpperCase(sought);
    return UpperCase(FileNamePart(executableName)) == name || UpperCase(executableName) == name;
}

std::string ProcessCountCaption(const MessageTable& messages, int rows)
{
    return messages.Text(Msg::ActiveProcesses) + std::to_string(rows) + ").";
}

std::vector<std::string> ProcessReportLines(const MessageTable& messages, const std::vector<std::string>& rows)
{
    std::vector<std::string> lines;
    lines.push_back(messages.Text(Msg::RunningProcesses) + std::to_string(rows.size()) + ")");
    lines.insert(lines.end(), rows.begin(), rows.end());
    lines.emplace_back();
    return lines;
}
