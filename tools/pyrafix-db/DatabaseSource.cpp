#include "DatabaseSource.h"

#include "core/DatabaseText.h"

namespace {

constexpr size_t MaxDateBytes = DateLineBytes - 2;

std::string LineError(size_t number, const std::string& reason)
{
    return "line " + std::to_string(number) + ": " + reason;
}

} // namespace

bool BuildDatabaseText(const std::string& source, std::string& text, std::string& error)
{
    std::string out;
    bool haveDate = false;
    bool ended = false;
    size_t number = 0;
    for (size_t start = 0; start < source.size();) {
        size_t end = source.find('\n', start);
        if (end == std::string::npos)
            end = source.size();
        std::string line = source.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (ended) {
            error = LineError(number, "text after the _end line");
            return false;
        }
        if (line.find('\r') != std::string::npos) {
            error = LineError(number, "a carriage return inside the line");
            return false;
        }
        if (!haveDate) {
            if (line == EndLine) {
                error = LineError(number, "the database date is missing before _end");
                return false;
            }
            if (line.size() > MaxDateBytes) {
                error = LineError(number, "the database date is " + std::to_string(line.size()) +
                                              " characters long; at most " + std::to_string(MaxDateBytes) +
                                              " fit the date line");
                return false;
            }
            out += line + std::string(MaxDateBytes - line.size(), ' ') + "\r\n";
            haveDate = true;
            continue;
        }
        if (line.size() > MaxLineBytes) {
            error = LineError(number, "the line is " + std::to_string(line.size()) + " bytes long; at most " +
                                          std::to_string(MaxLineBytes) + " fit the reader");
            return false;
        }
        out += line + "\r\n";
        if (line == EndLine)
            ended = true;
    }
    if (!haveDate) {
        error = "the source holds no database date";
        return false;
    }
    if (!ended)
        out += std::string(EndLine) + "\r\n";
    text = std::move(out);
    return true;
}
