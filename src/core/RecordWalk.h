#pragma once
#include <functional>

#include "core/DatabaseLines.h"
#include "core/MemoryStream.h"
#include "core/RecordCandidates.h"

// What a walk over the records reports, in the order it happens. Each may be empty.
struct RecordWalkEvents {
    std::function<void()> RecordStarted;             // before each line is read
    std::function<void(const Candidate&)> Checking;  // a file candidate is about to be tested
    std::function<void(const Candidate&)> FolderHit; // an existing folder a record names
    std::function<void(const PathToTest&)> FileHit;  // a usable file, with its alert name
};

// Reads the records from the stream's position (after the date line) up to "_end",
// turning each into candidates and testing them on the machine. Returns false when
// the machine said to abort.
bool WalkDatabaseRecords(MemoryStream& stream, const RootFolders& roots, const FolderLookup& lookup,
                         RecordMachine& machine, const RecordWalkEvents& events);
