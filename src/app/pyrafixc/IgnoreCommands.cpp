#include "IgnoreCommands.h"

#include <windows.h>

#include "ConsoleTexts.h"
#include "core/UpdateList.h"
#include "database/IgnoreFile.h"
#include "platform/FileSystem.h"

namespace {

constexpr int Done = 0;
constexpr int Failed = 2;

const char Usage[] = "usage: pyrafixc ignore add PATH [NAME] | add-md5 MD5 NAME | list | remove N\n";
// The name an entry gets when the user named no detection.
const char UserEntryName[] = "user";

int Fail(std::ostream& err, const std::string& text)
{
    err << "pyrafixc: " << text << "\n";
    return Failed;
}

} // namespace

int RunIgnoreCommand(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                     std::ostream& err)
{
    const std::string action = args.empty() ? std::string() : args[0];
    const size_t count = args.size();
    const bool add = action == "add" && (count == 2 || count == 3);
    const bool addMd5 = action == "add-md5" && count == 3;
    const bool list = action == "list" && count == 1;
    const bool remove = action == "remove" && count == 2;
    if (!add && !addMd5 && !list && !remove) {
        err << Usage;
        return Failed;
    }

    const std::string file = programFolder + IgnoreFileName;
    IgnoreList entries;
    std::string error;
    if (LoadIgnoreFile(file, entries, error) == IgnoreFileState::Damaged)
        return Fail(err, ConsoleText(Msg::ConsoleIgnoreLeftAsItIs) + file + " (" + error + ")");

    if (list) {
        size_t number = 0;
        for (const IgnoreEntry& entry : entries.Entries())
            out << ++number << "\t" << entry.Target << "\t" << entry.Name << "\n";
        return Done;
    }
    std::string done;
    if (remove) {
        const int number = DecimalOrZero(args[1]);
        const size_t index = number > 0 ? static_cast<size_t>(number) : 0;
        if (index == 0 || index > entries.Entries().size())
            return Fail(err, ConsoleText(Msg::ConsoleIgnoreNoEntry) + args[1]);
        done = ConsoleText(Msg::ConsoleIgnoreRemoved) + entries.Entries()[index - 1].Target;
        (void)entries.Remove(index);
    } else {
        const IgnoreEntry entry{add ? FullPathName(args[1]) : args[1], count == 3 ? args[2] : UserEntryName};
        if (!entries.Add(entry))
            return Fail(err, ConsoleText(Msg::ConsoleIgnoreBadEntry) + entry.Target);
        done = ConsoleText(Msg::ConsoleIgnoreAdded) + entries.Entries().back().Target;
    }
    if (!SaveIgnoreFile(file, entries))
        return Fail(err, ConsoleText(Msg::ConsoleIgnoreCannotWrite) + file);
    out << done << "\n";
    return Done;
}
