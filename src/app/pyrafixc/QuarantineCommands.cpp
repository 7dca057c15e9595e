#include "QuarantineCommands.h"

#include "ConsoleTexts.h"
#include "core/PathText.h"
#include "database/DatabaseFile.h"

namespace {

constexpr int Done = 0;
constexpr int Failed = 2;

const char Usage[] = "usage: pyrafixc quarantine list | restore PATH | remove PATH | clear\n";

int Fail(std::ostream& err, const std::string& text)
{
    err << "pyrafixc: " << text << "\n";
    return Failed;
}

// One line per entry: the original path, the task and when it was added, tab-separated.
int List(QuarantineStore& store, std::ostream& out, std::ostream& err)
{
    if (!EnsureQuarantineLoaded(store))
        return Fail(err, ConsoleText(Msg::CannotReadQuarantineIndex) + store.IndexFile());
    for (const TQFileList& entry : store.QuarantineList)
        out << entry.FileName << "\t" << entry.Task << "\t" << entry.Added << "\n";
    return Done;
}

// The entry's FileName as listed (the caller may have typed another case).
bool FindEntry(QuarantineStore& store, const std::string& path, std::string& fileName, std::ostream& err)
{
    if (!EnsureQuarantineLoaded(store)) {
        Fail(err, ConsoleText(Msg::CannotReadQuarantineIndex) + store.IndexFile());
        return false;
    }
    const int index = QuarantineIndexOf(store, path);
    if (index < 0) {
        Fail(err, path + ConsoleText(Msg::NotInQuarantine));
        return false;
    }
    fileName = store.QuarantineList[static_cast<size_t>(index)].FileName;
    return true;
}

int Restore(QuarantineStore& store, const std::string& path, std::ostream& out, std::ostream& err)
{
    std::string fileName;
    if (!FindEntry(store, path, fileName, err))
        return Failed;
    if (!QuarantineRestore(store, fileName, FolderPart(fileName)))
        return Fail(err, fileName + ConsoleText(Msg::CannotRestoreFromQuarantine));
    out << ConsoleText(Msg::ConsoleRestored) << fileName << "\n";
    return Done;
}

int Remove(QuarantineStore& store, const std::string& path, std::ostream& out, std::ostream& err)
{
    std::string fileName;
    if (!FindEntry(store, path, fileName, err))
        return Failed;
    const bool deleted = QuarantineRemove(store, fileName);
    if (!SaveQuarantineIndex(store, store.IndexFile()))
        return Fail(err, ConsoleText(Msg::CannotSaveQuarantineIndex) + store.IndexFile());
    if (!deleted)
        return Fail(err, fileName + ConsoleText(Msg::StoredCopyNotDeleted));
    out << ConsoleText(Msg::ConsoleRemoved) << fileName << "\n";
    return Done;
}

int Clear(QuarantineStore& store, std::ostream& out, std::ostream& err)
{
    if (!ClearQuarantine(store))
        return Fail(err, ConsoleText(Msg::CannotDeleteQuarantineIndex) + store.IndexFile());
    out << ConsoleText(Msg::ConsoleQuarantineCleared) << "\n";
    return Done;
}

} // namespace

int RunQuarantineCommand(const std::vector<std::string>& args, QuarantineStore& store, std::ostream& out,
                         std::ostream& err)
{
    const std::string action = args.empty() ? std::string() : args[0];
    if (action == "list" && args.size() == 1)
        return List(store, out, err);
    if (action == "clear" && args.size() == 1)
        return Clear(store, out, err);
    if (action == "restore" && args.size() == 2)
        return Restore(store, args[1], out, err);
    if (action == "remove" && args.size() == 2)
        return Remove(store, args[1], out, err);
    err << Usage;
    return Failed;
}

int RunQuarantineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    QuarantineStore store(ProgramFolder());
    return RunQuarantineCommand(args, store, out, err);
}
