#include "cipher/fixedkeys.h"
#include "cipher/replymemo.h"
#include "cipher/simplecrypt.h"
#include "tests/support/lxtestcore.h"

#include <QHash>

namespace {
// A reply's bytes, the same for the same name: "state:2048" is 2048 bytes of its own.
QByteArray replyBytes(const QString& step, QString* name = nullptr)
{
    const QStringList parts = step.split(QLatin1Char(':'));
    if (name)
        *name = parts.at(0);
    QByteArray bytes(parts.at(1).toInt(), Qt::Uninitialized);
    uint seed = qHash(parts.at(0));
    for (char& c : bytes) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 16);
    }
    return bytes;
}

const int kFlags = SimpleCrypt::CryptoFlagChecksum;
} // namespace

class TestReplyMemo : public QObject
{
    Q_OBJECT

private slots:
    void holdsWithinItsBound_data();
    void holdsWithinItsBound();
    void textCountsAndFits();
    void decryptionKeepsNoLargeOneOff();
};

void TestReplyMemo::holdsWithinItsBound_data()
{
    QTest::addColumn<QStringList>("sequence"); // replies remembered, in order
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("gone");

    QStringList pages;
    for (int i = 1; i <= 8; ++i)
        pages << QStringLiteral("log%1:2097152").arg(i);
    QTest::newRow("one-off log pages of 2 MB") << pages << QStringList() << QStringList{"log1", "log8"};

    QStringList between{"state:2048", "list:30000"};
    for (int i = 1; i <= 6; ++i)
        between << QStringLiteral("page%1:400000").arg(i);
    between << QStringLiteral("state:2048");
    QTest::newRow("poll replies outlast large one-offs")
        << between << QStringList{"state", "list"} << QStringList{"page1", "page6"};

    QTest::newRow("a large reply seen twice") << QStringList{"big:400000", "state:2048", "big:400000"}
                                              << QStringList{"big", "state"} << QStringList();

    QStringList repeatedLarge;
    for (int i = 1; i <= 6; ++i)
        repeatedLarge << QStringLiteral("r%1:400000").arg(i) << QStringLiteral("r%1:400000").arg(i);
    QTest::newRow("repeated large replies, by bytes")
        << repeatedLarge << QStringList{"r2", "r6"} << QStringList{"r1"};

    QStringList small;
    for (int i = 1; i <= 12; ++i)
        small << QStringLiteral("s%1:1024").arg(i);
    QTest::newRow("many small replies, by count")
        << small << QStringList{"s5", "s12"} << QStringList{"s1", "s4"};

    QTest::newRow("over the entry bound even when repeated")
        << QStringList{"huge:600000", "huge:600000"} << QStringList() << QStringList{"huge"};
}

void TestReplyMemo::holdsWithinItsBound()
{
    QFETCH(QStringList, sequence);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, gone);

    ReplyMemo memo;
    QHash<QString, QByteArray> bytesOf;
    for (const QString& step : sequence) {
        QString name;
        const QByteArray bytes = replyBytes(step, &name);
        bytesOf.insert(name, bytes);
        // The poll asks first and remembers what it did not find, as decryption does.
        if (!memo.find(kFlags, bytes.constData(), bytes.size()))
            memo.remember(kFlags, bytes.constData(), bytes.size(), bytes);
        QVERIFY2(memo.heldBytes() <= ReplyMemo::kBudget, qPrintable(step));
        QVERIFY(memo.size() <= ReplyMemo::kMaxEntries);
    }
    for (const QString& name : kept) {
        const QByteArray& bytes = bytesOf[name];
        const QByteArray* found = memo.find(kFlags, bytes.constData(), bytes.size());
        QVERIFY2(found, qPrintable(name));
        QCOMPARE(*found, bytes);
    }
    for (const QString& name : gone) {
        const QByteArray& bytes = bytesOf[name];
        QVERIFY2(!memo.find(kFlags, bytes.constData(), bytes.size()), qPrintable(name));
    }
    // Other flags are another outcome.
    if (!kept.isEmpty()) {
        const QByteArray& bytes = bytesOf[kept.first()];
        QVERIFY(!memo.find(kFlags | SimpleCrypt::CryptoFlagCompression, bytes.constData(), bytes.size()));
    }
}

void TestReplyMemo::textCountsAndFits()
{
    ReplyMemo memo(1024 * 1024);
    const QByteArray state = replyBytes(QStringLiteral("state:1000")).toHex().left(1000);
    memo.remember(kFlags, state.constData(), state.size(), state);
    const qint64 before = memo.heldBytes();
    const QByteArray plain = *memo.find(kFlags, state.constData(), state.size());
    const QString* text = memo.textOf(plain);
    QVERIFY(text);
    QCOMPARE(*text, QString::fromLatin1(state));
    QCOMPARE(memo.heldBytes(), before + 2 * state.size());
    QCOMPARE(memo.textOf(plain), text); // decoded once

    // Bytes equal to those held but not handed out by the memo are not its own.
    const QByteArray copy(state.constData(), state.size());
    QVERIFY(!memo.textOf(copy));

    // A text that would take the entry past its bound is left to the caller.
    const QByteArray large = replyBytes(QStringLiteral("large:300000")).toHex().left(300000);
    memo.remember(kFlags, large.constData(), large.size(), large);
    memo.remember(kFlags, large.constData(), large.size(), large);
    const QByteArray* held = memo.find(kFlags, large.constData(), large.size());
    QVERIFY(held);
    const QByteArray largePlain = *held;
    QVERIFY(!memo.textOf(largePlain));
    QVERIFY(memo.heldBytes() <= 1024 * 1024);
}

void TestReplyMemo::decryptionKeepsNoLargeOneOff()
{
    SimpleCrypt crypt(messageCipherKey());
    const qint64 before = ReplyMemo::forThisThread().heldBytes();
    for (int i = 1; i <= 8; ++i) {
        // Log-like text that compresses as a real page does.
        QByteArray page;
        while (page.size() < 2 * 1024 * 1024)
            page += "2026-03-1" + QByteArray::number(i) + " 12:00:" + QByteArray::number(page.size() % 60) +
                    ";230.4;229.8;50.0;35;100;27.5;on_power_line\n";
        const QString text = crypt.decryptToText(crypt.encryptToByteArray(page));
        QCOMPARE(text.size(), page.size());
        QVERIFY2(ReplyMemo::forThisThread().heldBytes() - before < ReplyMemo::kAtOnce,
                 qPrintable(QString::number(i)));
    }
    // A poll reply is still answered from memory, bytes and text alike.
    const QByteArray state =
        "<ups_device_state isUpsFound=\"1\"><output_load>35</output_load></ups_device_state>";
    const QByteArray cipher = crypt.encryptToByteArray(state);
    QCOMPARE(crypt.decryptToText(cipher), QString::fromLatin1(state));
    QCOMPARE(crypt.decryptToText(cipher), QString::fromLatin1(state));
}

LX_TEST_GUILESS_MAIN(TestReplyMemo)
#include "tst_replymemo.moc"
