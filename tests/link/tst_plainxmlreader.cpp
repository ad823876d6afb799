// The plain reader against QXmlStreamReader: whatever it accepts must give the
// same tokens and, through the reply readers, the same records; anything it is
// not sure of it must refuse.
#include "link/plainxmlreader.h"
#include "link/replybounds.h"
#include "link/replyparsers.h"
#include "link/statuslistreader.h"
#include "pollreplies.h"
#include "tests/support/lxtestcore.h"

#include <QXmlStreamReader>

using Luminorix::PlainXmlReader;

namespace {
// One token as the readers see it: type, name, text and, on a start, the attributes.
QString describe(QXmlStreamReader::TokenType type, const QStringRef& name, const QStringRef& text)
{
    return QStringLiteral("%1|%2%3|%4%5")
        .arg(int(type))
        .arg(name.isNull() ? QStringLiteral("null:") : QString())
        .arg(name.toString())
        .arg(text.isNull() ? QStringLiteral("null:") : QString())
        .arg(text.toString());
}

// The tokens up to the end, and whether the end came without an error.
QStringList streamTokens(const QString& xml, bool* clean)
{
    QStringList tokens;
    QXmlStreamReader r(xml);
    while (!r.atEnd()) {
        r.readNext();
        if (r.hasError())
            break;
        QString token = describe(r.tokenType(), r.name(), r.text());
        for (const QXmlStreamAttribute& a : r.attributes())
            token += QStringLiteral("|@%1=%2").arg(a.qualifiedName().toString(), a.value().toString());
        tokens << token;
    }
    *clean = !r.hasError() && r.tokenType() == QXmlStreamReader::EndDocument;
    return tokens;
}

QStringList plainTokens(PlainXmlReader& r, const QStringList& reference)
{
    QStringList tokens;
    int index = 0;
    while (!r.atEnd()) {
        r.readNext();
        QString token = describe(r.tokenType(), r.name(), r.text());
        // Attributes are looked up by the names the reference saw, in its order.
        const QStringList parts =
            index < reference.size() ? reference.at(index).split(QLatin1Char('|')) : QStringList();
        int matched = 0;
        for (const QString& part : parts) {
            if (!part.startsWith(QLatin1Char('@')))
                continue;
            const QString attributeName = part.mid(1).section(QLatin1Char('='), 0, 0);
            const QByteArray latin = attributeName.toLatin1();
            const QStringRef value = r.attributes().value(QLatin1String(latin));
            token += QStringLiteral("|@%1=%2").arg(attributeName, value.isNull() ? QStringLiteral("<absent>")
                                                                                 : value.toString());
            ++matched;
        }
        if (r.attributes().size() != matched)
            token += QStringLiteral("|attribute count %1").arg(r.attributes().size());
        tokens << token;
        ++index;
    }
    return tokens;
}

QString statusText(const QVector<Luminorix::Utils::currentDeviceStatus>& list)
{
    QStringList out;
    for (const auto& s : list) {
        out << QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9")
                   .arg(s.id)
                   .arg(s.connected)
                   .arg(QString::fromStdString(s.status))
                   .arg(s.parallel_unit)
                   .arg(QString::fromStdString(s.unit_address))
                   .arg(s.master)
                   .arg(s.power_compensation)
                   .arg(s.output_socket1)
                   .arg(QStringLiteral("%1,%2").arg(s.output_socket2).arg(s.ups_shutdown_supported));
    }
    return out.join(QLatin1Char('|'));
}

QString mapText(const QMap<QString, QString>& map)
{
    QStringList out;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        out << it.key() + QLatin1Char('=') + it.value() +
                   (it.value().isNull() ? QStringLiteral("(null)") : QString());
    return out.join(QLatin1Char('|'));
}

// What each of the three readers makes of the document, started on its root.
template <typename Reader> QString readWith(Reader& r, int which)
{
    while (!r.atEnd() && !r.isStartElement())
        r.readNext();
    if (which == 0)
        return mapText(Luminorix::parseDeviceState(r));
    if (which == 1)
        return mapText(Luminorix::parseUpsConfiguration(r));
    return statusText(Luminorix::parseUpsCurrentStatusList(r));
}

QString streamResults(const QString& xml)
{
    QStringList out;
    for (int which = 0; which < 3; ++which) {
        QXmlStreamReader r(xml);
        out << readWith(r, which);
    }
    return out.join(QStringLiteral(" ## "));
}

QString plainResults(const QString& xml)
{
    QStringList out;
    for (int which = 0; which < 3; ++which) {
        PlainXmlReader r;
        if (!r.load(xml))
            return QStringLiteral("<refused>");
        out << readWith(r, which);
    }
    return out.join(QStringLiteral(" ## "));
}

QStringList corpus()
{
    return {
        PollReplies::deviceState(),
        PollReplies::statusList(),
        QStringLiteral(
            "<ups_device_state isUpsFound=\"1\" isProperDevice=\"0\"><input_voltage>230</input_voltage>"
            "<output_voltage>229;230;231</output_voltage><events>1;2;3</events><empty></empty>"
            "<blank> </blank></ups_device_state>"),
        QStringLiteral("<ups_device_state><a>1</a><a>2</a></ups_device_state>"),
        QStringLiteral("<ups_configuration><x>1;2</x><y></y><z>abc</z></ups_configuration>"),
        QStringLiteral(
            "<ups_current_status_list><id>1</id><status>on_battery</status><connected>1</connected>"
            "<unit_address>\u0141\u00f3d\u017a</unit_address><ups_shutdown_supported>0"
            "</ups_shutdown_supported><id>2</id><status>unknown</status></ups_current_status_list>"),
        QStringLiteral(
            "<ups_current_status_list><ups><id>1</id><connected>1</connected>"
            "<ups_shutdown_supported>1</ups_shutdown_supported></ups><ups><id>2</id><status>x</status>"
            "</ups></ups_current_status_list>"),
        QStringLiteral("<ups_device_state a=\"\" b=\"x y\">\n  <p>\n    <q>1</q>\n    <r>2;3</r>\n  </p>\n"
                       "\t<s>t</s>\n</ups_device_state>"),
        QStringLiteral("<ups_device_state><a><b><c>deep</c></b>mid</a>tail<d></d></ups_device_state>"),
        QStringLiteral("<ups_current_status_list><id></id><status></status><ups_shutdown_supported>"
                       "</ups_shutdown_supported></ups_current_status_list>"),
        QStringLiteral("<a.b-c_d x.y-z=\"v\">\u00e9\u20ac\ud7ff\ue000\ufffd</a.b-c_d>"),
        QStringLiteral("<r>  </r>"),
        QStringLiteral("<r></r>"),
        QStringLiteral(
            "<ups_device_state isUpsFound=\"1\" isProperDevice=\"1\"><input_voltage>230<output_load>45"
            "<battery_capacity>87</battery_capacity></output_load></input_voltage></ups_device_state>"),
        QStringLiteral("<ups_configuration><a>1</a>1<b>2</b>2<c>3<d>4</d>5</c>6</ups_configuration>"),
        QStringLiteral("<ups_device_state>") +
            QStringLiteral("<p>1").repeated(Luminorix::kMaxReplyDepth - 1) +
            QStringLiteral("</p>").repeated(Luminorix::kMaxReplyDepth - 1) +
            QStringLiteral("</ups_device_state>"),
        [] {
            QString xml = QStringLiteral("<ups_device_state");
            for (int i = 0; i < Luminorix::kMaxReplyAttributes; ++i)
                xml += QStringLiteral(" a%1=\"%1\"").arg(i);
            return xml + QStringLiteral("><x>1</x></ups_device_state>");
        }(),
    };
}

// Single changes that keep or break the plain form in many ways.
QString mutate(const QString& xml, quint32& seed)
{
    // Mostly harmless characters, so that many mutants stay plain.
    static const QString alphabet =
        QStringLiteral("<>/=\"' \t\n\r&;#x]![?:-._aZ09\u00e9\u0000\ufffe") + QStringLiteral("abcups_1;. \n");
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    QString out = xml;
    const int edits = next() % 4 == 0 ? 2 : 1;
    for (int e = 0; e < edits && !out.isEmpty(); ++e) {
        const int at = int(next() % uint(out.size()));
        const QChar c = alphabet.at(int(next() % uint(alphabet.size())));
        switch (next() % 4) {
        case 0:
            out.insert(at, c);
            break;
        case 1:
            out.remove(at, 1);
            break;
        case 2:
            out[at] = c;
            break;
        default: {
            const int length = 1 + int(next() % 12);
            out.insert(at, out.mid(int(next() % uint(out.size())), length));
        }
        }
    }
    return out;
}
} // namespace

class TestPlainXmlReader : public QObject
{
    Q_OBJECT

private slots:
    void acceptsWhatItShould_data();
    void acceptsWhatItShould();
    void refusesTheRest_data();
    void refusesTheRest();
    void mutationsAgreeOrAreRefused();
    void statusListsReadAgainAgree_data();
    void statusListsReadAgainAgree();
    void mutatedStatusListsReadAgainAgree();
    void changedStatusListsReadInPart_data();
    void changedStatusListsReadInPart();
};

namespace {
// How a list following another reaches the list reader: as its text alone, or
// as the link hands it, its UTF-8 first and then, if refused, its text.
enum class Way
{
    Text,
    Bytes
};

// What the list reader makes of the document read afresh, and what `again`,
// which has read the documents before it, makes of it; "<refused>" when not plain.
// `again` first tries the document as a change of the one before, as the link does,
// handing it the list it holds (`held`, when given), which then holds the new one.
// `*fromBytes` tells whether the UTF-8 alone was read.
QPair<QString, QString> statusListsOf(const QString& xml, Luminorix::StatusListReader& again,
                                      bool* inPart = nullptr,
                                      QVector<Luminorix::Utils::currentDeviceStatus>* held = nullptr,
                                      Way way = Way::Bytes, bool* fromBytes = nullptr)
{
    const QString refused = QStringLiteral("<refused>");
    PlainXmlReader fresh;
    const bool plain = fresh.load(xml);
    fresh.readNext();
    fresh.readNext();
    const QString expected = plain ? statusText(Luminorix::parseUpsCurrentStatusList(fresh)) : refused;
    QVector<Luminorix::Utils::currentDeviceStatus> own;
    QVector<Luminorix::Utils::currentDeviceStatus>& changed = held ? *held : own;
    const QByteArray utf8 = way == Way::Bytes ? xml.toUtf8() : QByteArray();
    const bool bytes = way == Way::Bytes && again.readChanged(utf8, &changed);
    if (fromBytes)
        *fromBytes = bytes;
    const bool part = bytes || again.readChanged(xml, &changed, utf8);
    if (inPart)
        *inPart = part;
    if (part)
        return {expected, statusText(changed)};
    PlainXmlReader reused;
    if (!reused.load(xml))
        return {expected, refused};
    reused.readNext();
    reused.readNext();
    changed = again.read(reused, utf8);
    return {expected, statusText(changed)};
}
} // namespace

void TestPlainXmlReader::acceptsWhatItShould_data()
{
    QTest::addColumn<QString>("xml");
    const QStringList docs = corpus();
    for (int i = 0; i < docs.size(); ++i)
        QTest::newRow(qPrintable(docs.at(i).left(40).simplified())) << docs.at(i);
}

void TestPlainXmlReader::acceptsWhatItShould()
{
    QFETCH(QString, xml);
    bool clean = false;
    const QStringList reference = streamTokens(xml, &clean);
    QVERIFY(clean);
    PlainXmlReader plain;
    QVERIFY(plain.load(xml));
    QCOMPARE(plainTokens(plain, reference), reference);

    QCOMPARE(plainResults(xml), streamResults(xml));
}

void TestPlainXmlReader::refusesTheRest_data()
{
    QTest::addColumn<QString>("xml");
    auto row = [](const char* name, const char* xml) { QTest::newRow(name) << QString::fromUtf8(xml); };
    row("empty", "");
    row("declaration", "<?xml version=\"1.0\"?><a>1</a>");
    row("processing instruction", "<a><?pi x?></a>");
    row("comment", "<a><!-- c --></a>");
    row("cdata", "<a><![CDATA[x]]></a>");
    row("doctype", "<!DOCTYPE a><a></a>");
    row("entity", "<a>&amp;</a>");
    row("character reference", "<a>&#65;</a>");
    row("carriage return", "<a>1\r\n</a>");
    row("greater-than in text", "<a>1>2</a>");
    row("bracket in text", "<a>]</a>");
    row("empty element", "<a><b/></a>");
    row("space before end of tag", "<a ></a>");
    row("space in end tag", "<a></a >");
    row("single quotes", "<a b='1'></a>");
    row("spaces around equals", "<a b = \"1\"></a>");
    row("two spaces", "<a  b=\"1\"></a>");
    row("attribute without value", "<a b></a>");
    row("redefined attribute", "<a b=\"1\" b=\"2\"></a>");
    row("namespace declaration", "<a xmlns=\"u\"></a>");
    row("prefixed name", "<p:a></p:a>");
    row("reserved name", "<xmlthing></xmlthing>");
    row("name starting with digit", "<1a></1a>");
    row("name starting with dash", "<-a></-a>");
    row("non-ASCII name", "<\xc3\xa9></\xc3\xa9>");
    row("tab in attribute", "<a b=\"1\t2\"></a>");
    row("less-than in attribute", "<a b=\"<\"></a>");
    row("mismatched end", "<a><b></a></b>");
    row("unclosed", "<a><b></b>");
    row("stray end", "<a></a></b>");
    row("second root", "<a></a><b></b>");
    row("text after root", "<a></a>x");
    row("newline after root", "<a></a>\n");
    row("space before root", " <a></a>");
    row("text only", "abc");
    row("control character", "<a>\x01</a>");
    row("delete character", "<a>\x7f</a>");
    QTest::newRow("surrogate pair") << QStringLiteral("<a>\U0001F600</a>");
    QTest::newRow("noncharacter") << (QStringLiteral("<a>") + QChar(0xFFFE) + QStringLiteral("</a>"));
    QTest::newRow("NUL") << (QStringLiteral("<a>") + QChar(0) + QStringLiteral("</a>"));
    const int tooDeep = Luminorix::kMaxReplyDepth + 1;
    QTest::newRow("too deep") << QStringLiteral("<d>").repeated(tooDeep) +
                                     QStringLiteral("</d>").repeated(tooDeep);
    QString attributes;
    for (int i = 0; i <= Luminorix::kMaxReplyAttributes; ++i)
        attributes += QStringLiteral(" a%1=\"\"").arg(i);
    QTest::newRow("too many attributes") << QStringLiteral("<a%1></a>").arg(attributes);
}

void TestPlainXmlReader::refusesTheRest()
{
    QFETCH(QString, xml);
    PlainXmlReader plain;
    QVERIFY(!plain.load(xml));
    // A refused document leaves nothing to read.
    QCOMPARE(plain.tokenType(), QXmlStreamReader::NoToken);
    QVERIFY(plain.name().isNull());
    QVERIFY(plain.text().isNull());
}

void TestPlainXmlReader::mutationsAgreeOrAreRefused()
{
    const QStringList docs = corpus();
    quint32 seed = 12345;
    int accepted = 0;
    int refused = 0;
    for (int round = 0; round < 30000; ++round) {
        const QString& base = docs.at(round % docs.size());
        // Short documents take many rounds; the long ones are cut to keep this quick.
        const QString xml = mutate(base.size() > 600 ? base.left(300) + base.right(300) : base, seed);
        PlainXmlReader plain;
        if (!plain.load(xml)) {
            ++refused;
            continue;
        }
        ++accepted;
        bool clean = false;
        const QStringList reference = streamTokens(xml, &clean);
        QVERIFY2(clean, qPrintable(xml));
        QCOMPARE(plainTokens(plain, reference), reference);
        QCOMPARE(plainResults(xml), streamResults(xml));
    }
    // Both sides of the line must have been walked on.
    QVERIFY2(accepted > 2000, qPrintable(QString::number(accepted)));
    QVERIFY2(refused > 1000, qPrintable(QString::number(refused)));
}

void TestPlainXmlReader::statusListsReadAgainAgree_data()
{
    QTest::addColumn<QStringList>("documents"); // read one after another

    const QString root = QStringLiteral("<ups_current_status_list>%1</ups_current_status_list>");
    const auto list = [&root](const QStringList& records) { return root.arg(records.join(QString())); };
    const auto ups = [](int id, const char* status, const char* extra = "") {
        return QStringLiteral("<ups><id>%1</id><status>%2</status>%3<ups_shutdown_supported>1"
                              "</ups_shutdown_supported></ups>")
            .arg(id)
            .arg(QLatin1String(status), QLatin1String(extra));
    };

    QTest::newRow("one device a round")
        << QStringList{PollReplies::statusList(16, 0), PollReplies::statusList(16, 1),
                       PollReplies::statusList(16, 2), PollReplies::statusList(16, 17)};
    QTest::newRow("device added and removed")
        << QStringList{list({ups(1, "a"), ups(2, "b"), ups(3, "c")}),
                       list({ups(1, "a"), ups(9, "x"), ups(2, "b"), ups(3, "c")}),
                       list({ups(1, "a"), ups(3, "c")}), list({})};
    QTest::newRow("records swap places")
        << QStringList{list({ups(1, "a"), ups(2, "b")}), list({ups(2, "b"), ups(1, "a")})};
    // The service's stand-in wraps records in an element without "ups" in its name:
    // a record then ends at its last field alone.
    QTest::newRow("wrapper without ups") << QStringList{
        root.arg("<device><id>1</id><ups_shutdown_supported>0</ups_shutdown_supported></device>"
                 "<device><id>2</id><status>on</status></device>"),
        root.arg("<device><id>1</id><ups_shutdown_supported>1</ups_shutdown_supported></device>"
                 "<device><id>2</id><status>on</status></device>")};
    // A field named with "ups" ends a record of its own in the middle of a wrapper.
    QTest::newRow("ups inside a record")
        << QStringList{list({ups(1, "a", "<ups_x>3</ups_x><master>1</master>"), ups(2, "b")}),
                       list({ups(1, "a", "<ups_x>4</ups_x><master>1</master>"), ups(2, "b")}),
                       list({ups(1, "a", "<ups_x>4</ups_x><master>0</master>"), ups(2, "b")})};
    QTest::newRow("empty and unknown fields") << QStringList{
        list({"<ups><id></id><status></status><ups_shutdown_supported></ups_shutdown_supported></ups>",
              ups(2, "b", "<other>1</other>")}),
        list({"<ups><id>1</id><status></status><ups_shutdown_supported></ups_shutdown_supported></ups>",
              ups(2, "b", "<other>2</other>")})};
    QTest::newRow("fields after the last record") << QStringList{
        list({ups(1, "a"), "<id>7</id>"}), list({ups(1, "a"), "<id>8</id><status>x</status>"})};
    QTest::newRow("root attribute changes")
        << QStringList{list({ups(1, "a")}), QStringLiteral("<ups_current_status_list n=\"1\">") +
                                                ups(1, "a") + QStringLiteral("</ups_current_status_list>")};
    QTest::newRow("first and last record change") << QStringList{
        list({ups(1, "a"), ups(2, "b"), ups(3, "c")}), list({ups(1, "x"), ups(2, "b"), ups(3, "c")}),
        list({ups(1, "x"), ups(2, "b"), ups(3, "y")}), list({ups(4, "x"), ups(2, "b"), ups(3, "z")})};
    QTest::newRow("record grows and shrinks")
        << QStringList{list({ups(1, "a"), ups(2, "b"), ups(3, "c")}),
                       list({ups(1, "a"), ups(2, "on_battery", "<master>1</master>"), ups(3, "c")}),
                       list({ups(1, "a"), ups(2, ""), ups(3, "c")}), list({ups(1, "a"), ups(3, "c")})};
    QTest::newRow("wrapper changes") << QStringList{
        list({ups(1, "a"), ups(2, "b")}), list({ups(1, "a"), "<ups_x><id>2</id><status>b</status></ups_x>"}),
        list({ups(1, "a"), "<device><id>2</id><status>b</status><ups_shutdown_supported>1"
                           "</ups_shutdown_supported></device>"}),
        list({"<ups>", ups(1, "a"), "</ups>", ups(2, "b")}), list({ups(1, "a"), ups(2, "b")})};
    QTest::newRow("root changes") << QStringList{
        list({ups(1, "a")}),
        QStringLiteral("<ups_current_status_lisx>") + ups(1, "a") +
            QStringLiteral("</ups_current_status_lisx>"),
        list({ups(1, "a")}),
        list({ups(1, "a"), "</ups_current_status_list><ups_current_status_list>"}),
        list({ups(1, "a"), "<x></ups_current_status_list><ups_current_status_list></x>", ups(2, "b")}),
        list({ups(1, "a"), "<x><ups_current_status_list></ups_current_status_list></x>", ups(2, "b")}),
        list({ups(1, "a"), ups(2, "b")})};
    QTest::newRow("becomes not plain")
        << QStringList{list({ups(1, "a"), ups(2, "b"), ups(3, "c")}),
                       list({ups(1, "a"), ups(2, "b]"), ups(3, "c")}),
                       list({ups(1, "a"), ups(2, "<b"), ups(3, "c")}),
                       list({ups(1, "a"), ups(2, "b"), "<!-- -->", ups(3, "c")}),
                       list({ups(1, "a"), ups(2, "b"), ups(3, "c")}) + QStringLiteral(" "),
                       QStringLiteral(" ") + list({ups(1, "a"), ups(2, "b"), ups(3, "c")}),
                       list({ups(1, "a"), "<ups><id a=\"1\" a=\"2\">2</id></ups>", ups(3, "c")}),
                       list({ups(1, "a"), "<ups><xml>2</xml></ups>", ups(3, "c")}),
                       list({ups(1, "a"), "<ups><id>2</ups>", ups(3, "c")}),
                       list({ups(1, "a"), ups(2, "b"), ups(3, "c")})};
    QTest::newRow("two changes far apart")
        << QStringList{list({ups(1, "a"), ups(2, "b"), ups(3, "c"), ups(4, "d"), ups(5, "e")}),
                       list({ups(1, "a"), ups(2, "bb"), ups(3, "c"), ups(4, "d"), ups(5, "")}),
                       list({ups(1, "a"), ups(2, ""), ups(3, "c"), ups(4, "d"), ups(5, "ee")}),
                       list({ups(6, "x"), ups(2, ""), ups(3, "c"), ups(4, "d"), ups(5, "y")})};
    QTest::newRow("a record starts or stops reading as one")
        << QStringList{list({ups(1, "a"), "<ups><other>1</other></ups>", ups(3, "c")}),
                       list({"<ups><other>1</other></ups>", ups(2, "b"), ups(3, "c")}),
                       list({ups(1, "a"), ups(2, "b"), "<ups><other>2</other></ups>"}),
                       list({ups(1, "a"), ups(2, "b"), ups(3, "c")})};
    QTest::newRow("not plain in between")
        << QStringList{list({ups(1, "a"), ups(2, "b")}), list({ups(1, "a&amp;"), ups(2, "b")}),
                       list({ups(1, "a"), ups(2, "c")})};
}

void TestPlainXmlReader::statusListsReadAgainAgree()
{
    QFETCH(QStringList, documents);
    Luminorix::StatusListReader again;
    QVector<Luminorix::Utils::currentDeviceStatus> held; // as the link holds its last list
    for (const QString& xml : documents) {
        // A receiver's copy of the list before, which the next must leave as it was.
        const QVector<Luminorix::Utils::currentDeviceStatus> kept = held;
        const QString keptText = statusText(kept);
        const QPair<QString, QString> read = statusListsOf(xml, again, nullptr, &held);
        QVERIFY2(read.first == read.second, qPrintable(xml + QStringLiteral("\nfresh: ") + read.first +
                                                       QStringLiteral("\nagain: ") + read.second));
        QCOMPARE(statusText(kept), keptText);
    }
}

void TestPlainXmlReader::mutatedStatusListsReadAgainAgree()
{
    // Each document a mutation of the one before, so the reader meets small
    // changes at every place of a list it has just read.
    for (const Way way : {Way::Text, Way::Bytes}) {
        QString xml = PollReplies::statusList(6, 3);
        Luminorix::StatusListReader again;
        quint32 seed = 777;
        int agreed = 0;
        for (int round = 0; round < 20000; ++round) {
            const QString next = mutate(xml, seed);
            const QPair<QString, QString> read = statusListsOf(next, again, nullptr, nullptr, way);
            QVERIFY2(read.first == read.second, qPrintable(next + QStringLiteral("\nfresh: ") + read.first +
                                                           QStringLiteral("\nagain: ") + read.second));
            if (read.first == QLatin1String("<refused>"))
                continue;
            ++agreed;
            // Wander, but not away from lists: start over once the root is gone.
            xml = next.startsWith(QLatin1String("<ups_current_status_list>"))
                      ? next
                      : PollReplies::statusList(6, round);
        }
        QVERIFY2(agreed > 2000, qPrintable(QString::number(agreed)));
    }
}

void TestPlainXmlReader::changedStatusListsReadInPart_data()
{
    // Whether a list following another is read from its changed records alone:
    // refusing that costs the whole list again, accepting it wrongly a wrong list.
    QTest::addColumn<QStringList>("before"); // read one after another
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("inPart");
    QTest::addColumn<bool>("fromBytes"); // when handed its UTF-8 first

    const QString root = QStringLiteral("<ups_current_status_list>%1</ups_current_status_list>");
    const QString a = QStringLiteral("<ups><id>1</id><status>a</status></ups>");
    const QString b = QStringLiteral("<ups><id>2</id><status>b</status></ups>");
    QTest::newRow("one device of many")
        << QStringList{PollReplies::statusList(50, 0)} << PollReplies::statusList(50, 1) << true << true;
    QTest::newRow("the first record")
        << QStringList{root.arg(a + b)} << root.arg(QString(a).replace("a<", "x<") + b) << true << true;
    const QString device = QStringLiteral("<device><id>%1</id><status>%2</status><ups_shutdown_supported>1"
                                          "</ups_shutdown_supported></device>");
    QTest::newRow("records in a wrapper without ups")
        << QStringList{root.arg(device.arg(1).arg("a") + device.arg(2).arg("b") + device.arg(3).arg("c"))}
        << root.arg(device.arg(1).arg("a") + device.arg(2).arg("on_battery") + device.arg(3).arg("c")) << true
        << true;
    QTest::newRow("a record added") << QStringList{root.arg(a + b)} << root.arg(a + b + b) << true << true;
    // Read in part again after the records behind a change moved.
    QTest::newRow("the device after one that changed length")
        << QStringList{PollReplies::statusList(50, 0), PollReplies::statusList(50, 1)}
        << PollReplies::statusList(50, 2) << true << true;
    QTest::newRow("the first device after the last changed length")
        << QStringList{PollReplies::statusList(50, 49), PollReplies::statusList(50, 50)}
        << PollReplies::statusList(50, 51) << true << true;
    QTest::newRow("after the last record, behind a record that grew")
        << QStringList{root.arg(a + "<id>3</id>"), root.arg(QString(a).replace("a<", "abc<") + "<id>3</id>")}
        << root.arg(QString(a).replace("a<", "abc<") + "<id>4</id>") << true << true;
    QTest::newRow("after a record added and one removed")
        << QStringList{root.arg(a + b), root.arg(a + b + a), root.arg(b + a)} << root.arg(b + b) << true
        << true;
    QTest::newRow("after the last record")
        << QStringList{root.arg(a + "<id>3</id>")} << root.arg(a + "<id>4</id>") << true << true;
    QTest::newRow("the same list") << QStringList{root.arg(a + b)} << root.arg(a + b) << true << true;
    QTest::newRow("not plain") << QStringList{root.arg(a + b)} << root.arg(a + b).replace("a<", "&a<")
                               << false << false;
    QTest::newRow("another root") << QStringList{root.arg(a + b)} << root.arg(a + b).replace("list>", "lisx>")
                                  << false << false;
    QTest::newRow("nested too deep") << QStringList{root.arg(a + b)}
                                     << root.arg(a + QStringLiteral("<x>").repeated(1024) +
                                                 QStringLiteral("</x>").repeated(1024) + b)
                                     << false << false;
    // Only ASCII has the offsets of its text, so the rest goes by the text.
    const QString e = QStringLiteral("<ups><id>2</id><status>b\u00e9</status></ups>");
    QTest::newRow("a status not ASCII") << QStringList{root.arg(a + b)} << root.arg(a + e) << true << false;
    QTest::newRow("after a list not ASCII")
        << QStringList{root.arg(a + b), root.arg(a + e)} << root.arg(b + e + a) << true << false;
    QTest::newRow("ASCII again after a list not ASCII")
        << QStringList{root.arg(a + e), root.arg(a + b)} << root.arg(a + b + b) << true << true;
    QTest::newRow("not ASCII after a list read from its bytes")
        << QStringList{root.arg(a + b), root.arg(b + b)} << root.arg(b + e) << true << false;
    QTest::newRow("a byte not ASCII outside the records")
        << QStringList{root.arg(a + b)} << root.arg(a + b).replace("</ups_", "\u00e9</ups_") << true << false;
}

void TestPlainXmlReader::changedStatusListsReadInPart()
{
    QFETCH(QStringList, before);
    QFETCH(QString, after);
    QFETCH(bool, inPart);
    QFETCH(bool, fromBytes);
    for (const Way way : {Way::Text, Way::Bytes}) {
        Luminorix::StatusListReader again;
        for (const QString& xml : before)
            statusListsOf(xml, again, nullptr, nullptr, way);
        bool part = false;
        bool bytes = false;
        const QPair<QString, QString> read = statusListsOf(after, again, &part, nullptr, way, &bytes);
        QCOMPARE(read.second, read.first);
        QCOMPARE(part, inPart);
        QCOMPARE(bytes, way == Way::Bytes && fromBytes);
    }
}

LX_TEST_GUILESS_MAIN(TestPlainXmlReader)
#include "tst_plainxmlreader.moc"
