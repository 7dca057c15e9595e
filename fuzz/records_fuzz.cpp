// Fuzz target for the record grammar and the name patterns. The input is a small
// machine and a database in one text: lines "F path", "D folder", "E line|file"
// and "P program" describe the machine; every other line is a database line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "../tests/core/FakeRecordMachine.h"
#include "core/DatabaseText.h"
#include "core/RandomNames.h"
#include "core/RecordWalk.h"
#include "core/StartupPatterns.h"

namespace {

std::optional<std::string> FuzzFolder(const FolderRef& ref)
{
    if (ref.source == FolderSource::UserName)
        return std::nullopt; // a lookup that fails stops the expansion
    return "C:\\f" + std::to_string(ref.csidl);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    FakeRecordMachine machine;
    machine.stepsBeforeAbort = 5000; // keeps one input short, as Abort would
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= input.size()) {
        size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string line = input.substr(start, end - start);
        start = end + 1;
        const std::string rest = line.size() > 2 ? line.substr(2) : std::string();
        if (line.rfind("F ", 0) == 0) {
            machine.files.push_back(rest);
        } else if (line.rfind("D ", 0) == 0) {
            machine.folders.insert(LowerCase(rest));
        } else if (line.rfind("E ", 0) == 0) {
            const size_t bar = rest.find('|');
            machine.entries.push_back({rest.substr(0, bar), bar == std::string::npos ? "" : rest.substr(bar + 1)});
        } else if (line.rfind("P ", 0) == 0) {
            machine.running.push_back(rest);
        } else {
            lines.push_back(line);
        }
    }

    std::string database = "2026-12-10\r\n";
    for (const std::string& line : lines) {
        (void)StartupPatternMatches(line, machine);
        (void)FitsCharacterSet(line.substr(0, line.size() / 2), line.substr(line.size() / 2));
        if (RandomNameFamily(line).size() > MaxRandomNames)
            __builtin_trap();
        // A folder record must never stand for its root itself.
        const SignatureRecord record = ParseRecord(line, "C:\\W", FuzzFolder);
        if (record.Kind == RecordKind::Folder && (record.Folder.empty() || record.Folder == "C:\\W"))
            __builtin_trap();
        database += line + "\r\n";
    }
    MemoryStream stream(database);
    DatabaseDate(stream, "");
    WalkDatabaseRecords(stream, RootFolders{"C:\\W", "C:\\W\\system32", "C:\\Program Files"}, FuzzFolder, machine,
                        RecordWalkEvents{});
    return 0;
}
