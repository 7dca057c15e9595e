#include "core/DatabaseLines.h"

#include "core/DatabaseText.h"

namespace {

bool StartsWith(std::string_view line, std::string_view tag, std::string_view& rest)
{
    if (line.substr(0, tag.size()) != tag)
        return false;
    rest = line.substr(tag.size());
    return true;
}

} // namespace

LineKind RecordRoots::Feed(std::string_view line)
{
    std::string_view rest;
    if (line == EndLine)
        return LineKind::End;
    if (StartsWith(line, "[Start]", rest))
        root_.clear();
    else if (StartsWith(line, "[Win32Root]", rest))
        root_.assign(folders_.Windows).append(rest);
    else if (StartsWith(line, "[System32Root]", rest))
        root_.assign(folders_.System).append(rest);
    else if (StartsWith(line, "[ProgramFiles32Root]", rest))
        root_.assign(folders_.ProgramFiles).append(rest);
    else
        return LineKind::Record;
    return LineKind::Root;
}
