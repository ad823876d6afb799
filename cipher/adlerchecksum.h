#pragma once

#include <QVector>
#include <QtGlobal>

// The Adler-32 sum of RFC 1950, continuing from `adler` (1 for a new sum):
// bit for bit what zlib's adler32 gives, 16 or 32 bytes per step where the
// machine can. Inflating the poll's status list spent more on zlib's own byte
// loop than on the inflation.
quint32 adlerChecksum(quint32 adler, const uchar* data, qsizetype size);

// The ways of summing, narrowest first; adlerChecksum takes the widest this
// machine has. Apart so that each can be checked where it runs; only those
// adlerWidths() lists may be asked for.
enum class AdlerWidth
{
    Bytes,
    Sse2,
    Avx2
};
QVector<AdlerWidth> adlerWidths();
quint32 adlerChecksumWith(AdlerWidth width, quint32 adler, const uchar* data, qsizetype size);
