#include "simplecrypt.h"

#include "replymemo.h"
#include "zlibinflate.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QtEndian>
#include <cstring>
#include <limits>
#include <utility>
#include <zlib.h>

namespace {
// Warnings carry the core operation as their context, whichever overload led there.
const char encryptSignature[] = "QByteArray SimpleCrypt::encryptToByteArray(QByteArray)";
const char decryptSignature[] = "QByteArray SimpleCrypt::decryptToByteArray(QByteArray)";

const char version = 0x03;
const int checksumSize = 2;
const int digestSize = 20;
// Size prefix, zlib header, the shortest deflate block, Adler-32: no text this
// short or shorter can come out strictly shorter, so Auto need not try.
const int minCompressedSize = 4 + 2 + 2 + 4;

// The format pins the random byte to the process-wide qrand stream.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
void seedRandom()
{
    qsrand(uint(QDateTime::currentMSecsSinceEpoch() & 0xFFFF));
}

char randomByte()
{
    return char(qrand() & 0xFF);
}
QT_WARNING_POP

// CRC-16 of ISO 3309 (reflected 0x1021, start 0xFFFF, complemented), bit for bit
// what qChecksum gives, eight bytes per step: Qt's nibble loop would cost more
// than the inflation it guards.
struct CrcTables
{
    quint16 t[8][256];
    constexpr CrcTables() : t()
    {
        for (int b = 0; b < 256; ++b) {
            quint16 crc = quint16(b);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) ? quint16((crc >> 1) ^ 0x8408) : quint16(crc >> 1);
            t[0][b] = crc;
        }
        for (int k = 1; k < 8; ++k)
            for (int b = 0; b < 256; ++b)
                t[k][b] = quint16((t[k - 1][b] >> 8) ^ t[0][t[k - 1][b] & 0xFF]);
    }
};
constexpr CrcTables crcTables;

quint16 checksum(const char* data, int size)
{
    const auto& t = crcTables.t;
    const uchar* p = reinterpret_cast<const uchar*>(data);
    quint16 crc = 0xFFFF;
    for (; size >= 8; size -= 8, p += 8) {
        const quint16 low = quint16(crc ^ (p[0] | (p[1] << 8)));
        crc = quint16(t[7][low & 0xFF] ^ t[6][low >> 8] ^ t[5][p[2]] ^ t[4][p[3]] ^ t[3][p[4]] ^ t[2][p[5]] ^
                      t[1][p[6]] ^ t[0][p[7]]);
    }
    for (; size > 0; --size, ++p)
        crc = quint16((crc >> 8) ^ t[0][(crc ^ *p) & 0xFF]);
    return quint16(~crc);
}

// The body starts at key byte 0, so each aligned group of eight body bytes meets
// the whole key as one little-endian word.
quint64 keyWord(const char* keyParts)
{
    return qFromLittleEndian<quint64>(keyParts);
}

// c[i] = b[i] ^ k[i % 8] ^ c[i - 1], c[-1] = 0: a running XOR, done as a prefix
// XOR inside each word so the chain costs one step per eight bytes.
void encipher(char* p, int size, const char* keyParts)
{
    const quint64 key = keyWord(keyParts);
    quint64 last = 0; // previous cipher byte
    int i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 w = qFromLittleEndian<quint64>(p + i) ^ key;
        w ^= w << 8;
        w ^= w << 16;
        w ^= w << 32;
        w ^= last * 0x0101010101010101ull;
        qToLittleEndian<quint64>(w, p + i);
        last = w >> 56;
    }
    for (; i < size; ++i) {
        last = quint8(p[i] ^ keyParts[i & 7] ^ char(last));
        p[i] = char(last);
    }
}

// b[i] = c[i] ^ k[i % 8] ^ c[i - 1]: no chain on this side, each word stands alone.
void decipher(char* p, int size, const char* keyParts)
{
    const quint64 key = keyWord(keyParts);
    quint64 previous = 0; // cipher byte before the current word
    int i = 0;
    for (; i + 8 <= size; i += 8) {
        const quint64 c = qFromLittleEndian<quint64>(p + i);
        qToLittleEndian<quint64>(c ^ key ^ ((c << 8) | previous), p + i);
        previous = c >> 56;
    }
    for (; i < size; ++i) {
        const char c = p[i];
        p[i] = char(c ^ keyParts[i & 7] ^ char(previous));
        previous = quint8(c);
    }
}

// qCompress at level 9 sets up and frees a deflate state of some 260 KiB per
// call; glibc hands those pages back to the system each time, so a short request
// paid for page faults far more than for compression. One state per thread,
// reset between calls, gives the same stream: deflate's output depends only on
// the level, window bits, memory level and strategy, all as compress2 sets them.
class Deflater
{
public:
    Deflater() { std::memset(&m_stream, 0, sizeof m_stream); }
    ~Deflater()
    {
        if (m_ready)
            deflateEnd(&m_stream);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    z_stream* acquire()
    {
        if (m_ready)
            return deflateReset(&m_stream) == Z_OK ? &m_stream : nullptr;
        m_ready = deflateInit(&m_stream, 9) == Z_OK;
        return m_ready ? &m_stream : nullptr;
    }

private:
    z_stream m_stream;
    bool m_ready = false;
};

// A few entries, the one read longest ago making way for a new one.
template <typename Entry, int Size> class RecentEntries
{
public:
    // The first entry match accepts, now the most recent one.
    template <typename Match> Entry* find(Match match)
    {
        for (Slot& slot : m_slots) {
            if (slot.used && match(slot.entry)) {
                slot.used = ++m_clock;
                return &slot.entry;
            }
        }
        return nullptr;
    }

    // Takes the place of the entry read longest ago.
    void add(Entry entry)
    {
        Slot* oldest = &m_slots[0];
        for (Slot& candidate : m_slots) {
            if (candidate.used < oldest->used)
                oldest = &candidate;
        }
        oldest->entry = std::move(entry);
        oldest->used = ++m_clock;
    }

private:
    struct Slot
    {
        Entry entry;
        quint64 used = 0; // 0: empty
    };
    Slot m_slots[Size];
    quint64 m_clock = 0;
};

// The poll sends the same few requests over and over, and a deflate at level 9
// starts by clearing some 64 KiB of tables however short its input: the stream is
// a function of the input alone, so the last few short inputs keep theirs.
class CompressionMemo
{
public:
    const QByteArray* find(const QByteArray& data)
    {
        Entry* entry = m_entries.find([&](const Entry& candidate) { return candidate.data == data; });
        return entry ? &entry->compressed : nullptr;
    }

    void remember(const QByteArray& data, const QByteArray& compressed)
    {
        if (data.size() <= kMaxInput)
            m_entries.add({data, compressed});
    }

private:
    struct Entry
    {
        QByteArray data;
        QByteArray compressed;
    };
    // The poll's three requests and one more; a request is a few hundred bytes.
    static constexpr int kMaxInput = 4096;
    RecentEntries<Entry, 4> m_entries;
};

QByteArray deflatePayload(const QByteArray& data);

// What qCompress(data, 9) returns: 4-byte big-endian size, then the zlib stream.
QByteArray compressPayload(const QByteArray& data)
{
    thread_local CompressionMemo memo;
    if (const QByteArray* known = memo.find(data))
        return *known;
    const QByteArray compressed = deflatePayload(data);
    memo.remember(data, compressed);
    return compressed;
}

QByteArray deflatePayload(const QByteArray& data)
{
    const int size = data.size();
    if (size == 0)
        return QByteArray(4, '\0');
    thread_local Deflater deflater;
    z_stream* stream = deflater.acquire();
    if (!stream)
        return qCompress(data, 9);
    const uLong bound = deflateBound(stream, uLong(size));
    if (bound > uLong(std::numeric_limits<int>::max() - 4))
        return qCompress(data, 9);
    QByteArray out(int(4 + bound), Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(size), out.data());
    stream->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream->avail_in = uInt(size);
    stream->next_out = reinterpret_cast<Bytef*>(out.data() + 4);
    stream->avail_out = uInt(bound);
    if (deflate(stream, Z_FINISH) != Z_STREAM_END)
        return qCompress(data, 9);
    out.resize(int(4 + stream->total_out));
    return out;
}

// Inflates a qCompress payload (4-byte big-endian size, then a zlib stream) like
// qUncompress would, but never allocates more than the cap and insists that the
// stream yields exactly the declared size: the prefix comes from the sender.
bool inflatePayload(const char* data, int size, QByteArray* out)
{
    out->clear();
    if (size < 4)
        return false;
    const quint32 expected = qFromBigEndian<quint32>(data);
    if (size == 4)
        return expected == 0; // how qCompress stores empty data
    if (expected > SimpleCrypt::maxUncompressedSize)
        return false;
    // Deflate expands at most 1032-fold; a larger claim cannot be honest, and
    // turning it away here spares a useless allocation of up to the cap.
    if (quint64(expected) > quint64(size - 4) * 1032u)
        return false;

    QByteArray result(int(expected), Qt::Uninitialized);
    if (!zlibInflate(reinterpret_cast<const uchar*>(data + 4), size - 4,
                     reinterpret_cast<uchar*>(result.data()), result.size()))
        return false;
    *out = result;
    return true;
}
} // namespace

SimpleCrypt::SimpleCrypt()
    : m_key(0), m_compressionMode(CompressionAuto), m_integrityMode(ProtectionChecksum),
      m_lastError(ErrorNoError)
{
    seedRandom();
}

SimpleCrypt::SimpleCrypt(quint64 key) : SimpleCrypt()
{
    assignKey(key);
}

void SimpleCrypt::assignKey(quint64 key)
{
    m_key = key;
    deriveKeyParts();
}

void SimpleCrypt::deriveKeyParts()
{
    m_keyParts.clear();
    m_keyParts.resize(8);
    for (int i = 0; i < 8; ++i)
        m_keyParts[i] = char((m_key >> (8 * i)) & 0xFF);
}

QByteArray SimpleCrypt::encryptToByteArray(const QString& plaintext)
{
    return encryptToByteArray(plaintext.toUtf8());
}

QByteArray SimpleCrypt::encryptToByteArray(QByteArray plaintext)
{
    if (m_keyParts.isEmpty()) {
        QMessageLogger(__FILE__, __LINE__, encryptSignature).warning("No key set.");
        m_lastError = ErrorNoKeySet;
        return QByteArray();
    }

    int flags = CryptoFlagNone;
    QByteArray payload = plaintext;
    if (m_compressionMode == CompressionAlways) {
        payload = compressPayload(plaintext);
        flags |= CryptoFlagCompression;
    } else if (m_compressionMode == CompressionAuto && plaintext.size() > minCompressedSize) {
        const QByteArray compressed = compressPayload(plaintext);
        if (compressed.size() < plaintext.size()) {
            payload = compressed;
            flags |= CryptoFlagCompression;
        }
    }

    int integritySize = 0;
    if (m_integrityMode == ProtectionChecksum) {
        flags |= CryptoFlagChecksum;
        integritySize = checksumSize;
    } else if (m_integrityMode == ProtectionHash) {
        flags |= CryptoFlagHash;
        integritySize = digestSize;
    }

    // Built in place: version, flags, random byte, integrity field, payload.
    QByteArray result(2 + 1 + integritySize + payload.size(), Qt::Uninitialized);
    char* out = result.data();
    out[0] = version;
    out[1] = char(flags);
    out[2] = randomByte();
    if (m_integrityMode == ProtectionChecksum) {
        qToBigEndian<quint16>(checksum(payload.constData(), payload.size()), out + 3);
    } else if (m_integrityMode == ProtectionHash) {
        const QByteArray digest = QCryptographicHash::hash(payload, QCryptographicHash::Sha1);
        std::memcpy(out + 3, digest.constData(), digestSize);
    }
    if (!payload.isEmpty())
        std::memcpy(out + 3 + integritySize, payload.constData(), size_t(payload.size()));

    encipher(out + 2, result.size() - 2, m_keyParts.constData());
    m_lastError = ErrorNoError;
    return result;
}

QString SimpleCrypt::encryptToText(const QString& plaintext)
{
    return encryptToText(plaintext.toUtf8());
}

QString SimpleCrypt::encryptToText(const QByteArray& plaintext)
{
    return QString::fromLatin1(encryptToByteArray(plaintext).toBase64());
}

QByteArray SimpleCrypt::decryptToByteArray(const QString& cyphertext)
{
    return decryptToByteArray(QByteArray::fromBase64(cyphertext.toLatin1()));
}

QByteArray SimpleCrypt::decryptToByteArray(QByteArray cypher)
{
    if (m_keyParts.isEmpty()) {
        QMessageLogger(__FILE__, __LINE__, decryptSignature).warning("No key set.");
        m_lastError = ErrorNoKeySet;
        return QByteArray();
    }
#ifdef LX_CIPHER_EMPTY_INPUT_STEP
    // The converter's build tells an empty input apart and leaves lastError as it was.
    if (cypher.isEmpty()) {
        QMessageLogger(__FILE__, __LINE__, decryptSignature).warning("cypher is empty");
        return QByteArray();
    }
#endif
    if (cypher.isEmpty() || cypher.at(0) != version) {
        m_lastError = ErrorUnknownVersion;
        QMessageLogger(__FILE__, __LINE__, decryptSignature).warning("Invalid version or not a cyphertext.");
        return QByteArray();
    }
    // A lone version byte has flags 0; without a random byte there is no body.
    const int flags = cypher.size() > 1 ? uchar(cypher.at(1)) : 0;
    const char* data = nullptr;
    int size = 0;
    if (cypher.size() > 2) {
        char* body = cypher.data() + 2;
        const int bodySize = cypher.size() - 2;
        decipher(body, bodySize, m_keyParts.constData());
        data = body + 1; // past the random byte
        size = bodySize - 1;
    }
    ReplyMemo& memo = ReplyMemo::forThisThread();
    if (const QByteArray* seen = memo.find(flags, data, size)) {
        m_lastError = ErrorNoError;
        return *seen;
    }
    const char* const payloadData = data;
    const int payloadSize = size;

    if (flags & CryptoFlagChecksum) {
        if (size < checksumSize) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
        const quint16 stored = qFromBigEndian<quint16>(data);
        data += checksumSize;
        size -= checksumSize;
        if (checksum(data, size) != stored) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    } else if (flags & CryptoFlagHash) {
        if (size < digestSize) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
        const QByteArray stored = QByteArray::fromRawData(data, digestSize);
        data += digestSize;
        size -= digestSize;
        if (QCryptographicHash::hash(QByteArray::fromRawData(data, size), QCryptographicHash::Sha1) !=
            stored) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    }

    QByteArray plain;
    if (flags & CryptoFlagCompression) {
        if (!inflatePayload(data, size, &plain)) {
            m_lastError = ErrorIntegrityFailed;
            return QByteArray();
        }
    } else {
        plain = QByteArray(data, size);
    }
    m_lastError = ErrorNoError;
    memo.remember(flags, payloadData, payloadSize, plain);
    return plain;
}

QString SimpleCrypt::textOf(const QByteArray& plain)
{
    if (const QString* text = ReplyMemo::forThisThread().textOf(plain))
        return *text;
    return QString::fromUtf8(plain.constData(), plain.size());
}

QString SimpleCrypt::decryptToText(const QString& cyphertext)
{
    return textOf(decryptToByteArray(cyphertext));
}

QString SimpleCrypt::decryptToText(const QByteArray& cypher)
{
    return textOf(decryptToByteArray(cypher));
}
