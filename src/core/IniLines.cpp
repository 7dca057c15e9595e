#include "core/IniLines.h"

#include "core/TextHelpers.h"

namespace {

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

bool IsDriverLine(const std::string& text)
{
    return StartsWith(text, "load") || StartsWith(text, "run") || StartsWith(text, "device");
}

} // namespace

std::vector<IniRow> IniRowsOf(const std::string& content)
{
    std::vector<IniRow> rows;
    for (const std::string& line : SplitLines(content)) {
        const std::string text = LowerCase(Trim(line));
        if (IsDriverLine(text))
            rows.push_back({text, true});
        else if (!text.empty() && text[0] == ';' && IsDriverLine(text.substr(1)))
            rows.push_back({text, false});
    }
    return rows;
}

bool ToggledIniLine(const IniRow& row, std::string& newLine)
{
    const bool commented = !row.Text.empty() && row.Text[0] == ';';
    if (row.Checked && commented) {
        newLine = row.Text.substr(1);
        return true;
    }
    if (!row.Checked && !commented && row.Text != NoAdditionalDriverText) {
        newLine = ";" + row.Text;
        return true;
    }
    return false;
}

std::string RewriteIniContent(const std::string& content, const std::string& oldLine, const std::string& newLine)
{
    std::string result;
    for (const std::string& line : SplitLines(content)) {
        const std::string text = LowerCase(Trim(line));
        result += text == oldLine ? newLine : text;
        result += "\r\n";
    }
    return result;
}
