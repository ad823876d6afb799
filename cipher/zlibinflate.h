#pragma once

#include <QtGlobal>

// Inflates a whole zlib stream (RFC 1950 around RFC 1951) into out[0..outSize):
// true only if the stream ends its final block having made exactly outSize
// bytes and its Adler-32 trailer follows and holds. It accepts and refuses what
// zlib's inflate with Z_FINISH into a buffer of that size does (bytes after the
// trailer ignored, no preset dictionary, a 32 KiB window); on refusal out holds
// garbage. zlib copies a match a byte at a time, which made inflating the poll's
// status list the panel's largest cost.
bool zlibInflate(const uchar* data, qsizetype size, uchar* out, qsizetype outSize);
