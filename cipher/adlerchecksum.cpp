#include "adlerchecksum.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define LX_ADLER_AVX2
#include <immintrin.h>
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {
constexpr quint32 kBase = 65521;
// The most bytes whose sums cannot overflow 32 bits before the modulus is taken.
constexpr qsizetype kRun = 5552;

// Over n bytes b[0..n), s1 grows by their sum and s2 by n * s1 plus the sum of
// (n - i) * b[i]. The wide kernels take blocks of W bytes: (W - i) * b[i] within
// each block, and the byte sums of the blocks before it W times each.
void addBytes(quint32& s1, quint32& s2, const uchar* p, qsizetype n)
{
    for (; n > 0; --n, ++p) {
        s1 += *p;
        s2 += s1;
    }
}

void addTotals(quint32& s1, quint32& s2, quint64 n, quint64 width, quint64 bytes, quint64 before,
               quint64 weighted)
{
    const quint64 sum2 = quint64(s2) + n * s1 + width * before + weighted;
    s1 = quint32((s1 + bytes) % kBase);
    s2 = quint32(sum2 % kBase);
}

#ifdef __SSE2__
quint32 sumOfLanes(__m128i v)
{
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
    return quint32(_mm_cvtsi128_si32(v));
}

void addBlocksSse2(quint32& s1, quint32& s2, const uchar* p, qsizetype blocks)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i weightsLow = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i weightsHigh = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    __m128i byteSums = zero; // within a run no lane reaches 2^32
    __m128i before = zero;
    __m128i weighted = zero;
    for (qsizetype b = 0; b < blocks; ++b, p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        before = _mm_add_epi32(before, byteSums);
        byteSums = _mm_add_epi32(byteSums, _mm_sad_epu8(v, zero));
        weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpacklo_epi8(v, zero), weightsLow));
        weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpackhi_epi8(v, zero), weightsHigh));
    }
    addTotals(s1, s2, quint64(blocks) * 16, 16, sumOfLanes(byteSums), sumOfLanes(before),
              sumOfLanes(weighted));
}
#endif

#ifdef LX_ADLER_AVX2
__attribute__((target("avx2"))) quint32 sumOfLanes256(__m256i v)
{
    __m128i half = _mm_add_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, _MM_SHUFFLE(1, 0, 3, 2)));
    half = _mm_add_epi32(half, _mm_shuffle_epi32(half, _MM_SHUFFLE(2, 3, 0, 1)));
    return quint32(_mm_cvtsi128_si32(half));
}

__attribute__((target("avx2"))) void addBlocksAvx2(quint32& s1, quint32& s2, const uchar* p, qsizetype blocks)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i weights = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17,
                                             16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    const __m256i ones = _mm256_set1_epi16(1);
    __m256i byteSums = zero;
    __m256i before = zero;
    __m256i weighted = zero;
    for (qsizetype b = 0; b < blocks; ++b, p += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        before = _mm256_add_epi32(before, byteSums);
        byteSums = _mm256_add_epi32(byteSums, _mm256_sad_epu8(v, zero));
        // Pairs of bytes times weights of at most 32: no 16-bit sum saturates.
        weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(v, weights), ones));
    }
    addTotals(s1, s2, quint64(blocks) * 32, 32, sumOfLanes256(byteSums), sumOfLanes256(before),
              sumOfLanes256(weighted));
}

bool haveAvx2()
{
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}
#endif
} // namespace

QVector<AdlerWidth> adlerWidths()
{
    QVector<AdlerWidth> widths{AdlerWidth::Bytes};
#ifdef __SSE2__
    widths.append(AdlerWidth::Sse2);
#endif
#ifdef LX_ADLER_AVX2
    if (haveAvx2())
        widths.append(AdlerWidth::Avx2);
#endif
    return widths;
}

quint32 adlerChecksumWith(AdlerWidth width, quint32 adler, const uchar* data, qsizetype size)
{
    quint32 s1 = adler & 0xFFFF;
    quint32 s2 = adler >> 16;
    while (size > 0) {
        const qsizetype run = qMin(size, kRun);
        qsizetype done = 0;
        switch (width) {
        case AdlerWidth::Avx2:
#ifdef LX_ADLER_AVX2
            done = run / 32 * 32;
            addBlocksAvx2(s1, s2, data, done / 32);
#endif
            break;
        case AdlerWidth::Sse2:
#ifdef __SSE2__
            done = run / 16 * 16;
            addBlocksSse2(s1, s2, data, done / 16);
#endif
            break;
        case AdlerWidth::Bytes:
            break;
        }
        addBytes(s1, s2, data + done, run - done);
        s1 %= kBase;
        s2 %= kBase;
        data += run;
        size -= run;
    }
    return (s2 << 16) | s1;
}

quint32 adlerChecksum(quint32 adler, const uchar* data, qsizetype size)
{
    static const AdlerWidth widest = adlerWidths().last();
    return adlerChecksumWith(widest, adler, data, size);
}
