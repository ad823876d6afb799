// Differential: the cipher's own inflater against zlib on arbitrary bytes. The
// input is a qCompress payload (4-byte big-endian size, then the zlib stream);
// both must accept the same streams and make the same bytes of them. zlib runs as
// the payload reader used it before: Z_FINISH into a buffer of exactly the
// declared size, the Adler-32 trailer checked apart.
#include "cipher/zlibinflate.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <zlib.h>

namespace {
void fail(const char* what)
{
    std::fprintf(stderr, "zlib_inflate: %s\n", what);
    std::abort();
}

bool zlibReference(const uint8_t* data, size_t size, uint8_t* out, size_t outSize)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (inflateInit(&stream) != Z_OK)
        fail("inflateInit");
    uint8_t none = 0; // zlib wants an output pointer even for no room
    stream.next_in = const_cast<Bytef*>(data);
    stream.avail_in = uInt(size);
    stream.next_out = outSize ? out : &none;
    stream.avail_out = uInt(outSize);
    inflateValidate(&stream, 0);
    const int rc = inflate(&stream, Z_FINISH);
    const bool ok = rc == Z_STREAM_END && stream.total_out == outSize;
    const uint8_t* trailer = stream.next_in - 4;
    inflateEnd(&stream);
    if (!ok)
        return false;
    const uint32_t sum = (uint32_t(trailer[0]) << 24) | (uint32_t(trailer[1]) << 16) |
                         (uint32_t(trailer[2]) << 8) | trailer[3];
    return sum == uint32_t(adler32(1, out, uInt(outSize)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4 || size > (1u << 20))
        return 0;
    const uint8_t* stream = data + 4;
    const size_t streamSize = size - 4;
    uint32_t declared =
        (uint32_t(data[0]) << 24) | (uint32_t(data[1]) << 16) | (uint32_t(data[2]) << 8) | data[3];
    // Deflate cannot expand more than 1032-fold; a mutated size past that still
    // makes a useful case when folded into range.
    const uint64_t limit = uint64_t(streamSize) * 1032u;
    if (declared > limit)
        declared = uint32_t(declared % (limit + 1));

    // Exactly the declared size each, so that a sanitizer sees any write past it.
    const std::unique_ptr<uint8_t[]> ours(new uint8_t[declared]);
    const std::unique_ptr<uint8_t[]> theirs(new uint8_t[declared]);
    const bool accepted = zlibInflate(stream, qsizetype(streamSize), ours.get(), declared);
    const bool reference = zlibReference(stream, streamSize, theirs.get(), declared);
    if (accepted != reference)
        fail(accepted ? "accepted what zlib refuses" : "refused what zlib accepts");
    if (accepted && std::memcmp(ours.get(), theirs.get(), declared) != 0)
        fail("output differs from zlib's");
    return 0;
}
