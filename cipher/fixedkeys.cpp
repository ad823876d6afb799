#include "fixedkeys.h"

namespace {
// volatile keeps the compiler from folding the halves into one 64-bit literal.
volatile const quint32 messageKeyHigh = 0x5A3C9E17u;
volatile const quint32 messageKeyLow = 0xD24B6F81u;
volatile const quint32 computerKeyHigh = 0x8E21F4A6u;
volatile const quint32 computerKeyLow = 0x3B97C05Du;
volatile const quint32 smtpKeyHigh = 0xC4703B29u;
volatile const quint32 smtpKeyLow = 0x61EA8D12u;

quint64 joinHalves(quint32 high, quint32 low)
{
    return (quint64(high) << 32) | low;
}
} // namespace

quint64 messageCipherKey()
{
    return joinHalves(messageKeyHigh, messageKeyLow);
}

quint64 computerPasswordCipherKey()
{
    return joinHalves(computerKeyHigh, computerKeyLow);
}

quint64 smtpPasswordCipherKey()
{
    return joinHalves(smtpKeyHigh, smtpKeyLow);
}
