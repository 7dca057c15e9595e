#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/Md5.h"

// Hash signatures (hashes.dat): one a line, "MD5:SIZE:NAME", the MD5 text, the
// file's size in bytes and the detection name, as other scanners keep their MD5
// lists. Loaded once into sorted arrays: a file whose size no signature has is
// passed over without reading it.
class HashSignatures {
public:
    // Replaces the signatures with those of the text (LF or CR LF lines; "#" lines
    // and empty lines skipped; a repeated MD5 and size keeps its first name).
    // Returns false with "line N: reason" in `error`, and changes nothing, when a
    // line is no signature or is one that every empty file would match.
    [[nodiscard]] bool Parse(const char* text, size_t length, std::string& error);
    [[nodiscard]] bool Parse(const std::string& text, std::string& error)
    {
        return Parse(text.data(), text.size(), error);
    }

    // Some signature has this size.
    bool HasSize(uint64_t size) const;
    // The detection name of the signature with this MD5 and size; empty when none.
    std::string NameOf(const Md5Digest& md5, uint64_t size) const;

    size_t Count() const { return entries_.size(); }
    // The signatures as text, "md5:size:name" CR LF lines sorted by size and MD5.
    std::string Text() const;
    // The bytes the loaded signatures take, for comparing with their text.
    size_t MemoryBytes() const;

private:
    struct Entry {
        uint64_t Size;
        Md5Digest Md5;
        uint32_t NameStart;
        uint32_t NameLength;
    };
    std::vector<Entry> entries_; // sorted by size, then MD5
    std::string names_;          // every name once per entry, back to back
};

// "0123...": 32 hexadecimal digits of either case.
bool IsMd5TextOfAnyCase(const std::string& text);

// The MD5 of empty input, which no signature may carry.
extern const char EmptyInputMd5[];

// The bytes of a hashes.dat holding the signatures: their text compressed with
// bzip2 and enciphered as files.dat is.
std::vector<uint8_t> PackHashSignatures(const HashSignatures& signatures);
