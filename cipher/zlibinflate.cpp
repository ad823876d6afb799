#include "zlibinflate.h"

#include "adlerchecksum.h"

#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
// A table entry: bits 0-3 the code's length, 4-7 its extra bits (for a link,
// the sub-table's index bits), 8-10 the kind, 16-31 a literal byte, a base
// length or distance, or where a sub-table starts.
constexpr uint32_t kLiteral = 0u << 8;
constexpr uint32_t kBase = 1u << 8;
constexpr uint32_t kEndOfBlock = 2u << 8;
constexpr uint32_t kLink = 3u << 8;
constexpr uint32_t kInvalid = 4u << 8;
constexpr uint32_t kKindMask = 7u << 8;

constexpr uint32_t entry(uint32_t kind, uint32_t value, uint32_t extra = 0)
{
    return (value << 16) | kind | (extra << 4);
}
constexpr uint32_t codeLength(uint32_t e)
{
    return e & 15;
}
constexpr uint32_t extraBits(uint32_t e)
{
    return (e >> 4) & 15;
}

// Primary tables this wide hold every code of the fixed blocks and nearly every
// one of level 9's dynamic blocks; longer codes go through one sub-table.
constexpr int kLitRoot = 10;
constexpr int kDistRoot = 8;
constexpr int kCodeLengthRoot = 7; // code length codes are at most 7 bits
// Past the primary table: a complete sub-table b bits deep holds at least b + 1
// codes, so 288 literal/length codes fill at most 48 sub-tables of 32 entries
// and 30 distance codes at most 4 of 128.
constexpr int kLitTableSize = (1 << kLitRoot) + 48 * 32;
constexpr int kDistTableSize = (1 << kDistRoot) + 4 * 128;

constexpr uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t kDistBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                    33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                    1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                    6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// What each symbol decodes to, apart from its code. Symbols 286-287 and 30-31
// have codes in fixed blocks but are refused when they come.
struct SymbolEntries
{
    uint32_t lit[288];
    uint32_t dist[32];
    uint32_t codeLength[19];
    uint8_t reversed[256];
    constexpr SymbolEntries() : lit(), dist(), codeLength(), reversed()
    {
        for (int s = 0; s < 256; ++s)
            lit[s] = entry(kLiteral, uint32_t(s));
        lit[256] = entry(kEndOfBlock, 0);
        for (int s = 257; s < 286; ++s)
            lit[s] = entry(kBase, kLengthBase[s - 257], kLengthExtra[s - 257]);
        lit[286] = lit[287] = kInvalid;
        for (int s = 0; s < 30; ++s)
            dist[s] = entry(kBase, kDistBase[s], kDistExtra[s]);
        dist[30] = dist[31] = kInvalid;
        for (int s = 0; s < 19; ++s)
            codeLength[s] = entry(kLiteral, uint32_t(s));
        for (int b = 0; b < 256; ++b) {
            int r = 0;
            for (int bit = 0; bit < 8; ++bit)
                r |= ((b >> bit) & 1) << (7 - bit);
            reversed[b] = uint8_t(r);
        }
    }
};
constexpr SymbolEntries kSymbols;

// Codes are sent most significant bit first, the bit buffer is read from its low end.
uint32_t reverse(uint32_t code, int length)
{
    const uint32_t r = (uint32_t(kSymbols.reversed[code & 0xFF]) << 8) | kSymbols.reversed[code >> 8];
    return r >> (16 - length);
}

// Fills a decoding table for the canonical code of RFC 1951 3.2.2. Refuses what
// zlib refuses: an over-subscribed set, and an incomplete one unless it is
// allowed to be and has no code or a single one-bit code.
template <int TableSize>
bool buildTable(const uint8_t* lengths, int count, const uint32_t* symbols, int root, bool mayBeIncomplete,
                uint32_t (&table)[TableSize])
{
    int perLength[16] = {};
    for (int s = 0; s < count; ++s)
        ++perLength[lengths[s]];
    int left = 1;
    int longest = 0;
    for (int length = 1; length <= 15; ++length) {
        left = 2 * left - perLength[length];
        if (left < 0)
            return false;
        if (perLength[length] > 0)
            longest = length;
    }
    const uint32_t rootSize = 1u << root;
    if (left > 0) {
        if (!mayBeIncomplete || longest > 1)
            return false;
        std::fill(table, table + rootSize, kInvalid);
    }

    // Symbols in canonical order (by length, then symbol) and their codes.
    int start[16] = {};
    for (int length = 1; length < 15; ++length)
        start[length + 1] = start[length] + perLength[length];
    uint16_t sorted[288];
    for (int s = 0; s < count; ++s) {
        if (lengths[s] > 0)
            sorted[start[lengths[s]]++] = uint16_t(s);
    }
    const int codes = count - perLength[0];
    uint16_t code[288];
    uint32_t next = 0;
    for (int i = 0, previous = 0; i < codes; ++i) {
        const int length = lengths[sorted[i]];
        next <<= length - previous;
        previous = length;
        code[i] = uint16_t(next++);
    }

    const uint32_t rootMask = rootSize - 1;
    uint32_t unused = rootSize; // where the next sub-table goes
    uint32_t prefix = ~0u;
    uint32_t subBase = 0;
    uint32_t subBits = 0;
    for (int i = 0; i < codes; ++i) {
        const int length = lengths[sorted[i]];
        const uint32_t reversed = reverse(code[i], length);
        const uint32_t e = symbols[sorted[i]] | uint32_t(length);
        if (length <= root) {
            for (uint32_t k = reversed; k < rootSize; k += 1u << length)
                table[k] = e;
            continue;
        }
        if ((reversed & rootMask) != prefix) {
            // The codes under one prefix follow each other, the longest last.
            prefix = reversed & rootMask;
            int last = i;
            while (last + 1 < codes &&
                   (code[last + 1] >> (lengths[sorted[last + 1]] - root)) == (code[i] >> (length - root)))
                ++last;
            subBits = uint32_t(lengths[sorted[last]] - root);
            subBase = unused;
            unused += 1u << subBits;
            Q_ASSERT(unused <= uint32_t(TableSize));
            table[prefix] = entry(kLink, subBase, subBits);
        }
        for (uint32_t k = reversed >> root; k < (1u << subBits); k += 1u << (length - root))
            table[subBase + k] = e;
    }
    return true;
}

struct FixedTables
{
    uint32_t lit[kLitTableSize];
    uint32_t dist[kDistTableSize];
    FixedTables()
    {
        uint8_t lengths[288];
        std::fill(lengths, lengths + 144, 8);
        std::fill(lengths + 144, lengths + 256, 9);
        std::fill(lengths + 256, lengths + 280, 7);
        std::fill(lengths + 280, lengths + 288, 8);
        buildTable(lengths, 288, kSymbols.lit, kLitRoot, false, lit);
        std::fill(lengths, lengths + 32, 5);
        buildTable(lengths, 32, kSymbols.dist, kDistRoot, false, dist);
    }
};

// Copies whole steps from [from, ...) to [to, end) and up to a step past end.
template <int Step> void copyInSteps(uchar* to, const uchar* from, const uchar* end)
{
    do {
        std::memcpy(to, from, Step);
        to += Step;
        from += Step;
    } while (to < end);
}

class Inflater
{
public:
    Inflater(const uchar* data, qsizetype size, uchar* out, qsizetype outSize)
        : m_data(data), m_size(size_t(size)), m_outStart(out), m_out(out), m_outEnd(out + outSize)
    {
    }

    bool run()
    {
        if (m_size < 2)
            return false;
        const uint32_t cmf = m_data[0];
        const uint32_t flg = m_data[1];
        // Deflate, a window of at most 32 KiB, the header check, no dictionary.
        if ((cmf & 15) != 8 || (cmf >> 4) > 7 || (cmf * 256 + flg) % 31 != 0 || (flg & 0x20))
            return false;
        m_pos = 2;
        bool final = false;
        do {
            if (!ensure(3))
                return false;
            final = take(1);
            const uint32_t type = take(2);
            if (type == 0) {
                if (!stored())
                    return false;
            } else if (type == 1) {
                static const FixedTables fixed;
                if (!codes(fixed.lit, fixed.dist))
                    return false;
            } else if (type == 2) {
                if (!dynamic())
                    return false;
            } else {
                return false;
            }
        } while (!final);
        if (m_out != m_outEnd)
            return false;
        // The trailer starts at the next whole byte.
        const size_t trailer = (m_pos * 8 - m_count + 7) / 8;
        if (trailer > m_size || m_size - trailer < 4)
            return false;
        const qsizetype produced = m_outEnd - m_outStart;
        return qFromBigEndian<quint32>(m_data + trailer) == adlerChecksum(1, m_outStart, produced);
    }

private:
    // At least 56 bits in the buffer afterwards, zeros past the input's end; false
    // once a bit past the end has been used. The bits above m_count are always
    // either zero or the input's next bits, so a word can be or-ed in.
    bool refill()
    {
        if (m_pos + 8 <= m_size) {
            m_bits |= qFromLittleEndian<quint64>(m_data + m_pos) << m_count;
            m_pos += (63 - m_count) >> 3;
            m_count |= 56;
            return true;
        }
        while (m_count < 56) {
            m_bits |= quint64(m_pos < m_size ? m_data[m_pos] : 0) << m_count;
            ++m_pos;
            m_count += 8;
        }
        return m_pos * 8 - m_count <= m_size * 8;
    }
    bool ensure(uint32_t n) { return m_count >= n || refill(); }
    // Only after ensure(n).
    uint32_t take(uint32_t n)
    {
        const uint32_t value = uint32_t(m_bits & ((quint64(1) << n) - 1));
        m_bits >>= n;
        m_count -= n;
        return value;
    }

    bool stored()
    {
        take(m_count & 7);
        if (!ensure(32))
            return false;
        const uint32_t length = take(16);
        if (take(16) != (~length & 0xFFFF))
            return false;
        // Back to reading bytes: the whole bytes still in the buffer are the data's.
        m_pos -= m_count / 8;
        m_bits = 0;
        m_count = 0;
        if (m_pos > m_size || m_size - m_pos < length || size_t(m_outEnd - m_out) < length)
            return false;
        if (length > 0)
            std::memcpy(m_out, m_data + m_pos, length);
        m_out += length;
        m_pos += length;
        return true;
    }

    bool dynamic()
    {
        if (!ensure(14))
            return false;
        const int litCount = int(take(5)) + 257;
        const int distCount = int(take(5)) + 1;
        const int codeLengthCount = int(take(4)) + 4;
        if (litCount > 286 || distCount > 30)
            return false;
        uint8_t lengths[286 + 30] = {};
        for (int i = 0; i < codeLengthCount; ++i) {
            if (!ensure(3))
                return false;
            lengths[kCodeLengthOrder[i]] = uint8_t(take(3));
        }
        uint32_t codeLengthTable[1 << kCodeLengthRoot];
        if (!buildTable(lengths, 19, kSymbols.codeLength, kCodeLengthRoot, false, codeLengthTable))
            return false;

        // One run of lengths for both codes: a repeat may cross from one to the other.
        const int total = litCount + distCount;
        for (int n = 0; n < total;) {
            if (!ensure(14)) // a code and its longest extra
                return false;
            const uint32_t e = codeLengthTable[m_bits & ((1u << kCodeLengthRoot) - 1)];
            take(codeLength(e));
            const uint32_t symbol = e >> 16;
            if (symbol < 16) {
                lengths[n++] = uint8_t(symbol);
                continue;
            }
            uint8_t value = 0;
            int repeat = 0;
            if (symbol == 16) {
                if (n == 0)
                    return false;
                value = lengths[n - 1];
                repeat = 3 + int(take(2));
            } else if (symbol == 17) {
                repeat = 3 + int(take(3));
            } else {
                repeat = 11 + int(take(7));
            }
            if (repeat > total - n)
                return false;
            std::fill(lengths + n, lengths + n + repeat, value);
            n += repeat;
        }
        if (lengths[256] == 0) // no end of block
            return false;
        uint32_t lit[kLitTableSize];
        uint32_t dist[kDistTableSize];
        return buildTable(lengths, litCount, kSymbols.lit, kLitRoot, true, lit) &&
               buildTable(lengths + litCount, distCount, kSymbols.dist, kDistRoot, true, dist) &&
               codes(lit, dist);
    }

    // The block's codes up to its end. The state lives in locals here: every
    // store through the output pointer could otherwise alias it.
    bool codes(const uint32_t* lit, const uint32_t* dist)
    {
        const uchar* const data = m_data;
        const size_t size = m_size;
        size_t pos = m_pos;
        quint64 bits = m_bits;
        uint32_t count = m_count;
        uchar* const start = m_outStart;
        uchar* const end = m_outEnd;
        uchar* out = m_out;
        bool ok = false;
        for (;;) {
            // One refill covers a length, its extra bits, a distance and its extra
            // bits: 15 + 5 + 15 + 13 of the 56 bits.
            if (pos + 8 <= size) {
                bits |= qFromLittleEndian<quint64>(data + pos) << count;
                pos += (63 - count) >> 3;
                count |= 56;
            } else {
                m_pos = pos;
                m_bits = bits;
                m_count = count;
                const bool inside = refill();
                pos = m_pos;
                bits = m_bits;
                count = m_count;
                if (!inside)
                    break;
            }
            uint32_t e = lit[bits & ((1u << kLitRoot) - 1)];
            if ((e & kKindMask) == kLink)
                e = lit[(e >> 16) + ((bits >> kLitRoot) & ((1u << extraBits(e)) - 1))];
            bits >>= codeLength(e);
            count -= codeLength(e);
            const uint32_t kind = e & kKindMask;
            if (kind == kLiteral) {
                if (out == end)
                    break;
                *out++ = uchar(e >> 16);
                continue;
            }
            if (kind != kBase) {
                ok = kind == kEndOfBlock;
                break;
            }
            const size_t length = (e >> 16) + uint32_t(bits & ((1u << extraBits(e)) - 1));
            bits >>= extraBits(e);
            count -= extraBits(e);

            e = dist[bits & ((1u << kDistRoot) - 1)];
            if ((e & kKindMask) == kLink)
                e = dist[(e >> 16) + ((bits >> kDistRoot) & ((1u << extraBits(e)) - 1))];
            bits >>= codeLength(e);
            count -= codeLength(e);
            if ((e & kKindMask) != kBase)
                break;
            const size_t distance = (e >> 16) + uint32_t(bits & ((1u << extraBits(e)) - 1));
            bits >>= extraBits(e);
            count -= extraBits(e);
            if (distance > size_t(out - start) || length > size_t(end - out))
                break;

            uchar* to = out;
            const uchar* from = out - distance;
            out += length;
            if (end - out >= 32) {
                // Room to run up to 31 bytes past the match, written over later. A
                // step reads only bytes already final when the distance is at
                // least the step.
                if (distance >= 32) {
                    copyInSteps<32>(to, from, out);
                    continue;
                }
                if (distance >= 16) {
                    copyInSteps<16>(to, from, out);
                    continue;
                }
                if (distance >= 8) {
                    copyInSteps<8>(to, from, out);
                    continue;
                }
                if (distance == 1) {
                    std::memset(to, *from, length);
                    continue;
                }
            } else if (distance >= length) {
                std::memcpy(to, from, length);
                continue;
            }
            while (to < out)
                *to++ = *from++;
        }
        m_pos = pos;
        m_bits = bits;
        m_count = count;
        m_out = out;
        return ok;
    }

    const uchar* const m_data;
    const size_t m_size;
    size_t m_pos = 0; // next byte to load; may run past m_size while zeros are loaded
    quint64 m_bits = 0;
    uint32_t m_count = 0; // valid bits in m_bits
    uchar* const m_outStart;
    uchar* m_out;
    uchar* const m_outEnd;
};
} // namespace

bool zlibInflate(const uchar* data, qsizetype size, uchar* out, qsizetype outSize)
{
    return Inflater(data, size, out, outSize).run();
}
