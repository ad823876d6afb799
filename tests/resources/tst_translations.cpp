#include "tests/support/lxtestcore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

// The English catalogue must cover every source text, completely, and compile
// into the resource the programs load; Qt's Polish catalogue must load too.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void finished_data();
    void finished();
    void compiled_data();
    void compiled();
    void coversCurrentSources();
    void shownTextsSpelledRight_data();
    void shownTextsSpelledRight();
    void oneEnglishTermPerConcept_data();
    void oneEnglishTermPerConcept();
    void qtPolish_data();
    void qtPolish();
};

namespace {
struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    QString type;
    QStringList translations; // one, or one per plural form
    bool numerus = false;

    QString key() const { return context + QChar(0x1f) + source + QChar(0x1f) + comment; }
};

bool readTs(const QString& fileName, QList<TsMessage>& messages, QString& error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = TsMessage();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus) {
                message.translations << xml.readElementText();
                messages << message;
            } else {
                while (xml.readNextStartElement())
                    message.translations << xml.readElementText();
                messages << message;
            }
        }
    }
    if (xml.hasError()) {
        error = QStringLiteral("%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
        return false;
    }
    return true;
}

QList<TsMessage> committed;
} // namespace

void TestTranslations::initTestCase()
{
    QString error;
    committed.clear();
    QVERIFY2(readTs(QStringLiteral(LX_TS_FILE), committed, error), qPrintable(error));
}

void TestTranslations::finished_data()
{
    QTest::addColumn<int>("index");
    if (committed.isEmpty())
        QTest::newRow("no messages") << -1;
    for (int i = 0; i < committed.size(); ++i)
        QTest::newRow(qPrintable(committed[i].context + QLatin1Char('/') + committed[i].source.left(60)))
            << i;
}

void TestTranslations::finished()
{
    QFETCH(int, index);
    if (index < 0)
        QSKIP("the catalogue holds no messages");
    const TsMessage& message = committed.at(index);
    // unfinished: not yet translated or changed in the source; obsolete/vanished: no longer in the source.
    QVERIFY2(message.type.isEmpty(), qPrintable(message.type));
    QVERIFY(!message.translations.isEmpty());
    for (const QString& translation : message.translations)
        QVERIFY(!translation.trimmed().isEmpty());
}

void TestTranslations::compiled_data()
{
    finished_data();
}

void TestTranslations::compiled()
{
    QFETCH(int, index);
    if (index < 0)
        QSKIP("the catalogue holds no messages");
    const TsMessage& message = committed.at(index);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("luminorix_en_US"), QStringLiteral(":/translation/"), QString(),
                            QString()));
    const QByteArray comment = message.comment.toUtf8();
    QCOMPARE(translator.translate(message.context.toUtf8().constData(), message.source.toUtf8().constData(),
                                  comment.isEmpty() ? nullptr : comment.constData(),
                                  message.numerus ? 1 : -1),
             message.translations.first());
}

void TestTranslations::coversCurrentSources()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString refreshed = dir.filePath(QStringLiteral("refreshed.ts"));
    QVERIFY(QFile::copy(QStringLiteral(LX_TS_FILE), refreshed));
    QFile::setPermissions(refreshed, QFile::ReadOwner | QFile::WriteOwner);

    // The same script as the lupdate target, aimed at the copy.
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(LX_CMAKE),
                  {QStringLiteral("-DLUPDATE=" LX_LUPDATE), QStringLiteral("-DROOT=" LX_SOURCE_ROOT),
                   QStringLiteral("-DTS=") + refreshed,
                   QStringLiteral("-DDIRS=") +
                       QStringLiteral(LX_TR_SOURCE_DIRS).replace(QLatin1Char(','), QLatin1Char(';')),
                   QStringLiteral("-P"), QStringLiteral(LX_LUPDATE_SCRIPT)});
    QVERIFY(lupdate.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(lupdate.readAll());
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, qPrintable(output));

    QList<TsMessage> current;
    QString error;
    QVERIFY2(readTs(refreshed, current, error), qPrintable(error));
    QSet<QString> known;
    for (const TsMessage& message : qAsConst(committed))
        known.insert(message.key());
    QStringList missing;
    QSet<QString> inSources;
    for (const TsMessage& message : qAsConst(current)) {
        inSources.insert(message.key());
        if (!known.contains(message.key()))
            missing << message.context + QStringLiteral(": ") + message.source;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("run the lupdate target and translate:\n") +
                                           missing.join(QLatin1Char('\n'))));
    QStringList stale;
    for (const TsMessage& message : qAsConst(committed)) {
        if (!inSources.contains(message.key()))
            stale << message.context + QStringLiteral(": ") + message.source;
    }
    if (!stale.isEmpty())
        qInfo("no longer in the sources (the lupdate target drops them):\n%s", qPrintable(stale.join('\n')));
}

void TestTranslations::shownTextsSpelledRight_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("Częstotliowść") << QStringLiteral("Częstotliowść");
    QTest::newRow("przedlądu") << QStringLiteral("przedlądu");
    QTest::newRow("zasiliania") << QStringLiteral("zasiliania");
    QTest::newRow("wyłaczenie") << QStringLiteral("wyłaczenie");
    QTest::newRow("napiecia") << QStringLiteral("napiecia");
    QTest::newRow("DEBUGGOWANIA") << QStringLiteral("DEBUGGOWANIA");
    QTest::newRow("help: akutalizacji") << QStringLiteral("akutalizacji");
    QTest::newRow("help: zaktualizawaniu") << QStringLiteral("zaktualizawaniu");
    QTest::newRow("help: no space after a stop") << QStringLiteral("\\p{Ll}\\.\\p{Lu}");
    QTest::newRow("no comma before 'po którym'") << QStringLiteral("\\w po którym");
    QTest::newRow("no comma before 'przy którym'") << QStringLiteral("\\w przy którym");
    QTest::newRow("no comma before 'aby'") << QStringLiteral("\\w aby\\b");
    QTest::newRow("a unit without its space") << QStringLiteral("\\b\\d+(kB|s)\\b");
    QTest::newRow("an English title") << QStringLiteral("^Error$");
}

// Texts the panel shows. The converter's event names are excluded: they are written into
// the service's file as they stand.
void TestTranslations::shownTextsSpelledRight()
{
    QFETCH(QString, fault);
    const QRegularExpression pattern(fault, QRegularExpression::UseUnicodePropertiesOption);
    QVERIFY(pattern.isValid());
    QStringList found;
    for (const TsMessage& message : qAsConst(committed)) {
        if (message.context == QLatin1String("Luminorix::NewConfiguration") &&
            message.translations.value(0) == message.source)
            continue;
        if (pattern.match(message.source).hasMatch())
            found << message.context + QStringLiteral(": ") + message.source;
    }
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestTranslations::oneEnglishTermPerConcept_data()
{
    QTest::addColumn<QString>("polish");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("notEnglish");
    QTest::newRow("backup runtime") << QStringLiteral("(?i)czas\\w* autonomii|predykcji czasu")
                                    << QStringLiteral("(?i)backup runtime") << QStringLiteral("(?i)autonomy");
    QTest::newRow("time on battery") << QStringLiteral("(?i)czas pracy autonomicznej")
                                     << QStringLiteral("^Time on battery$") << QStringLiteral("power");
    QTest::newRow("exit") << QStringLiteral("^&?Z&?a&?k&?o&?ń&?c&?z$") << QStringLiteral("^E&?x&?i&?t$")
                          << QStringLiteral("(?i)quit|finish");
    QTest::newRow("controllable output")
        << QStringLiteral("(?i)(gniazd|wyjści)\\w* \\s*sterowaln|sterowalne?\\s")
        << QStringLiteral("(?i)controllable\\s+outputs?") << QStringLiteral("(?i)socket");
}

void TestTranslations::oneEnglishTermPerConcept()
{
    QFETCH(QString, polish);
    QFETCH(QString, english);
    QFETCH(QString, notEnglish);
    const QRegularExpression source(polish, QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpression wanted(english);
    const QRegularExpression unwanted(notEnglish);
    int seen = 0;
    QStringList wrong;
    for (const TsMessage& message : qAsConst(committed)) {
        if (!source.match(message.source).hasMatch())
            continue;
        ++seen;
        const QString translation = message.translations.value(0);
        if (!wanted.match(translation).hasMatch() || unwanted.match(translation).hasMatch())
            wrong << message.context + QStringLiteral(": ") + translation;
    }
    QVERIFY(seen > 0);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestTranslations::qtPolish_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("polish");
    // Standard button texts come from the widgets catalogue, the debugger's from the script one.
    QTest::newRow("yes") << "QPlatformTheme"
                         << "&Yes"
                         << "&Tak";
    QTest::newRow("cancel") << "QPlatformTheme"
                            << "Cancel"
                            << "Anuluj";
    QTest::newRow("script") << "QScriptDebugger"
                            << "Debug"
                            << "Debuguj";
}

void TestTranslations::qtPolish()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, polish);
    QTranslator translator;
    // Loaded as the control panel loads it.
    QVERIFY(translator.load(QStringLiteral("qt_pl"), QStringLiteral(":/translation/"), QString(), QString()));
    QCOMPARE(translator.translate(context.toUtf8().constData(), source.toUtf8().constData()), polish);
}

LX_TEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
