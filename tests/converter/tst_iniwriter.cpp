// The converter's own writing of a new settings file: for the same keys it must
// give the very bytes the settings library writes, or the file the service
// reads would change with the writer.
#include "converter/iniwriter.h"
#include "inifixture.h"
#include "tests/support/lxtestcore.h"

#include <QDate>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>

using Converter::IniWriter;

class TestIniWriter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int files = 0;

    QByteArray libraryBytes(const QVariantMap& values, QTextCodec* codec)
    {
        const QString path = dir.filePath(QStringLiteral("w%1.ini").arg(++files));
        {
            QSettings settings(path, QSettings::IniFormat);
            if (codec)
                settings.setIniCodec(codec);
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                settings.setValue(it.key(), it.value());
        }
        return IniFixture::readFile(path);
    }

private slots:
    void writesAsTheLibrary_data()
    {
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<bool>("utf8");

        const auto one = [](const QVariant& value) {
            // Beside a key that sorts before and one after it.
            return QVariantMap{{"s/a", 1}, {"s/x", value}, {"s/z", QStringLiteral("z")}};
        };
        QTest::newRow("plain") << one(QStringLiteral("Falcon_6k")) << false;
        QTest::newRow("empty") << one(QString()) << false;
        QTest::newRow("outer spaces") << one(QStringLiteral("  a b  ")) << false;
        QTest::newRow("leading space") << one(QStringLiteral(" a")) << false;
        QTest::newRow("separators") << one(QStringLiteral("a, b; c=d")) << false;
        QTest::newRow("semicolon alone") << one(QStringLiteral("a;b")) << false;
        QTest::newRow("quotes") << one(QStringLiteral("say \"hi\"")) << false;
        QTest::newRow("backslashes") << one(QStringLiteral("C:\\dir\\")) << false;
        QTest::newRow("percent") << one(QStringLiteral("%41%U0041")) << false;
        QTest::newRow("control characters") << one(QStringLiteral("a\tb\nc\rd\a\b\f\v\x01"
                                                                  "f\x1f"))
                                            << false;
        QTest::newRow("hex digit after an escape") << one(QStringLiteral("\x01"
                                                                         "ab9g"))
                                                   << false;
        QTest::newRow("null") << one(QString(QChar(0)) + QStringLiteral("1a")) << false;
        QTest::newRow("non-ASCII, escaped") << one(QStringLiteral("wróciło żółw € \u00ff\u007f")) << false;
        QTest::newRow("non-ASCII, UTF-8") << one(QStringLiteral("wróciło żółw € \u00ff\u007f")) << true;
        QTest::newRow("outside the BMP, UTF-8") << one(QStringLiteral("a\U0001F600b")) << true;
        QTest::newRow("begins with @") << one(QStringLiteral("@home")) << false;
        QTest::newRow("begins with @@") << one(QStringLiteral("@@x")) << false;
        QTest::newRow("looks typed") << one(QStringLiteral("@Variant(x)")) << true;
        QTest::newRow("list") << one(QStringList{"stateNormal", "ON", "=="}) << false;
        QTest::newRow("list with odd items")
            << one(QStringList{"", " x ", "a,b", "\"q\"", "żółw", "@x", "a;b"}) << false;
        QTest::newRow("list, UTF-8") << one(QStringList{"żółw", " € "}) << true;
        QTest::newRow("list of one") << one(QStringList{"one"}) << false;
        QTest::newRow("list of one empty item") << one(QStringList{QString()}) << false;
        QTest::newRow("empty list") << one(QStringList()) << false;
        QTest::newRow("no value") << one(QVariant()) << false;
        QTest::newRow("int") << one(-12) << false;
        QTest::newRow("unsigned") << one(4000000000u) << false;
        QTest::newRow("long") << one(Q_INT64_C(-9000000000)) << false;
        QTest::newRow("bool") << one(true) << false;
        QTest::newRow("double") << one(0.1) << false;

        QTest::newRow("sections and keys in sorted order") << QVariantMap{{"version", "2.6.0"},
                                                                          {"Language", "x"},
                                                                          {"event.0.10/id", 1},
                                                                          {"event.0.2/id", 2},
                                                                          {"event.0.2/Event", 3},
                                                                          {"computer.1/b", 4},
                                                                          {"Computer.1/a", 5},
                                                                          {"group.0.0/name", "g"},
                                                                          {"_/x", 6},
                                                                          {"a b/c d", 7},
                                                                          {"ż/ó", 8},
                                                                          {"€/x", 9},
                                                                          {"s/sub/key", 10},
                                                                          {"s/sub", 11},
                                                                          {"s-/x", 12}}
                                                           << false;
        QTest::newRow("sections named general")
            << QVariantMap{{"general/x", 1}, {"GENERAL/y", 2}, {"%general/z", 3}, {"General/w", 4}, {"k", 5}}
            << false;
        QTest::newRow("general section alone") << QVariantMap{{"k", 5}, {"a", 6}} << false;
        QVariantMap many; // past the keys a section looks along without a table
        for (int i = 0; i < 40; ++i) {
            many.insert(QStringLiteral("big/k%1").arg(i), i);
            many.insert(QStringLiteral("g%1").arg(i), i);
        }
        QTest::newRow("sections of many keys") << many << false;
        QTest::newRow("marks in names")
            << QVariantMap{{"s;1/a=b", 1}, {"s\"/\\", 2}, {"[x]/y", 3}, {"a%b/%U", 4}, {"t/ ", 5}} << false;
    }

    void writesAsTheLibrary()
    {
        QFETCH(QVariantMap, values);
        QFETCH(bool, utf8);
        QTextCodec* codec = utf8 ? QTextCodec::codecForName("UTF-8") : nullptr;
        QHash<QString, QVariant> hash;
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            hash.insert(it.key(), it.value());
        QByteArray bytes = "kept";
        QVERIFY(IniWriter::format(hash, codec, &bytes));
        QCOMPARE(bytes, "kept" + libraryBytes(values, codec));
    }

    // A key set again stays one key with the last value, in a small section and
    // in one that keeps a table of its keys.
    void keepsAKeyOnce_data()
    {
        QTest::addColumn<int>("keys");
        QTest::newRow("few") << 3;
        QTest::newRow("many") << 40;
    }

    void keepsAKeyOnce()
    {
        QFETCH(int, keys);
        Converter::KeyRecord record;
        for (int i = 0; i < keys; ++i)
            QVERIFY(record.set(QStringLiteral("s/k%1").arg(i), i));
        QVERIFY(!record.set(QStringLiteral("s"), QStringLiteral("k1"), QStringLiteral("again")));
        QVERIFY(record.set(QStringLiteral("k1"), 0)); // the general section's own
        QCOMPARE(record.size(), keys + 1);
        QCOMPARE(record.find(QStringLiteral("s/k1"))->toString(), QStringLiteral("again"));
        QCOMPARE(record.find(QStringLiteral("s/k%1").arg(keys - 1))->toInt(), keys - 1);
        QVERIFY(!record.find(QStringLiteral("s/k%1").arg(keys)));
        QVERIFY(record.isPlain());
    }

    // What it leaves to the library: a type it does not write, or a key the
    // library would store under another name.
    void refusesWhatItDoesNotWrite_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("list of variants") << "s/x" << QVariant(QVariantList{1, 2});
        QTest::newRow("bytes") << "s/x" << QVariant(QByteArray("a"));
        QTest::newRow("date") << "s/x" << QVariant(QDate(2020, 1, 2));
        QTest::newRow("doubled slash") << "s//x" << QVariant(1);
        QTest::newRow("leading slash") << "/s/x" << QVariant(1);
        QTest::newRow("trailing slash") << "s/x/" << QVariant(1);
        QTest::newRow("empty key") << "" << QVariant(1);
    }

    void refusesWhatItDoesNotWrite()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QByteArray bytes = "kept";
        QVERIFY(!IniWriter::format({{"a/b", 1}, {key, value}}, nullptr, &bytes));
        QCOMPARE(bytes, QByteArray("kept"));
    }
};

LX_TEST_GUILESS_MAIN(TestIniWriter)
#include "tst_iniwriter.moc"
