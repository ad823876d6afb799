#include "common/logpage.h"
#include "common/logparameterlabel.h"
#include "common/upstexts.h"
#include "tests/support/lxtestcore.h"

#include <QTranslator>
#include <QtTest>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define LX_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LX_ADDRESS_SANITIZER 1
#endif
#endif

namespace {
// Tags every text of one context, so a test sees what went through translation
// there and what was added after it.
class ContextTagger : public QTranslator
{
public:
    explicit ContextTagger(const char* context) : context(context) {}
    QString translate(const char* ctx, const char* sourceText, const char*, int) const override
    {
        return qstrcmp(ctx, context) == 0 ? QStringLiteral("EN:") + QString::fromUtf8(sourceText) : QString();
    }
    bool isEmpty() const override { return false; }

private:
    const char* context;
};

// "Data|Napięcie wejściowe [V]{L1,L2,L3}|…": the headings as one line.
QString headingsText(const LogPage& page)
{
    QStringList out;
    for (const LogPage::Heading& h : page.headings)
        out << (h.children.isEmpty()
                    ? h.text
                    : h.text + QLatin1Char('{') + h.children.join(QLatin1Char(',')) + QLatin1Char('}'));
    return out.join(QLatin1Char('|'));
}

// Rows separated by " / ", cells by "|"; "~" is a cell without an item.
QString rowsText(const LogPage& page)
{
    QStringList out;
    for (int r = 0; r < page.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < page.cellCount(r); ++c) {
            const QString cell = page.cell(r, c);
            cells << (cell.isNull() ? QStringLiteral("~") : cell);
        }
        out << cells.join(QLatin1Char('|'));
    }
    return out.join(QStringLiteral(" / "));
}

const QString volts = QStringLiteral("Napięcie wejściowe [V]");
} // namespace

class TestLogPage : public QObject
{
    Q_OBJECT

private slots:
    void labels_data();
    void labels();
    void labelsTranslateTheTextNotTheUnit();
    void parameters_data();
    void parameters();
    void messages_data();
    void messages();
    void compensation_data();
    void compensation();
    void nothingToShow_data();
    void nothingToShow();
    void titlesAreTranslated();
    void cellsCut_data();
    void cellsCut();
    void aMillionCodesStopWhereTheTooltipDoes();
    void wideHeaderOverEmptyLinesFitsInLittleMemory();
};

void TestLogPage::labels_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("label");

    QTest::newRow("exact with unit") << "input_voltage" << volts;
    QTest::newRow("exact without unit") << "date"
                                        << "Data";
    QTest::newRow("device state") << "device_status"
                                  << "Tryb pracy";
    QTest::newRow("internal temperature") << "temperature"
                                          << "Temp. wewnętrzna zasilacza [°C]";
    QTest::newRow("numbered sensor") << "temperature_3"
                                     << "Temp. 3 [°C]";
    QTest::newRow("minutes with a stop") << "autonomy_time"
                                         << "Czas autonomii [min.]";
    QTest::newRow("misspelt frequency") << "output_frequency"
                                        << "Częstotliwość wyjściowa [Hz]";
    QTest::newRow("misspelt key, percent") << "output_current_precentage"
                                           << "Prąd wyjściowy [%]";
    QTest::newRow("same label in amperes") << "output_current"
                                           << "Prąd wyjściowy [A]";
    QTest::newRow("input factor headed as output") << "input_power_factor"
                                                   << "Współczynnik mocy wyjściowej [W/VA]";
    QTest::newRow("misspelt service") << "maintenance"
                                      << "Czas do przeglądu [h]";
    QTest::newRow("substring row") << "max_battery_voltage"
                                   << "Napięcie akumulatorów [V]";
    QTest::newRow("exact row is no substring") << "input_voltage_max"
                                               << "input_voltage_max";
    QTest::newRow("time on battery, longer") << "time_on_battery_total"
                                             << "Czas pracy autonomicznej [min]";
    QTest::newRow("reactive power, longer") << "output_reactive_power_sum"
                                            << "Moc bierna wyjściowa [VAr]";
    QTest::newRow("earlier row wins") << "battery_current_time_on_battery"
                                      << "Prąd akumulatorów [A]";
    QTest::newRow("case counts") << "Input_Voltage"
                                 << "Input_Voltage";
    QTest::newRow("unknown") << "foo_bar"
                             << "foo_bar";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("last row") << "time_on_battery"
                              << "Czas pracy autonomicznej [min]";
}

void TestLogPage::labels()
{
    QFETCH(QString, key);
    QFETCH(QString, label);
    QCOMPARE(logParameterLabel(key), label);
}

void TestLogPage::labelsTranslateTheTextNotTheUnit()
{
    ContextTagger english("UpsLogsWindow");
    QCoreApplication::installTranslator(&english);
    QCOMPARE(logParameterLabel(QStringLiteral("input_voltage")), QStringLiteral("EN:Napięcie wejściowe [V]"));
    QCOMPARE(logParameterLabel(QStringLiteral("unknown_key")), QStringLiteral("unknown_key"));
    QCoreApplication::removeTranslator(&english);
}

void TestLogPage::parameters_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("headings");
    QTest::addColumn<QString>("rows");

    const QString onBattery = upsStateText(QStringLiteral("on_battery"));
    QTest::newRow("complete three-phase run")
        << QStringList{"date;time;input_voltage_L1;input_voltage_L2;input_voltage_L3;device_status",
                       "01.02;10:00;230;231;229;on_battery"}
        << 6 << "Data|Czas|" + volts + "{L1,L2,L3}|Tryb pracy"
        << "01.02|10:00|230|231|229|" + onBattery;
    QTest::newRow("phases in the order they came")
        << QStringList{"input_voltage_L1;input_voltage_L3;input_voltage_L2"} << 3 << volts + "{L1,L3,L2}"
        << "";
    QTest::newRow("run cut by a plain key")
        << QStringList{"input_voltage_L1;input_voltage_L2;date;time", "1;2;d;t"} << 4
        << volts + "{L1,L2}|Data|Czas"
        << "1|2|d|t";
    QTest::newRow("run cut by a new first phase")
        << QStringList{"input_voltage_L1;output_voltage_L1;output_voltage_L2;output_voltage_L3"} << 4
        << volts + "{L1}|Napięcie wyjściowe [V]{L1,L2,L3}"
        << "";
    QTest::newRow("run cut by the end of the line")
        << QStringList{"date;input_voltage_L1;input_voltage_L3"} << 3 << "Data|" + volts + "{L1,L3}"
        << "";
    QTest::newRow("later phase with no run open") << QStringList{"input_voltage_L2;input_voltage_L3;date"}
                                                  << 3 << "input_voltage_L2|input_voltage_L3|Data"
                                                  << "";
    QTest::newRow("two runs back to back")
        << QStringList{"a_L1;a_L2;a_L3;b_L1;b_L2;b_L3"} << 6 << "a{L1,L2,L3}|b{L1,L2,L3}"
        << "";
    QTest::newRow("first and second phase in one key")
        << QStringList{"input_voltage_L1_L2;input_voltage_L2;input_voltage_L3"} << 3
        << "input_voltage_L2{L1,L2,L3}"
        << "";
    QTest::newRow("status key inside a run closes it")
        << QStringList{"input_voltage_L1;device_status;input_voltage_L3", "1;on_battery;3"} << 3
        << volts + "{L1}|Tryb pracy|input_voltage_L3"
        << "1|" + onBattery + "|3";
    QTest::newRow("line breaks leave the keys, not the values")
        << QStringList{"date;time\n", "a\nb;c\n", "a;b;c\n"} << 2 << "Data|Czas"
        << "a\nb|c\n / a|b";
    QTest::newRow("empty keys are columns") << QStringList{";date;", "a;b;c"} << 3 << "|Data|"
                                            << "a|b|c";
    QTest::newRow("short and long lines")
        << QStringList{"date;time;temperature", "d", "d;t;31;extra;more", "", ";;"} << 3
        << "Data|Czas|Temp. wewnętrzna zasilacza [°C]"
        << "d / d|t|31 /  / ||";
    QTest::newRow("unknown state stays") << QStringList{"device_status", "on_battery", "warp_drive", ""} << 1
                                         << "Tryb pracy" << onBattery + " / warp_drive / ";
    QTest::newRow("later status key moves the column")
        << QStringList{"device_status;device_status", "on_battery;on_battery"} << 2 << "Tryb pracy|Tryb pracy"
        << "on_battery|" + onBattery;
    QTest::newRow("header only") << QStringList{"date;time"} << 2 << "Data|Czas"
                                 << "";
}

void TestLogPage::parameters()
{
    QFETCH(QStringList, lines);
    QFETCH(int, columns);
    QFETCH(QString, headings);
    QFETCH(QString, rows);

    const LogPage page = LogPage::decode(QStringLiteral("parameters"), lines);
    QCOMPARE(page.kind, LogPage::Kind::Parameters);
    QCOMPARE(page.columnCount, columns);
    QCOMPARE(headingsText(page), headings);
    QCOMPARE(rowsText(page), rows);
    QCOMPARE(page.rowCount(), lines.size() - 1);
    // Every column has a heading of its own, whatever the runs.
    QCOMPARE(page.leafCount(), page.columnCount);
    for (int r = 0; r < page.rowCount(); ++r) {
        QVERIFY(page.cellCount(r) <= columns);
        QVERIFY(page.cell(r, columns).isNull());
        QCOMPARE(page.breaksLines(r),
                 lines.at(r + 1).section(QLatin1Char(';'), 0, columns - 1).contains('\n'));
    }
}

void TestLogPage::messages_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("rows");

    const QString m5 = upsEventText(QStringLiteral("5"));
    const QString m12 = upsEventText(QStringLiteral("12"));
    QTest::newRow("two codes") << QStringList{"2024-01-02,10:00:01,5,12"}
                               << "2024-01-02|10:00:01|" + m5 + ", " + m12;
    QTest::newRow("no code") << QStringList{"2024-01-02,10:00:01"} << "2024-01-02|10:00:01|";
    QTest::newRow("date only") << QStringList{"2024-01-02"} << "2024-01-02|~|";
    QTest::newRow("nothing") << QStringList{",,"} << "~|~|";
    QTest::newRow("empty time moves the code") << QStringList{"2024-01-02,,5"} << "2024-01-02|5|";
    QTest::newRow("lost link and unknown code") << QStringList{",d,t,no_communication,on_battery,"}
                                                << "d|t|" + upsEventText(QStringLiteral("no_communication")) +
                                                       ", " + upsEventText(QStringLiteral("on_battery"));
    QTest::newRow("one row a line, no header") << QStringList{"a,b,5", "c,d"} << "a|b|" + m5 + " / c|d|";
}

void TestLogPage::messages()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, rows);

    const LogPage page = LogPage::decode(QStringLiteral("messages"), lines);
    QCOMPARE(page.kind, LogPage::Kind::Messages);
    QCOMPARE(page.columnCount, 3);
    QCOMPARE(headingsText(page), QStringLiteral("Data|Czas|Komunikaty"));
    QCOMPARE(rowsText(page), rows);
}

void TestLogPage::compensation_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("rows");

    QTest::newRow("full row") << QStringList{"header;is;skipped", "d;t;1;2;3;4;5;6"} << "d|t|1|2|3|4|5|6";
    QTest::newRow("ten fields show eight") << QStringList{"h", "d;t;1;2;3;4;5;6;7;8"} << "d|t|1|2|3|4|5|6";
    QTest::newRow("empty fields dropped") << QStringList{"h", ";d;;t;1;"} << "d|t|1";
    QTest::newRow("empty line, empty row") << QStringList{"h", "", "d"} << " / d";
    QTest::newRow("header only") << QStringList{"d;t;1"} << "";
}

void TestLogPage::compensation()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, rows);

    const LogPage page = LogPage::decode(QStringLiteral("compensation"), lines);
    QCOMPARE(page.kind, LogPage::Kind::Compensation);
    QCOMPARE(page.columnCount, 8);
    QCOMPARE(headingsText(page),
             QStringLiteral("Data|Czas|Bazowy wsp. \nkompensacji L1|Bazowy wsp. \nkompensacji "
                            "L2|Bazowy wsp. \nkompensacji L3|Wsp. kompensacji L1|Wsp. "
                            "kompensacji L2|Wsp. kompensacji L3"));
    QCOMPARE(rowsText(page), rows);
    QCOMPARE(page.rowCount(), lines.size() - 1);
}

void TestLogPage::nothingToShow_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty parameters page") << "parameters" << QStringList();
    QTest::newRow("empty messages page") << "messages" << QStringList();
    QTest::newRow("unknown type") << "events" << QStringList{"a;b", "c;d"};
    QTest::newRow("type in other case") << "Parameters" << QStringList{"a;b", "c;d"};
    QTest::newRow("no type") << "" << QStringList{"a"};
}

void TestLogPage::nothingToShow()
{
    QFETCH(QString, type);
    QFETCH(QStringList, lines);
    const LogPage page = LogPage::decode(type, lines);
    QCOMPARE(page.kind, LogPage::Kind::None);
    QVERIFY(page.headings.isEmpty());
    QCOMPARE(page.rowCount(), 0);
}

void TestLogPage::titlesAreTranslated()
{
    ContextTagger english("UpsLogsWindow");
    QCoreApplication::installTranslator(&english);
    const LogPage messages = LogPage::decode(QStringLiteral("messages"), {QStringLiteral("a,b")});
    const LogPage compensation = LogPage::decode(QStringLiteral("compensation"), {QStringLiteral("h")});
    const LogPage parameters =
        LogPage::decode(QStringLiteral("parameters"), {QStringLiteral("input_voltage_L1")});
    QCoreApplication::removeTranslator(&english);

    QCOMPARE(headingsText(messages), QStringLiteral("EN:Data|EN:Czas|EN:Komunikaty"));
    QCOMPARE(compensation.headings.at(2).text, QStringLiteral("EN:Bazowy wsp. \nkompensacji L1"));
    // The phase names are no texts of the viewer.
    QCOMPARE(headingsText(parameters), QStringLiteral("EN:Napięcie wejściowe [V]{L1}"));
}

void TestLogPage::cellsCut_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("cut");
    QTest::addColumn<int>("length");

    const QString ellipsis(QChar(0x2026));
    QTest::newRow("parameters, longer")
        << "parameters" << QStringList{"a;b", "x;123456"} << 1 << 4 << "1234" + ellipsis << 6;
    QTest::newRow("parameters, as long")
        << "parameters" << QStringList{"a;b", "x;1234"} << 1 << 4 << "1234" << 4;
    QTest::newRow("parameters, first cell")
        << "parameters" << QStringList{"a;b", "123456;x"} << 0 << 2 << "12" + ellipsis << 6;
    QTest::newRow("parameters, past the line")
        << "parameters" << QStringList{"a;b", "x"} << 1 << 4 << QString() << 0;
    const QString onBattery = upsStateText(QStringLiteral("on_battery"));
    QTest::newRow("state text cut, not the keyword")
        << "parameters" << QStringList{"device_status", "on_battery"} << 0 << 3
        << onBattery.left(3) + ellipsis << int(onBattery.size());
    const QString texts = upsEventText(QStringLiteral("5")) + ", " + upsEventText(QStringLiteral("27"));
    QTest::newRow("messages") << "messages" << QStringList{"d,t,5,27"} << 2 << 10 << texts.left(10) + ellipsis
                              << int(texts.size());
}

void TestLogPage::cellsCut()
{
    QFETCH(QString, type);
    QFETCH(QStringList, lines);
    QFETCH(int, column);
    QFETCH(int, maxLength);
    QFETCH(QString, cut);
    QFETCH(int, length);

    const LogPage page = LogPage::decode(type, lines);
    QCOMPARE(page.cell(0, column, maxLength), cut);
    QCOMPARE(page.cell(0, column, maxLength).isNull(), cut.isNull());
    QCOMPARE(page.cellLength(0, column), length);
    QCOMPARE(page.cell(0, column, length), page.cell(0, column));
}

void TestLogPage::aMillionCodesStopWhereTheTooltipDoes()
{
    QString line = QStringLiteral("2025-02-01,12:00:00");
    for (int i = 0; i < 1000000; ++i)
        line += QStringLiteral(",27");
    const LogPage page = LogPage::decode(QStringLiteral("messages"), {line, QStringLiteral("d,t,5")});
    QCOMPARE(page.rowCount(), 2);
    QCOMPARE(page.cell(0, 1), QStringLiteral("12:00:00"));
    const QString texts = page.cell(0, 2);
    QCOMPARE(texts.size(), LogPage::tipLength + 1);
    QVERIFY(texts.startsWith(upsEventText(QStringLiteral("27")) + QStringLiteral(", ")));
    QCOMPARE(texts.back(), QChar(0x2026));
    QCOMPARE(page.cell(1, 2), upsEventText(QStringLiteral("5")));
}

// A reply of 1 MB: a header of 50,000 empty keys over 50,000 empty lines. Each
// line can hold one cell, whatever the header says; read in a child process
// whose address space is bounded, it must not run out.
void TestLogPage::wideHeaderOverEmptyLinesFitsInLittleMemory()
{
#ifdef LX_ADDRESS_SANITIZER
    QSKIP("the address sanitizer reserves terabytes of address space: no limit can be set under it");
#else
    QStringList lines{QString(49999, QLatin1Char(';'))};
    for (int i = 0; i < 50000; ++i)
        lines << QString(QLatin1String(""));
    rlimit limit{};
    QVERIFY(getrlimit(RLIMIT_AS, &limit) == 0);
    QFile status(QStringLiteral("/proc/self/status"));
    QVERIFY(status.open(QIODevice::ReadOnly));
    long sizeKb = 0;
    for (const QByteArray& l : status.readAll().split('\n')) {
        if (l.startsWith("VmSize:"))
            sizeKb = l.mid(7).trimmed().split(' ').first().toLong();
    }
    QVERIFY(sizeKb > 0);
    // What the process holds now and 1 GB more: far below the gigabytes a
    // full row reserved for each line took.
    const rlim_t bound = rlim_t(sizeKb + 1024 * 1024) * 1024;

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        rlimit bounded{bound, bound};
        if (setrlimit(RLIMIT_AS, &bounded) != 0)
            _exit(3);
        int code = 1;
        try {
            const LogPage page = LogPage::decode(QStringLiteral("parameters"), lines);
            code = page.rowCount() == 50000 && page.columnCount == 50000 && page.cellCount(0) == 1 ? 0 : 2;
        } catch (const std::bad_alloc&) {
            code = 4;
        }
        _exit(code);
    }
    int result = 0;
    QCOMPARE(waitpid(child, &result, 0), child);
    QVERIFY2(WIFEXITED(result), "the child was killed");
    QCOMPARE(WEXITSTATUS(result), 0);
#endif
}

LX_TEST_GUILESS_MAIN(TestLogPage)
#include "tst_logpage.moc"
