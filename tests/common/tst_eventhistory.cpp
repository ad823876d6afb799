#include "common/eventhistory.h"
#include "tests/support/lxtestcore.h"

#include <QTranslator>

namespace {
// Tags the texts of the history dialog's context, to tell translated from literal.
class HistoryTagger : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return qstrcmp(context, "UpsEventsWindow") == 0
                   ? QStringLiteral("EN:") + QString::fromUtf8(sourceText)
                   : QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestEventHistory : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void eventTexts_data();
    void eventTexts();
};

void TestEventHistory::rows_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("single digits padded") << "62;3;7;9;5;1" << QStringList{"03-07 09:05:01 - Bypass: Start"};
    QTest::newRow("longer parts kept")
        << "62;2024;12;10;15;59" << QStringList{"2024-12 10:15:59 - Bypass: Start"};
    QTest::newRow("no check for numbers")
        << "49;x;yy;zzz;;1;2" << QStringList{"0x-yy zzz:01:02 - Ładowanie baterii: Stop"};
    QTest::newRow("empty parts at both levels")
        << "|62;3;7;9;5;1||49;3;7;9;6;0|"
        << QStringList{"03-07 09:05:01 - Bypass: Start", "03-07 09:06:00 - Ładowanie baterii: Stop"};
    QTest::newRow("wrong field counts skipped")
        << "62;3;7;9;5|63;3;7;9;5;1;0|62;3;;7;9;5|16;1;2;3;4;5" << QStringList{"01-02 03:04:05 - Zwarcie"};
    QTest::newRow("nothing valid") << "|" << QStringList();
    QTest::newRow("service order kept") << "81;1;1;1;1;1|2;1;1;1;1;1"
                                        << QStringList{"01-01 01:01:01 - Tryb PV Backup: Stop",
                                                       "01-01 01:01:01 - Tryb pracy - Inicjalizacja"};
}

void TestEventHistory::rows()
{
    QFETCH(QString, events);
    QFETCH(QStringList, rows);
    QCOMPARE(EventHistory::rows(events), rows);
}

void TestEventHistory::eventTexts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 is a literal") << "1"
                                    << "----";
    QTest::newRow("first") << "2"
                           << "EN:Tryb pracy - Inicjalizacja";
    QTest::newRow("11") << "11"
                        << "EN:Tryb pracy - Oczekiwanie";
    QTest::newRow("31") << "31"
                        << "EN:Błąd pracy równoległej";
    QTest::newRow("48") << "48"
                        << "EN:Ładowanie baterii: Start";
    QTest::newRow("last") << "81"
                          << "EN:Tryb PV Backup: Stop";
    for (const char* code : {"0", "12", "17", "32", "47", "82", "-62", "abc", "", "62x"})
        QTest::newRow(qPrintable(QStringLiteral("unlisted ") + QLatin1String(code))) << code << "EN:----";
}

void TestEventHistory::eventTexts()
{
    QFETCH(QString, code);
    QFETCH(QString, text);
    HistoryTagger english;
    QCoreApplication::installTranslator(&english);
    const QString shown = EventHistory::eventText(code);
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(shown, text);
}

LX_TEST_GUILESS_MAIN(TestEventHistory)
#include "tst_eventhistory.moc"
