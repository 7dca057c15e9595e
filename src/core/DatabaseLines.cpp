#include "core/DatabaseLines.h"

#include "core/DatabaseText.h"

namespace {

bool StartsWith(const std::string& line, const char* tag, std::string& rest)
{
    const std::string prefix(tag);
    if (line.compare(0, prefix.size(), prefix) != 0)
        return false;
    rest = line.substr(prefix.size());
    return true;
}

} // namespace

LineKind RecordRoots::Feed(const std::string& line)
{
    std::string rest;
    if (line == EndLine)
        return LineKind::End;
    if (StartsWith(line, "[Start]", rest))
        root_.clear();
    else if (StartsWith(line, "[Win32Root]", rest))
        root_ = folders_.Windows + rest;
    else if (StartsWith(line, "[System32Root]", rest))
        root_ = folders_.System + rest;
    else if (StartsWith(line, "[ProgramFiles32Root]", rest))
        root_ = folders_.ProgramFiles + rest;
    else
        return LineKind::Record;
    return LineKind::Root;
}
