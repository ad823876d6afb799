#include "common/upstexts.h"
#include "taggingtranslator.h"
#include "tests/support/lxtestcore.h"

#include <QCoreApplication>
#include <QSet>

namespace {

const QString modePrefix = QStringLiteral("Tryb pracy - ");

} // namespace

class TestUpsTexts : public QObject
{
    Q_OBJECT

private slots:
    void stateText_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown") << QStringLiteral("unknown") << QStringLiteral("Nieznany");
        QTest::newRow("on_battery") << QStringLiteral("on_battery") << QStringLiteral("Rezerwowy");
        QTest::newRow("on_power_line") << QStringLiteral("on_power_line") << QStringLiteral("Sieciowy");
        QTest::newRow("low_battery") << QStringLiteral("low_battery") << QStringLiteral("Niski stan baterii");
        QTest::newRow("avr_on") << QStringLiteral("avr_on") << QStringLiteral("AVR");
        QTest::newRow("overload") << QStringLiteral("overload") << QStringLiteral("Przeciążenie");
        QTest::newRow("shortcut") << QStringLiteral("shortcut") << QStringLiteral("Zwarcie");
        QTest::newRow("waiting_work") << QStringLiteral("waiting_work") << QStringLiteral("Oczekiwanie");
        QTest::newRow("watch") << QStringLiteral("watch") << QStringLiteral("Czuwanie");
        QTest::newRow("eco") << QStringLiteral("eco") << QStringLiteral("ECO");
        QTest::newRow("bypass") << QStringLiteral("bypass") << QStringLiteral("Bypass");
        QTest::newRow("emergency") << QStringLiteral("emergency") << QStringLiteral("Awaryjny");
        QTest::newRow("initialization")
            << QStringLiteral("initialization") << QStringLiteral("Inicjalizacja");
        QTest::newRow("stop") << QStringLiteral("stop") << QStringLiteral("Stop");
        QTest::newRow("hybrid") << QStringLiteral("hybrid") << QStringLiteral("Hybrydowy");
        QTest::newRow("no_communication")
            << QStringLiteral("no_communication") << QStringLiteral("Brak komunikacji");
        QTest::newRow("battery_test")
            << QStringLiteral("battery_test") << QStringLiteral("Testowanie baterii");
        QTest::newRow("converter") << QStringLiteral("converter")
                                   << QStringLiteral("Konwersja częstotliwości");
        QTest::newRow("shutdown") << QStringLiteral("shutdown") << QStringLiteral("Wyłączenie UPS");
        QTest::newRow("fault") << QStringLiteral("fault") << QStringLiteral("Tryb błędu");
        QTest::newRow("genset_on") << QStringLiteral("genset_on") << QStringLiteral("Włączony");
        QTest::newRow("genset_off") << QStringLiteral("genset_off") << QStringLiteral("Wyłączony");
        QTest::newRow("self_test") << QStringLiteral("self_test") << QStringLiteral("Autotest");
        QTest::newRow("ups_off") << QStringLiteral("ups_off") << QStringLiteral("UPS wyłączony");
        QTest::newRow("eco_bypass") << QStringLiteral("eco_bypass") << QStringLiteral("ECO/Bypass");
        QTest::newRow("other case") << QStringLiteral("Bypass") << QStringLiteral("Bypass");
        QTest::newRow("outside the table") << QStringLiteral("sleeping") << QStringLiteral("sleeping");
        QTest::newRow("trailing space") << QStringLiteral("eco ") << QStringLiteral("eco ");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("event code") << QStringLiteral("12") << QStringLiteral("12");
    }

    void stateText()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, expected);
        QCOMPARE(upsStateText(keyword), expected);
    }

    void eventText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << "0" << QStringLiteral("Załączony AVR podwyższający");
        QTest::newRow("11") << "11" << QStringLiteral("Serwis");
        QTest::newRow("36") << "36"
                            << QStringLiteral(
                                   "Wirtualny UPS - brak wymaganej liczby skonfigurowanych UPS w Luminorix");
        QTest::newRow("38 keeps its spelling") << "38" << QStringLiteral("Awaria zasilania na wejściu");
        QTest::newRow("49") << "49" << QStringLiteral("Przeciążenie UPS 110%");
        QTest::newRow("99") << "99" << QStringLiteral("Dynamiczna kompensacja mocy biernej");
        QTest::newRow("102, last of the first run") << "102" << QStringLiteral("Przegrzanie falownika");
        QTest::newRow("103") << "103" << QStringLiteral("! Niski poziom paliwa - Wrn");
        QTest::newRow("104") << "104" << QStringLiteral("! Niski poziom paliwa - Sd");
        QTest::newRow("126, no space before the mark")
            << "126" << QStringLiteral("! Niesymetryczne napięcie sieci- MF");
        QTest::newRow("130") << "130" << QStringLiteral("! Serwis - Wrn");
        QTest::newRow("131") << "131" << QStringLiteral("!* Niski poziom paliwa - Wrn");
        QTest::newRow("132 without prefix") << "132" << QStringLiteral("Niski poziom paliwa - Sd");
        QTest::newRow("133") << "133" << QStringLiteral("!* Napięcie akumulatora poza zakresem - Wrn");
        QTest::newRow("158") << "158" << QStringLiteral("!* Serwis - Wrn");
        QTest::newRow("159") << "159" << QStringLiteral("* Niski poziom paliwa - Wrn");
        QTest::newRow("160 without prefix") << "160" << QStringLiteral("Niski poziom paliwa - Sd");
        QTest::newRow("161") << "161" << QStringLiteral("* Napięcie akumulatora poza zakresem - Wrn");
        QTest::newRow("173") << "173" << QStringLiteral("* Przekroczony limit obciążenia dla IDMT - BOC");
        QTest::newRow("186") << "186" << QStringLiteral("* Serwis - Wrn");
        QTest::newRow("187") << "187" << QStringLiteral("Brak oleju");
        QTest::newRow("193") << "193" << QStringLiteral("Parametry linii zasilającej poza zakresem");
        QTest::newRow("208") << "208" << QStringLiteral("Ładowarka - za wysokie napięcie");
        QTest::newRow("209") << "209" << QStringLiteral("Tryb PV Backup");
        QTest::newRow("no_communication") << "no_communication" << QStringLiteral("Brak komunikacji");

        QTest::newRow("210") << "210" << QStringLiteral("Tryb pracy - 210");
        QTest::newRow("empty") << QString() << QStringLiteral("Tryb pracy - ");
        QTest::newRow("leading zero") << "07" << QStringLiteral("Tryb pracy - 07");
        QTest::newRow("two leading zeros") << "007" << QStringLiteral("Tryb pracy - 007");
        QTest::newRow("leading space") << " 5" << QStringLiteral("Tryb pracy -  5");
        QTest::newRow("trailing space") << "5 " << QStringLiteral("Tryb pracy - 5 ");
        QTest::newRow("plus sign") << "+5" << QStringLiteral("Tryb pracy - +5");
        QTest::newRow("negative") << "-1" << QStringLiteral("Tryb pracy - -1");
        QTest::newRow("state keyword") << "on_battery" << QStringLiteral("Tryb pracy - Rezerwowy");
        QTest::newRow("eco") << "eco" << QStringLiteral("Tryb pracy - ECO");
        QTest::newRow("other case") << "NO_COMMUNICATION" << QStringLiteral("Tryb pracy - NO_COMMUNICATION");
    }

    void eventText()
    {
        QFETCH(QString, code);
        QFETCH(QString, expected);
        QCOMPARE(upsEventText(code), expected);
    }

    void sharedMessages_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        const int pairs[][2] = {{3, 79},  {5, 77},   {12, 83}, {13, 82}, {38, 80}, {39, 92}, {41, 96},
                                {52, 90}, {56, 208}, {57, 87}, {60, 78}, {62, 75}, {74, 94}};
        for (const auto& pair : pairs)
            QTest::addRow("%d and %d", pair[0], pair[1]) << pair[0] << pair[1];
    }

    void sharedMessages()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QCOMPARE(upsEventText(QString::number(first)), upsEventText(QString::number(second)));
    }

    // 211 codes: every number up to 209 has a message of its own, and
    // apart from the shared pairs no two codes outside the generator blocks read alike.
    void everyCodeIsKnown()
    {
        QSet<QString> plainTexts;
        for (int code = 0; code <= 209; ++code) {
            const QString text = upsEventText(QString::number(code));
            QVERIFY2(!text.startsWith(modePrefix), qPrintable(QString::number(code)));
            QVERIFY2(!text.isEmpty(), qPrintable(QString::number(code)));
            if (code < 103 || code > 186)
                plainTexts.insert(text);
        }
        QCOMPARE(plainTexts.size(), 126 - 13);
    }

    // Three runs of the same 28 messages, told apart by their prefixes.
    void generatorBlocks()
    {
        const QStringList marks{QStringLiteral(" - Wrn"), QStringLiteral(" - Sd"), QStringLiteral(" - SD"),
                                QStringLiteral(" - BOC"), QStringLiteral(" - MF"), QStringLiteral("- MF")};
        QSet<QString> messages;
        for (int k = 0; k < 28; ++k) {
            const QString first = upsEventText(QString::number(103 + k));
            QVERIFY2(first.startsWith(QLatin1String("! ")), qPrintable(first));
            const QString message = first.mid(2);
            messages.insert(message);
            QVERIFY2(std::any_of(marks.cbegin(), marks.cend(),
                                 [&](const QString& m) { return message.endsWith(m); }),
                     qPrintable(message));
            const bool bare = k == 1;
            QCOMPARE(upsEventText(QString::number(131 + k)),
                     bare ? message : QStringLiteral("!* ") + message);
            QCOMPARE(upsEventText(QString::number(159 + k)), bare ? message : QStringLiteral("* ") + message);
        }
        QCOMPARE(messages.size(), 28);
    }

    void translatedParts_data()
    {
        QTest::addColumn<bool>("isEvent");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("state") << false << "bypass"
                               << "EN:Bypass";
        QTest::newRow("state keyword stays") << false << "Bypass"
                                             << "Bypass";
        QTest::newRow("plain event") << true << "0" << QStringLiteral("EN:Załączony AVR podwyższający");
        QTest::newRow("first block prefix") << true << "104"
                                            << "! EN:Niski poziom paliwa - Sd";
        QTest::newRow("second block prefix") << true << "131"
                                             << "!* EN:Niski poziom paliwa - Wrn";
        QTest::newRow("third block prefix") << true << "186"
                                            << "* EN:Serwis - Wrn";
        QTest::newRow("no prefix") << true << "160"
                                   << "EN:Niski poziom paliwa - Sd";
        QTest::newRow("no communication") << true << "no_communication"
                                          << "EN:Brak komunikacji";
        QTest::newRow("state as event") << true << "on_battery"
                                        << "EN:Tryb pracy - EN:Rezerwowy";
        QTest::newRow("number outside") << true << "210"
                                        << "EN:Tryb pracy - 210";
    }

    // Only what went through tr() changes, and it changes at the call.
    void translatedParts()
    {
        QFETCH(bool, isEvent);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const auto text = [&] { return isEvent ? upsEventText(input) : upsStateText(input); };
        const QString polish = text();
        {
            TaggingTranslator english;
            QCoreApplication::installTranslator(&english);
            QCOMPARE(text(), expected);
            QCoreApplication::removeTranslator(&english);
        }
        QCOMPARE(text(), polish);
        QVERIFY(!polish.contains(TaggingTranslator::tag()));
    }
};

LX_TEST_GUILESS_MAIN(TestUpsTexts)
#include "tst_upstexts.moc"
