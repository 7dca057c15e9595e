#include "core/RecordCandidates.h"

#include "core/PathText.h"
#include "core/RandomNames.h"
#include "core/StartupPatterns.h"
#include "core/TextHelpers.h"

namespace {

using Visit = std::function<bool(const Candidate&)>;

// Steps 5 and 6 for one file: a running copy replaces the path, and a random-name
// family stands for each of its members.
bool FileCandidates(const SignatureRecord& record, const std::string& file, const std::string& name, std::string path,
                    bool found, RecordMachine& machine, const Visit& visit)
{
    if (!found && !record.NoRunningCopy) {
        const std::string wanted = LowerCase("\\" + file);
        for (const std::string& program : machine.RunningPrograms()) {
            if (LowerCase(program).find(wanted) != std::string::npos) {
                path = program;
                found = true;
                break;
            }
        }
    }

    const std::string fileName = FileNamePart(path);
    if (found || !HasRandomNames(fileName))
        return visit(Candidate{Candidate::Kind::File, path, name, found});

    const std::string folder = FolderPart(path);
    for (const std::string& member : RandomNameFamily(fileName)) {
        if (!machine.KeepGoing())
            return false;
        if (!visit(Candidate{Candidate::Kind::File, folder + member, "Sys32." + NameBeforeFirstDot(member), false}))
            return false;
    }
    return true;
}

std::string WildcardName(const std::string& fileName)
{
    return "Lock:Sys32." + NameBeforeFirstDot(fileName);
}

} // namespace

std::string LockedPatternName(const std::string& path)
{
    return WildcardName(FileNamePart(path));
}

bool CandidatesOf(const SignatureRecord& record, RecordMachine& machine, const Visit& visit)
{
    switch (record.Kind) {
    case RecordKind::Nothing:
        return true;

    case RecordKind::Folder:
        if (!record.Folder.empty() && machine.FolderExists(record.Folder))
            return visit(Candidate{Candidate::Kind::Folder, record.Folder, record.Name, true});
        return true;

    case RecordKind::FingerprintOnly: {
        std::string file;
        for (const ResolvedEntry& entry : machine.StartupEntries()) {
            if (entry.Line.find(record.Md5) != std::string::npos) {
                file = entry.File;
                break;
            }
        }
        if (file.empty() || !machine.FileUsable(file) || machine.FileMd5Text(file) != record.Md5)
            return true;
        machine.EndProcessesByName(FileNamePart(file));
        return visit(Candidate{Candidate::Kind::File, file, record.Name, true});
    }

    case RecordKind::File:
        break;
    }

    std::string folder = record.Folder;
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    const std::string path = folder + record.File;

    const size_t wildcard = record.File.find("<>");
    if (wildcard != std::string::npos) {
        const std::string listed = machine.ListMatching(path);
        const std::string prefix = path.substr(0, folder.size() + wildcard);
        if (!prefix.empty() && LowerCase(listed).find(LowerCase(prefix)) != std::string::npos) {
            for (const std::string& file : SplitPathList(listed)) {
                if (!machine.KeepGoing())
                    return false;
                const std::string fileName = FileNamePart(file);
                if (!FileCandidates(record, fileName, WildcardName(fileName), file, false, machine, visit))
                    return false;
            }
            return true;
        }
    }
    return FileCandidates(record, record.File, record.Name, path, false, machine, visit);
}

std::vector<PathToTest> TestPathsOf(const Candidate& candidate, RecordMachine& machine)
{
    std::vector<PathToTest> paths;
    if (candidate.Type != Candidate::Kind::File)
        return paths;
    if (!candidate.Found) {
        if (!machine.KeepGoing())
            return paths;
        for (const std::string& match : SplitPathList(StartupPatternMatches(candidate.Path, machine)))
            paths.push_back(PathToTest{match, LockedPatternName(match)});
    }
    if (paths.empty())
        paths.push_back(PathToTest{candidate.Path, candidate.Name});
    return paths;
}
