#include "core/Bzip2.h"

#include <bzlib.h>

#include <cstring>
#include <limits>
#include <stdexcept>

namespace {

constexpr size_t Chunk = 65536;

// Text comes out of bzip2 at about four to eight times its compressed size. Room for
// that much is set aside once the input starts as bzip2 data, so the text never moves
// while it grows (room never written takes no page of memory); a text beyond it grows
// as usual.
constexpr size_t ExpectedRatio = 8;
constexpr size_t MaxFirstRoom = size_t(256) << 20;

// bzlib counts in unsigned ints; feed it at most this much at once.
constexpr size_t MaxFeed = std::numeric_limits<unsigned>::max() / 2;

// Hands bzlib the next piece of input once it has used up the last one.
void Feed(bz_stream& bz, const uint8_t*& data, size_t& left)
{
    if (bz.avail_in != 0 || left == 0)
        return;
    const size_t feed = left < MaxFeed ? left : MaxFeed;
    bz.next_in = reinterpret_cast<char*>(const_cast<uint8_t*>(data));
    bz.avail_in = static_cast<unsigned>(feed);
    data += feed;
    left -= feed;
}

} // namespace

bool DecompressStream(MemoryStream& stream, size_t limit)
{
    stream.Seek(0);
    bz_stream bz{};
    if (BZ2_bzDecompressInit(&bz, 0, 0) != BZ_OK)
        return false;

    std::vector<uint8_t> out;
    const uint8_t* in = stream.Data();
    size_t inLeft = stream.Size();
    const size_t room = inLeft < MaxFirstRoom / ExpectedRatio ? inLeft * ExpectedRatio : MaxFirstRoom;
    if (inLeft >= 3 && std::memcmp(in, "BZh", 3) == 0)
        out.reserve((room < limit ? room : limit) + Chunk);
    int rc = BZ_OK;
    while (rc == BZ_OK) {
        Feed(bz, in, inLeft);
        if (out.size() > limit) {
            rc = BZ_MEM_ERROR;
            break;
        }
        const size_t had = out.size();
        out.resize(had + Chunk);
        bz.next_out = reinterpret_cast<char*>(out.data() + had);
        bz.avail_out = Chunk;
        const unsigned inBefore = bz.avail_in;
        rc = BZ2_bzDecompress(&bz);
        out.resize(had + (Chunk - bz.avail_out));
        // Out of input before the stream's end: a truncated stream.
        if (rc == BZ_OK && bz.avail_in == 0 && inLeft == 0 && inBefore == 0 && bz.avail_out == Chunk)
            rc = BZ_UNEXPECTED_EOF;
    }
    BZ2_bzDecompressEnd(&bz);
    if (rc != BZ_STREAM_END || out.size() > limit)
        return false;
    stream.Assign(std::move(out));
    return true;
}

std::vector<uint8_t> CompressBytes(const uint8_t* data, size_t length)
{
    bz_stream bz{};
    if (BZ2_bzCompressInit(&bz, 9, 0, 0) != BZ_OK)
        throw std::runtime_error("bzip2: cannot start compression");
    std::vector<uint8_t> out;
    size_t inLeft = length;
    int rc = BZ_RUN_OK;
    do {
        Feed(bz, data, inLeft);
        const size_t had = out.size();
        out.resize(had + Chunk);
        bz.next_out = reinterpret_cast<char*>(out.data() + had);
        bz.avail_out = Chunk;
        rc = BZ2_bzCompress(&bz, inLeft == 0 ? BZ_FINISH : BZ_RUN);
        out.resize(had + (Chunk - bz.avail_out));
    } while (rc == BZ_RUN_OK || rc == BZ_FINISH_OK);
    BZ2_bzCompressEnd(&bz);
    if (rc != BZ_STREAM_END)
        throw std::runtime_error("bzip2: compression failed");
    return out;
}
