// The quick reading of a file the settings library wrote: it must read every
// value as the library reads it back, and give up on what the library does not write.
#include "converter/writtenini.h"
#include "inifixture.h"
#include "tests/support/lxtestcore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>

using Converter::WrittenIni;

namespace {

// The file form loses a value's type, as in the writer's own check.
QStringList texts(const QVariant& value)
{
    if (!value.isValid())
        return {};
    if (value.userType() == QMetaType::QStringList || value.userType() == QMetaType::QVariantList)
        return value.toStringList();
    return {value.toString()};
}

QStringList texts(const WrittenIni::Entry& entry)
{
    return entry.isList ? entry.list : QStringList{entry.text};
}

} // namespace

class TestWrittenIni : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int files = 0;

private slots:
    void readsWhatTheLibraryWrote_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("utf8");

        const QString text = QStringLiteral("s/x");
        QTest::newRow("plain") << text << QVariant(QStringLiteral("Falcon_6k")) << false;
        QTest::newRow("empty") << text << QVariant(QString()) << false;
        QTest::newRow("outer spaces") << text << QVariant(QStringLiteral("  a b  ")) << false;
        QTest::newRow("separators") << text << QVariant(QStringLiteral("a, b; c=d")) << false;
        QTest::newRow("quotes") << text << QVariant(QStringLiteral("say \"hi\"")) << false;
        QTest::newRow("backslashes") << text << QVariant(QStringLiteral("C:\\dir\\")) << false;
        QTest::newRow("control characters") << text
                                            << QVariant(QStringLiteral("a\tb\nc\rd\x01"
                                                                       "f"))
                                            << false;
        QTest::newRow("escaped space at the end") << text << QVariant(QStringLiteral("a\x01 ")) << false;
        QTest::newRow("non-ASCII, escaped") << text << QVariant(QStringLiteral("wróciło żółw €")) << false;
        QTest::newRow("non-ASCII, UTF-8") << text << QVariant(QStringLiteral("wróciło żółw €")) << true;
        QTest::newRow("begins with @") << text << QVariant(QStringLiteral("@home")) << false;
        QTest::newRow("list") << text << QVariant(QStringList{"stateNormal", "ON", "=="}) << false;
        QTest::newRow("list with odd items")
            << text << QVariant(QStringList{"", " x ", "a,b", "\"q\"", "żółw"}) << false;
        QTest::newRow("list of one") << text << QVariant(QStringList{"one"}) << false;
        QTest::newRow("empty list") << text << QVariant(QStringList()) << false;
        QTest::newRow("int") << text << QVariant(-12) << false;
        QTest::newRow("bool") << text << QVariant(true) << false;
        QTest::newRow("general section")
            << QStringLiteral("version") << QVariant(QStringLiteral("2.6.0")) << false;
        QTest::newRow("section named General") << QStringLiteral("General/x") << QVariant(1) << false;
        QTest::newRow("key with marks") << QStringLiteral("a b%/ü=;") << QVariant(1) << false;
        QTest::newRow("section with marks") << QStringLiteral("grupa ż/x") << QVariant(1) << false;
    }

    void readsWhatTheLibraryWrote()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(bool, utf8);
        QTextCodec* codec = utf8 ? QTextCodec::codecForName("UTF-8") : nullptr;
        const QString path = dir.filePath(QStringLiteral("w%1.ini").arg(++files));
        {
            QSettings settings(path, QSettings::IniFormat);
            if (codec)
                settings.setIniCodec(codec);
            settings.setValue(QStringLiteral("other/y"), QStringLiteral("z"));
            settings.setValue(key, value);
        }
        QSettings library(path, QSettings::IniFormat);
        if (codec)
            library.setIniCodec(codec);

        QVector<WrittenIni::Entry> entries;
        QVERIFY(WrittenIni::read(IniFixture::readFile(path), codec, &entries));
        QCOMPARE(entries.size(), 2);
        const WrittenIni::Entry& entry = entries.at(entries.at(0).key == QLatin1String("other/y") ? 1 : 0);
        QCOMPARE(entry.key, key);
        QCOMPARE(entry.section,
                 key.contains(QLatin1Char('/')) ? key.left(key.indexOf(QLatin1Char('/')) + 1) : QString());
        QCOMPARE(texts(entry), texts(library.value(key)));
        QCOMPARE(texts(entry), texts(value));
    }

    // Forms the library does not write, or reads in a way of its own.
    void givesUpOnOtherForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("comment") << QByteArray("[s]\n; note\nx=1\n");
        QTest::newRow("continued line") << QByteArray("[s]\nx=a\\\nb\n");
        QTest::newRow("typed value") << QByteArray("[s]\nx=@Variant(\\0\\0\\0\\x7f)\n");
        QTest::newRow("open quote") << QByteArray("[s]\nx=\"a\n");
        QTest::newRow("cut section") << QByteArray("[s\nx=1\n");
        QTest::newRow("line without value") << QByteArray("[s]\nx\n");
        QTest::newRow("unknown escape") << QByteArray("[s]\nx=a\\qb\n");
        QTest::newRow("long hex escape") << QByteArray("[s]\nx=\\x12345\n");
        QTest::newRow("space in a key") << QByteArray("[s]\na b=1\n");
        QTest::newRow("empty part of a key") << QByteArray("[s]\n\\a=1\n");
        QTest::newRow("escaped slash as a key") << QByteArray("\n%2f= ");
        QTest::newRow("escaped slash at a key's end") << QByteArray("[s]\na%2F=1\n");
        QTest::newRow("two escaped slashes") << QByteArray("[s]\na%2F%2Fb=1\n");
        QTest::newRow("empty part of a section") << QByteArray("[s\\]\na=1\n");
        QTest::newRow("comment after a value") << QByteArray("[s]\nx=a;b\n");
        QTest::newRow("comment after quotes") << QByteArray("[s]\nx=\"a\";b\n");
        QTest::newRow("escaped equals sign") << QByteArray("[s]\na\\=b=1\n");
    }

    void givesUpOnOtherForms()
    {
        QFETCH(QByteArray, bytes);
        QVector<WrittenIni::Entry> entries;
        QVERIFY(!WrittenIni::read(bytes, nullptr, &entries));
    }

    // A file without its last line end, as a cut file may be, still reads.
    void lastLineWithoutLineEnd()
    {
        QVector<WrittenIni::Entry> entries;
        QVERIFY(WrittenIni::read("[General]\nversion=2.6.0\n\n[s]\nx=a, b", nullptr, &entries));
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0).key, QStringLiteral("version"));
        QCOMPARE(entries.at(1).key, QStringLiteral("s/x"));
        QCOMPARE(texts(entries.at(1)), (QStringList{"a", "b"}));
    }
};

LX_TEST_GUILESS_MAIN(TestWrittenIni)
#include "tst_writtenini.moc"
