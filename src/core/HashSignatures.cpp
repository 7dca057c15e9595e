#include "core/HashSignatures.h"

#include <algorithm>
#include <cstring>

#include "core/Bzip2.h"
#include "core/StreamCipher.h"

const char EmptyInputMd5[] = "d41d8cd98f00b204e9800998ecf8427e";

namespace {

constexpr size_t Md5TextLength = 32;
// A size has at most 20 digits; more would overflow 64 bits.
constexpr size_t MaxSizeDigits = 19;

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsHexDigit(char c)
{
    return HexValue(c) >= 0;
}

bool ParseMd5(const char* text, Md5Digest& digest)
{
    for (size_t i = 0; i < digest.size(); ++i) {
        const int high = HexValue(text[2 * i]), low = HexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        digest[i] = static_cast<uint8_t>(high << 4 | low);
    }
    return true;
}

std::string LineError(size_t number, const char* reason)
{
    return "line " + std::to_string(number) + ": " + reason;
}

} // namespace

bool IsMd5TextOfAnyCase(const std::string& text)
{
    if (text.size() != Md5TextLength)
        return false;
    for (const char c : text)
        if (!IsHexDigit(c))
            return false;
    return true;
}

bool HashSignatures::Parse(const char* text, size_t length, std::string& error)
{
    std::vector<Entry> entries;
    std::string names;
    // A fair guess at the count saves regrowing.
    entries.reserve(length / 48);
    names.reserve(length / 3);
    Md5Digest empty{};
    ParseMd5(EmptyInputMd5, empty);
    size_t number = 0;
    for (const char *p = text, *end = text + length; p < end;) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        if (!lineEnd)
            lineEnd = end;
        const char* next = lineEnd < end ? lineEnd + 1 : end;
        if (lineEnd > p && lineEnd[-1] == '\r')
            --lineEnd;
        ++number;
        const size_t size = static_cast<size_t>(lineEnd - p);
        if (size == 0 || *p == '#') {
            p = next;
            continue;
        }
        Entry entry{};
        if (size <= Md5TextLength || p[Md5TextLength] != ':' || !ParseMd5(p, entry.Md5)) {
            error = LineError(number, "not MD5:SIZE:NAME (the MD5 text is 32 hexadecimal digits)");
            return false;
        }
        const char* digits = p + Md5TextLength + 1;
        const char* colon = static_cast<const char*>(std::memchr(digits, ':', static_cast<size_t>(lineEnd - digits)));
        if (!colon || colon == digits || static_cast<size_t>(colon - digits) > MaxSizeDigits) {
            error = LineError(number, "not MD5:SIZE:NAME (the size is missing or too large)");
            return false;
        }
        for (const char* d = digits; d < colon; ++d) {
            if (*d < '0' || *d > '9') {
                error = LineError(number, "not MD5:SIZE:NAME (the size is not a decimal number)");
                return false;
            }
            entry.Size = entry.Size * 10 + static_cast<uint64_t>(*d - '0');
        }
        const char* name = colon + 1;
        if (name == lineEnd || std::memchr(name, '\r', static_cast<size_t>(lineEnd - name))) {
            error = LineError(number, "not MD5:SIZE:NAME (the detection name is missing)");
            return false;
        }
        if (entry.Size == 0 || entry.Md5 == empty) {
            error = LineError(number, "a signature of empty input would match every empty file");
            return false;
        }
        entry.NameStart = static_cast<uint32_t>(names.size());
        entry.NameLength = static_cast<uint32_t>(lineEnd - name);
        names.append(name, entry.NameLength);
        entries.push_back(entry);
        p = next;
    }
    const auto before = [](const Entry& a, const Entry& b) {
        return a.Size != b.Size ? a.Size < b.Size : a.Md5 < b.Md5;
    };
    // A packed file comes sorted; stable so that a repeat keeps the first name.
    if (!std::is_sorted(entries.begin(), entries.end(), before))
        std::stable_sort(entries.begin(), entries.end(), before);
    entries.erase(std::unique(entries.begin(), entries.end(),
                              [](const Entry& a, const Entry& b) { return a.Size == b.Size && a.Md5 == b.Md5; }),
                  entries.end());
    entries.shrink_to_fit();
    entries_ = std::move(entries);
    names_ = std::move(names);
    names_.shrink_to_fit();
    return true;
}

bool HashSignatures::HasSize(uint64_t size) const
{
    const auto at =
        std::lower_bound(entries_.begin(), entries_.end(), size, [](const Entry& e, uint64_t s) { return e.Size < s; });
    return at != entries_.end() && at->Size == size;
}

std::string HashSignatures::NameOf(const Md5Digest& md5, uint64_t size) const
{
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), std::make_pair(size, md5),
                                     [](const Entry& e, const std::pair<uint64_t, Md5Digest>& key) {
                                         return e.Size != key.first ? e.Size < key.first : e.Md5 < key.second;
                                     });
    if (at == entries_.end() || at->Size != size || at->Md5 != md5)
        return std::string();
    return names_.substr(at->NameStart, at->NameLength);
}

std::string HashSignatures::Text() const
{
    std::string text;
    for (const Entry& e : entries_)
        text += Md5Text(e.Md5) + ":" + std::to_string(e.Size) + ":" + names_.substr(e.NameStart, e.NameLength) + "\r\n";
    return text;
}

size_t HashSignatures::MemoryBytes() const
{
    return entries_.capacity() * sizeof(Entry) + names_.capacity();
}

std::vector<uint8_t> PackHashSignatures(const HashSignatures& signatures)
{
    const std::string text = signatures.Text();
    std::vector<uint8_t> bytes = CompressBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    Encrypt(bytes.data(), bytes.size(), bytes.data(), DatabaseKey, bytes.size());
    return bytes;
}
