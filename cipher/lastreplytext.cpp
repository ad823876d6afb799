#include "lastreplytext.h"

#include <algorithm>
#include <cstring>

namespace {
// Blocks first: a byte at a time cost as much as decoding.
constexpr int kBlock = 256;

int commonPrefix(const char* a, const char* b, int most)
{
    int n = 0;
    while (n + kBlock <= most && std::memcmp(a + n, b + n, kBlock) == 0)
        n += kBlock;
    while (n < most && a[n] == b[n])
        ++n;
    return n;
}

int commonSuffix(const char* aEnd, const char* bEnd, int most)
{
    int n = 0;
    while (n + kBlock <= most && std::memcmp(aEnd - n - kBlock, bEnd - n - kBlock, kBlock) == 0)
        n += kBlock;
    while (n < most && aEnd[-n - 1] == bEnd[-n - 1])
        ++n;
    return n;
}

bool ascii(char c)
{
    return uchar(c) < 0x80;
}
} // namespace

bool LastReplyText::splice(const QByteArray& plain, QString* text) const
{
    // Only a text of one unit a byte maps byte offsets to unit offsets, and each
    // of its bytes then stands alone: no sequence, no byte order mark.
    if (m_text.isEmpty() || m_text.size() != m_plain.size())
        return false;
    const char* o = m_plain.constData();
    const char* d = plain.constData();
    const int oldSize = m_plain.size();
    const int newSize = plain.size();
    const int shorter = std::min(oldSize, newSize);
    int prefix = commonPrefix(o, d, shorter);
    if (prefix == oldSize && prefix == newSize) {
        *text = m_text;
        return true;
    }
    int suffix = commonSuffix(o + oldSize, d + newSize, shorter - prefix);
    // Cut where the decoder stands clean on both sides in both texts: after an
    // ASCII byte, and at one, so that no sequence or mark runs across a cut.
    while (prefix > 0 && !(ascii(d[prefix - 1]) && (prefix == newSize || ascii(d[prefix]))))
        --prefix;
    while (suffix > 0 && !(ascii(d[newSize - suffix - 1]) && ascii(o[oldSize - suffix - 1])))
        --suffix;
    if (prefix == 0 && suffix == 0)
        return false;
    const QString middle = QString::fromUtf8(d + prefix, newSize - suffix - prefix);
    QString result(prefix + middle.size() + suffix, Qt::Uninitialized);
    QChar* out = result.data();
    std::memcpy(out, m_text.constData(), size_t(prefix) * sizeof(QChar));
    std::memcpy(out + prefix, middle.constData(), size_t(middle.size()) * sizeof(QChar));
    std::memcpy(out + prefix + middle.size(), m_text.constData() + oldSize - suffix,
                size_t(suffix) * sizeof(QChar));
    *text = result;
    return true;
}

QString LastReplyText::decode(const QByteArray& plain)
{
    if (plain.size() < kMinSize || plain.size() > kMaxSize)
        return QString::fromUtf8(plain.constData(), plain.size());
    QString text;
    if (!splice(plain, &text))
        text = QString::fromUtf8(plain.constData(), plain.size());
    const bool oneToOne = text.size() == plain.size();
    m_plain = oneToOne ? plain : QByteArray();
    m_text = oneToOne ? text : QString();
    return text;
}

LastReplyText& LastReplyText::forThisThread()
{
    thread_local LastReplyText last;
    return last;
}
