// Status lists one after another, as the service's polls bring them, into one
// StatusListReader: each list it reads from its changes alone (or again whole,
// when it refuses the change, as the link does) must be the list read afresh
// from the same document. The bytes pick a first list and then the edits
// between the lists: records changed, added, removed, copied, swapped, and
// single characters that may or may not keep the document plain. A list comes
// as the link hands it, its UTF-8 first, or now and then as its text alone.
#include "link/plainxmlreader.h"
#include "link/replyparsers.h"
#include "link/statuslistreader.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {
using Luminorix::PlainXmlReader;
using Luminorix::Utils::currentDeviceStatus;

class Bytes
{
public:
    Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_at >= m_size; }
    int next() { return m_at < m_size ? m_data[m_at++] : 0; }
    int below(int n) { return n > 0 ? next() % n : 0; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Mostly what statuses are made of, with a few characters that end the plain form;
// `plain` says whether it kept to the rest.
QString textOf(Bytes& bytes, bool* plain = nullptr)
{
    static const QString alphabet =
        QStringLiteral("abcdefghinoprstuwy_ 0123456789-.") + QChar(0xe9) + QStringLiteral("&<>]\"\n");
    QString text;
    const int length = bytes.below(20);
    bool kept = true;
    for (int i = 0; i < length; ++i) {
        const int c = bytes.next();
        const int at = c % (c < 240 ? alphabet.size() - 6 : alphabet.size());
        kept = kept && at < alphabet.size() - 6;
        text += alphabet.at(at);
    }
    if (plain)
        *plain = kept;
    return text;
}

QString recordOf(Bytes& bytes)
{
    const int flags = bytes.next();
    // A wrapper without "ups" in its name: the record then ends at its last field.
    const QString wrapper = flags & 1 ? QStringLiteral("device") : QStringLiteral("ups");
    const QString id = QString::number(bytes.below(100) - 1);
    QString record = QStringLiteral("<%1><id>%2</id><status>%3</status>").arg(wrapper, id, textOf(bytes));
    if (flags & 2)
        record += QStringLiteral("<connected>%1</connected>").arg(flags >> 7);
    if (flags & 4)
        record += QStringLiteral("<unit_address>%1</unit_address>").arg(id);
    if (flags & 8)
        record += QStringLiteral("<master>1</master><parallel_unit>1</parallel_unit>");
    if (flags & 16)
        record +=
            QStringLiteral("<output_socket1>1</output_socket1><power_compensation>0</power_compensation>");
    if (flags & 32)
        record += QStringLiteral("<ups_x>1</ups_x>"); // ends a record within the wrapper
    if (!(flags & 64))
        record += QStringLiteral("<ups_shutdown_supported>0</ups_shutdown_supported>");
    return record + QStringLiteral("</%1>").arg(wrapper);
}

// One character put in, taken out or written over: most keep the form, some break it.
void touch(QString& text, Bytes& bytes)
{
    static const QString alphabet = QStringLiteral("<>/=\" \t\n&;#]!?-._aZ09") + QChar(0xe9) + QChar(0xfffe);
    const int at = bytes.below(text.size() + 1);
    const QChar c = alphabet.at(bytes.below(alphabet.size()));
    switch (bytes.below(3)) {
    case 0:
        text.insert(at, c);
        break;
    case 1:
        text.remove(at, 1);
        break;
    default:
        if (at < text.size())
            text[at] = c;
    }
}

[[noreturn]] void fail(const char* what, const QString& document)
{
    std::fprintf(stderr, "%s\n%s\n", what, document.toUtf8().constData());
    std::abort();
}

// A list handed out earlier, and what it said then, in storage of its own.
struct Given
{
    QVector<currentDeviceStatus> list;
    QVector<currentDeviceStatus> copy;
};

// True when the document was a plain list. `usual` when it differs from the list
// read before in the text of statuses alone: that must be read in part.
bool readNext(Luminorix::StatusListReader& reader, const QString& document, Given& given, bool usual = false,
              bool bytesFirst = true)
{
    PlainXmlReader fresh;
    const bool plain = fresh.load(document);
    fresh.readNext();
    fresh.readNext();
    const bool list = plain && fresh.name() == QLatin1String("ups_current_status_list");
    const QVector<currentDeviceStatus> expected =
        list ? Luminorix::parseUpsCurrentStatusList(fresh) : QVector<currentDeviceStatus>();

    QVector<currentDeviceStatus> read = given.list; // held as the link holds its last list
    const QByteArray utf8 = bytesFirst ? document.toUtf8() : QByteArray();
    if (bytesFirst && reader.readChanged(utf8, &read)) {
        if (!list)
            fail("read from its bytes, but not a plain list", document);
        if (read != expected)
            fail("read from its bytes, but not as afresh", document);
    } else if (reader.readChanged(document, &read, utf8)) {
        if (!list)
            fail("read in part, but not a plain list", document);
        if (read != expected)
            fail("read in part, but not as afresh", document);
    } else if (usual) {
        fail("a status changed, but the list was read again whole", document);
    } else if (list) {
        PlainXmlReader whole;
        whole.load(document);
        whole.readNext();
        whole.readNext();
        read = reader.read(whole, utf8);
        if (read != expected)
            fail("read again whole, but not as afresh", document);
    } else {
        return false; // the link leaves it to the stream reader
    }
    // Whoever kept the list before must still have it as it was.
    if (given.list != given.copy)
        fail("a list handed out earlier changed", document);
    given.list = read;
    given.copy = expected;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    Bytes bytes(data, size);
    QString head = QStringLiteral("<ups_current_status_list>");
    QString tail = QStringLiteral("</ups_current_status_list>");
    QStringList records;
    const int devices = bytes.below(48);
    for (int i = 0; i < devices; ++i)
        records.append(recordOf(bytes));
    const auto document = [&] { return head + records.join(QString()) + tail; };

    Luminorix::StatusListReader reader;
    Given given;
    bool known = readNext(reader, document(), given);
    std::tuple<QString, QString, QStringList> good{head, tail, records};
    bool usual = true; // only statuses changed, to plain texts
    int lists = 1;
    while (!bytes.done() && lists < 200) {
        const int op = bytes.below(16);
        const int k = bytes.below(records.size() + 1);
        const bool onRecord = k < records.size();
        switch (op) {
        case 0:
        case 1: {
            // The usual poll: a device's status moved on, the record's shape kept.
            if (!onRecord)
                break;
            QString& record = records[k];
            const int from = record.indexOf(QLatin1String("<status>")) + 8;
            const int to = record.indexOf(QLatin1String("</status>"), from);
            bool plain = false;
            if (from >= 8 && to >= 0)
                record.replace(from, to - from, textOf(bytes, &plain));
            usual = usual && plain;
            break;
        }
        case 2:
            if (onRecord)
                records[k] = recordOf(bytes);
            break;
        case 3:
            records.insert(k, recordOf(bytes));
            break;
        case 4:
            if (onRecord)
                records.removeAt(k);
            break;
        case 5:
            records.insert(k, records.value(bytes.below(records.size())));
            break;
        case 6:
            if (onRecord)
                records.swapItemsAt(k, bytes.below(records.size()));
            break;
        case 7:
        case 8:
            touch(onRecord ? records[k] : bytes.next() % 2 ? head : tail, bytes);
            break;
        default:
            // The next edits start from the last list read when this one was not one.
            if (readNext(reader, document(), given, known && usual, op != 15)) {
                good = {head, tail, records};
                known = true;
            } else {
                std::tie(head, tail, records) = good;
            }
            usual = true;
            ++lists;
            continue;
        }
        usual = usual && op <= 1;
    }
    readNext(reader, document(), given);
    return 0;
}
