#include "core/RecordWalk.h"

#include "core/DatabaseText.h"

bool WalkDatabaseRecords(MemoryStream& stream, const RootFolders& roots, const FolderLookup& lookup,
                         RecordMachine& machine, const RecordWalkEvents& events)
{
    RecordRoots lines(roots);
    for (;;) {
        if (events.RecordStarted)
            events.RecordStarted();
        if (!machine.KeepGoing())
            return false;
        const std::string_view line = NextDatabaseLine(stream);
        const LineKind kind = lines.Feed(line);
        if (kind == LineKind::End)
            return true;
        if (kind == LineKind::Root)
            continue;
        const SignatureRecord record = ParseRecord(line, lines.Root(), lookup);
        const bool finished = CandidatesOf(record, machine, [&](const Candidate& candidate) {
            if (candidate.Type == Candidate::Kind::Folder) {
                if (events.FolderHit)
                    events.FolderHit(candidate);
                return true;
            }
            if (events.Checking)
                events.Checking(candidate);
            for (const PathToTest& path : TestPathsOf(candidate, machine))
                if (machine.FileUsable(path.Path) && events.FileHit)
                    events.FileHit(path);
            return true;
        });
        if (!finished)
            return false;
    }
}
