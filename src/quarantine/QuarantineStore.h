#pragma once
#include <string>
#include <vector>

#include "core/DatabaseText.h" // Pump
#include "core/QuarantineIndex.h"

// The quarantine beside the program: enciphered copies in the folder "Quarantine" and
// their index "Quarantine.info". One object lives as long as the program; tests make
// their own over a temporary program folder.
struct QuarantineStore {
    std::string ProgramFolder;              // with or without the trailing backslash
    std::vector<TQFileList> QuarantineList; // mirrors the index file
    bool IndexLoaded = false;               // QuarantineList holds the index file's entries
    Pump ProcessMessages;                   // called during long copies; may be empty

    explicit QuarantineStore(std::string programFolder = std::string(), Pump processMessages = {});

    std::string StoreFolder() const; // no trailing backslash
    std::string IndexFile() const;
    // Where an entry's copy lies: the store folder and the name part of StoredName (of
    // FileName for an entry without one), so an index never points outside the store.
    std::string StoredCopyOf(const TQFileList& entry) const;
};

// Loads the index file once per run when nothing has loaded it yet. No index file
// means an empty quarantine; false only when an index exists but cannot be read, so
// the callers refuse changes that would save over it.
[[nodiscard]] bool EnsureQuarantineLoaded(QuarantineStore& store);

// Entries are found by FileName, ignoring case in the user's locale; no wildcards.
bool QuarantineContains(QuarantineStore& store, const std::string& path);
int QuarantineIndexOf(const QuarantineStore& store, const std::string& path);

// Stores an enciphered copy of the file under a name no other entry or stored file
// uses, lists it and saves the index. The source is never changed or deleted. False
// (nothing stored, nothing listed) when the path is already listed, the file cannot
// be read, the store folder cannot be made or the index cannot be saved.
[[nodiscard]] bool QuarantineAdd(QuarantineStore& store, const std::string& path, const std::string& task,
                                 const std::string& checksum);

// Deciphers the entry's copy beside destinationFolder + the path's file name (creating
// the folder chain) and moves it over that name, then drops the entry, saves the index
// and deletes the copy. The stored copy is only read, so a failed restore leaves it as
// it was. At every moment each listed entry has its whole copy: a restore ended half
// way leaves at most an unlisted copy or a ".restoring" file beside the target.
[[nodiscard]] bool QuarantineRestore(QuarantineStore& store, const std::string& path,
                                     const std::string& destinationFolder);

// Drops every entry with this FileName, saves the index and then deletes their stored
// copies. The result is the first entry's deletion (true when its copy was already
// gone); false when no entry matched or the index could not be saved (then nothing
// changed).
bool QuarantineRemove(QuarantineStore& store, const std::string& path);

// Deletes the index, then every listed copy (failures ignored), and empties the list.
// Files in the store folder that no entry names stay. False when the index could not
// be deleted; then no copy is deleted either.
bool ClearQuarantine(QuarantineStore& store);

// The index file's entries replace QuarantineList. On a read error the list is left
// empty and the result is false.
[[nodiscard]] bool LoadQuarantineIndex(QuarantineStore& store, const std::string& file);
// Writes every entry, replacing the file in one step; false on a write error.
[[nodiscard]] bool SaveQuarantineIndex(const QuarantineStore& store, const std::string& file);
