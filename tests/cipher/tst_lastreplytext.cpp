#include "cipher/lastreplytext.h"
#include "tests/support/lxtestcore.h"

#include <QRandomGenerator>

namespace {
// A status list of about `bytes` bytes whose records are `record` with its number.
QByteArray listOf(int bytes, const QByteArray& record = "<ups_%1><status>on_power_line</status></ups_%1>")
{
    QByteArray list = "<ups_current_status_list>";
    for (int i = 0; list.size() < bytes; ++i)
        list += QByteArray(record).replace("%1", QByteArray::number(i));
    return list + "</ups_current_status_list>";
}

QByteArray replaced(QByteArray bytes, int at, int length, const QByteArray& with)
{
    return bytes.replace(at, length, with);
}

// All of the bytes: the QByteArray overload would stop at a NUL.
QString wholeDecoding(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes.constData(), bytes.size());
}
} // namespace

class TestLastReplyText : public QObject
{
    Q_OBJECT

private slots:
    void nextTextIsFromUtf8s_data();
    void nextTextIsFromUtf8s();
    void randomChangesReadAlike();
};

void TestLastReplyText::nextTextIsFromUtf8s_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("next");

    const QByteArray list = listOf(40000);
    const int middle = list.indexOf("on_power_line", list.size() / 2);
    const QByteArray polish =
        listOf(40000, "<ups_%1><status>Zasilanie z sieci \xc5\x82\xc3\xb3\xc5\xbc</status></ups_%1>");

    QTest::newRow("same bytes") << list << list;
    QTest::newRow("one record in the middle") << list << replaced(list, middle, 13, "on_battery___");
    QTest::newRow("longer") << list << replaced(list, middle, 13, "on_battery_and_low");
    QTest::newRow("shorter") << list << replaced(list, middle, 13, "off");
    QTest::newRow("first byte") << list << replaced(list, 0, 1, "[");
    QTest::newRow("last byte") << list << replaced(list, list.size() - 1, 1, "]");
    QTest::newRow("cut short") << list << list.left(list.size() - 100);
    QTest::newRow("grown") << list << list + "<tail/>";
    QTest::newRow("two changes far apart") << list << replaced(replaced(list, middle, 1, "O"), 100, 1, "X");
    // Bytes that are not one unit each, in either text and across the cuts.
    QTest::newRow("multi-byte text after") << list << replaced(list, middle, 13, "\xc5\x82\xc3\xb3\xc5\xbc");
    QTest::newRow("multi-byte text before") << polish << replaced(polish, 5000, 1, "X");
    QTest::newRow("lead byte before the change")
        << replaced(list, middle, 1, "\xc3") << replaced(list, middle, 2, "\xc3\xb3");
    QTest::newRow("continuation after the change")
        << replaced(list, middle + 1, 1, "\xb3") << replaced(list, middle, 2, "\xc3\xb3");
    QTest::newRow("lone bytes kept") << replaced(list, middle, 1, "\xff")
                                     << replaced(list, middle + 5, 1, "\xfe");
    QTest::newRow("byte order mark at the change") << list << replaced(list, middle, 0, "\xef\xbb\xbf");
    QTest::newRow("byte order mark at the start")
        << replaced(list, 0, 0, "\xef\xbb\xbf")
        << replaced(replaced(list, 0, 0, "\xef\xbb\xbf"), middle, 1, "O");
    QTest::newRow("four-byte character") << list << replaced(list, middle, 1, "\xf0\x9f\x94\x8b");
    QTest::newRow("cut inside a four-byte character")
        << replaced(list, middle, 1, "\xf0\x9f\x94\x8b") << replaced(list, middle, 1, "\xf0\x9f\x94\x8c");
    QTest::newRow("overlong sequence") << list << replaced(list, middle, 1, "\xe0\x80\xaf");
    QTest::newRow("small reply after a large one") << list << QByteArray("<ups_device_state/>");
    QTest::newRow("other reply, same size") << list << QByteArray(list.size(), 'x');
    QTest::newRow("NUL bytes") << replaced(list, 10, 1, QByteArray(1, '\0'))
                               << replaced(list, middle, 1, QByteArray(2, '\0'));
}

// Whatever came before, the text of the next reply is the one a whole decoding
// gives, and so is the one after it.
void TestLastReplyText::nextTextIsFromUtf8s()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, next);

    LastReplyText last;
    QCOMPARE(last.decode(first), wholeDecoding(first));
    QCOMPARE(last.decode(next), wholeDecoding(next));
    QCOMPARE(last.decode(first), wholeDecoding(first));
}

void TestLastReplyText::randomChangesReadAlike()
{
    QRandomGenerator random(31);
    const QByteArray pieces[] = {"a",
                                 "<",
                                 ">",
                                 "\xc3",
                                 "\xb3",
                                 "\xc3\xb3",
                                 "\xef\xbb\xbf",
                                 "\xf0\x9f\x94\x8b",
                                 "\xff",
                                 "\x80",
                                 "on_battery",
                                 "",
                                 QByteArray(1, '\0')};
    LastReplyText last;
    QByteArray text = listOf(20000);
    for (int round = 0; round < 3000; ++round) {
        const int changes = 1 + int(random.bounded(3));
        for (int c = 0; c < changes; ++c) {
            const int at = int(random.bounded(text.size() + 1));
            const int length = int(random.bounded(std::min(4, text.size() - at + 1)));
            text.replace(at, length, pieces[random.bounded(int(sizeof pieces / sizeof pieces[0]))]);
        }
        const QString expected = wholeDecoding(text);
        QVERIFY2(last.decode(text) == expected, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

QTEST_GUILESS_MAIN(TestLastReplyText)
#include "tst_lastreplytext.moc"
