#include "common/helpers.h"
#include "panel/ups/configurationsavecheck.h"
#include "panel/ups/extendedparameterrow.h"
#include "panel/ups/parametervalue.h"
#include "panel/ups/upsparameterdescriptor.h"
#include "tests/support/lxtestcore.h"

#include <QCoreApplication>
#include <QTranslator>

using Check = ConfigurationSaveCheck;

namespace {
// Tags every text of one context, so a test sees which context a label is looked up in.
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

int indexOfKey(const QList<UpsParameterDescriptor>& catalogue, const QString& key)
{
    for (int i = 0; i < catalogue.size(); ++i) {
        if (catalogue[i].key == key)
            return i;
    }
    return -1;
}

// The boxes as "box:first words" for compact rows, with the keys a box lists
// as "[key,key]".
QStringList shown(const QList<Check>& checks)
{
    static const char* const names[] = {"note", "question", "warningQuestion", "notice", "refusal"};
    QStringList out;
    for (const Check& c : checks) {
        QString box = QString::fromLatin1(names[c.box]) + QLatin1Char(':') +
                      QString::fromUtf8(c.text).section(QLatin1Char(' '), 0, 1);
        if (!c.parameters.isEmpty())
            box += QLatin1Char('[') + c.parameters.join(QLatin1Char(',')) + QLatin1Char(']');
        out << box;
    }
    return out;
}

// "key=value|key=value"
QMap<QString, QString> mapOf(const QString& text)
{
    QMap<QString, QString> map;
    for (const QString& pair : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        map.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return map;
}
} // namespace

class TestUpsParameters : public QObject
{
    Q_OBJECT

private slots:
    void catalogueShape();
    void catalogueRows_data();
    void catalogueRows();
    void labelsTranslatedInTheirContexts();
    void values_data();
    void values();
    void saveChecks_data();
    void saveChecks();
    void commandFlagsAskOnce_data();
    void commandFlagsAskOnce();
    void commandFlagsAreCatalogueCheckBoxes();
    void extendedTable_data();
    void extendedTable();
    void extendedAvailability_data();
    void extendedAvailability();
};

void TestUpsParameters::catalogueShape()
{
    const QList<UpsParameterDescriptor> catalogue = upsParameterCatalogue();
    QCOMPARE(catalogue.size(), 167);
    QCOMPARE(catalogue.first().key, QStringLiteral("output_voltage"));
    QCOMPARE(catalogue.last().key, QStringLiteral("ncl_turn_on_sec_delay"));

    QMap<int, int> kinds;
    QStringList hidden;
    QList<int> wide;
    QSet<QString> keys;
    for (int i = 0; i < catalogue.size(); ++i) {
        const UpsParameterDescriptor& d = catalogue[i];
        ++kinds[d.kind];
        if (!d.visible)
            hidden << d.key;
        if (d.wide)
            wide << i + 1;
        keys.insert(d.key);
    }
    QCOMPARE(keys.size(), 167); // a key twice would give two rows one value
    QCOMPARE(kinds, (QMap<int, int>{{0, 71}, {1, 68}, {2, 1}, {3, 27}}));
    QCOMPARE(hidden, (QStringList{"dummy0", "dummy1", "dummy2", "dummy3", "dummy4"}));
    QCOMPARE(wide, (QList<int>{83, 84, 85, 86, 87, 88, 89,  90,  91,  92,
                               93, 94, 95, 96, 97, 98, 105, 138, 139, 140}));
}

void TestUpsParameters::catalogueRows_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("label");

    QTest::newRow("line edit") << "standby_delay" << 8 << 0 << "s"
                               << "Opóźnienie trybu oczekiwania";
    QTest::newRow("service's spelling 1") << "parallerl_unit_addr" << 20 << 0 << ""
                                          << "Adres jednostki równoległej";
    QTest::newRow("service's spelling 2") << "battery_runtime_callibration" << 132 << 1 << ""
                                          << "Kalibracja predykcji czasu";
    QTest::newRow("check box") << "epo" << 33 << 1 << ""
                               << "Wyzwolenie EPO";
    QTest::newRow("same label, check box 1") << "on_off" << 25 << 1 << ""
                                             << "Wymuszenie oczekiwania";
    QTest::newRow("same label, check box 2") << "waiting_force" << 29 << 1 << ""
                                             << "Wymuszenie oczekiwania";
    QTest::newRow("degrees") << "over_temperature_point" << 49 << 0 << degreeCelsiusUnit()
                             << "Nadmierny wzrost temperatury start";
    QTest::newRow("combo box") << "output_frequency_option" << 61 << 3 << "Hz"
                               << "Częstotliwość wyjściowa";
    QTest::newRow("radio row") << "controller_mode_option" << 106 << 2 << ""
                               << "Tryb pracy kontrolera";
    QTest::newRow("hidden") << "dummy2" << 109 << 0 << "brak"
                            << "Dummy 2";
    QTest::newRow("line break") << "low_battery_threshold" << 161 << 0 << "%"
                                << "Próg pojemności, przy którym\nzgłaszany jest niski poziom baterii";
    QTest::newRow("line break after a blank") << "auth_time_low_battery" << 18 << 0 << "s"
                                              << "Czas autonomii, przy którym \nzgłaszany jest niski poziom "
                                                 "baterii";
}

void TestUpsParameters::catalogueRows()
{
    QFETCH(QString, key);
    QFETCH(int, position);
    const QList<UpsParameterDescriptor> catalogue = upsParameterCatalogue();
    const int i = indexOfKey(catalogue, key);
    QCOMPARE(i + 1, position);
    QTEST(catalogue[i].kind, "kind");
    QTEST(catalogue[i].unit, "unit");
    QTEST(catalogue[i].label, "label");
}

void TestUpsParameters::labelsTranslatedInTheirContexts()
{
    ContextTagger configuration("UPSConfigurationWindow");
    ContextTagger extended("QTranslator");
    QCoreApplication::installTranslator(&configuration);
    QCoreApplication::installTranslator(&extended);
    const QList<UpsParameterDescriptor> catalogue = upsParameterCatalogue();
    const QList<ExtendedParameterRow> table = extendedParameterTable(true);
    QCoreApplication::removeTranslator(&configuration);
    QCoreApplication::removeTranslator(&extended);

    QCOMPARE(catalogue[indexOfKey(catalogue, QStringLiteral("bypass"))].label, QStringLiteral("EN:Bypass"));
    QCOMPARE(table[0].label, QStringLiteral("EN:Napięcie fazowe w sieci elektrycznej"));
    QCOMPARE(table[4].label, QStringLiteral("EN:Napięcie wyjściowe"));
    // Units are not translated.
    QCOMPARE(table[4].unit, QStringLiteral("V"));
}

void TestUpsParameters::values_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("withX");

    QTest::newRow("choices") << "230;220;230;240" << false << "230" << QStringList{"220", "230", "240"}
                             << "X;220;230;240";
    QTest::newRow("no choices") << "5" << true << "5" << QStringList() << "X";
    QTest::newRow("empty") << "" << false << "" << QStringList() << "X";
    QTest::newRow("empty items kept")
        << ";a;;b;" << false << "" << QStringList{"a", "", "b", ""} << "X;a;;b;";
    QTest::newRow("two is on") << "2" << true << "2" << QStringList() << "X";
    QTest::newRow("negative is on") << "-1" << true << "-1" << QStringList() << "X";
    QTest::newRow("unreadable is off") << "on" << false << "on" << QStringList() << "X";
    QTest::newRow("no match kept as sent")
        << "AUTO2;OFF;AUTO" << false << "AUTO2" << QStringList{"OFF", "AUTO"} << "X;OFF;AUTO";
}

void TestUpsParameters::values()
{
    QFETCH(QString, value);
    QTEST(ParameterValue::isOn(value), "on");
    QTEST(ParameterValue::currentItem(value), "current");
    QTEST(ParameterValue::choices(value), "choices");
    QTEST(ParameterValue::withCurrent(value, QStringLiteral("X")), "withX");
    QFETCH(QStringList, choices);
    QCOMPARE(ParameterValue::choices(value, 2), choices.mid(0, 2));
    QCOMPARE(ParameterValue::choices(value, 0), QStringList());
}

void TestUpsParameters::saveChecks_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("boxes");

    const QString ip = QStringLiteral("refusal:Wprowadzono nieprawidłowy");
    const QString network = QStringLiteral("notice:Zmiany parametrów");
    const QString tooLong = QStringLiteral("refusal:Hasło i");
    const QString badChars = QStringLiteral("refusal:Hasło lub");
    const QString range = QStringLiteral("refusal:Dopuszczalny zakres");
    const QString osprey = QStringLiteral("OspreyRT_SNMP");

    QTest::newRow("nothing changed") << osprey << ""
                                     << "" << QStringList();
    // A battery test is a command: the note informs, the question lets it not go.
    const QString shortTest = QStringLiteral("question:Zapisanie konfiguracji[battery_short_test]");
    QTest::newRow("A: short test") << "Plover_USB"
                                   << "battery_short_test"
                                   << "1" << QStringList{"note:W przypadku", shortTest};
    QTest::newRow("A in capitals") << "KITELCD_USB"
                                   << "battery_short_test"
                                   << "1" << QStringList{"note:W przypadku", shortTest};
    QTest::newRow("A: short test off") << "Plover_USB"
                                       << "battery_short_test"
                                       << "0" << QStringList{"note:W przypadku"};
    QTest::newRow("A: other key") << "Plover_USB"
                                  << "battery_test_until_low"
                                  << "1"
                                  << QStringList{"question:Zapisanie konfiguracji[battery_test_until_low]"};
    QTest::newRow("not A: short test") << "KitePro_USB"
                                       << "battery_short_test"
                                       << "1" << QStringList{shortTest};
    QTest::newRow("B: EPO") << "Harrier33_SNMP"
                            << "epo"
                            << "1" << QStringList{"question:Nastąpi awaryjne"};
    QTest::newRow("B by its mixed-case name") << "harrier_dual31_usb"
                                              << "epo"
                                              << "1" << QStringList{"question:Nastąpi awaryjne"};
    QTest::newRow("not B: EPO") << "KitePro_USB"
                                << "epo"
                                << "1" << QStringList{"question:Zapisanie konfiguracji[epo]"};
    QTest::newRow("not B: EPO off") << "KitePro_USB"
                                    << "epo"
                                    << "0" << QStringList();
    QTest::newRow("C: wear reset") << "KiteLCD_USB"
                                   << "reset_battery_error"
                                   << "1" << QStringList{"warningQuestion:Nastąpi reset"};
    QTest::newRow("C and D: wear reset") << osprey << "reset_battery_error"
                                         << "1" << QStringList{"warningQuestion:Nastąpi reset"};
    QTest::newRow("D: address") << osprey << "snmp_agent_ip"
                                << "10.0.0.7" << QStringList{network};
    QTest::newRow("D: address without range check") << osprey << "default_gateway"
                                                    << "999.999.999.999" << QStringList{network};
    QTest::newRow("D: short address") << osprey << "network_mask"
                                      << "1.2.3" << QStringList{ip};
    QTest::newRow("D: address with a tail") << osprey << "snmp_agent_ip"
                                            << "1.2.3.4x" << QStringList{ip};
    QTest::newRow("D: notification address") << osprey << "snmp_notification_ip"
                                             << "1.2.3.4" << QStringList();
    QTest::newRow("D: bad notification address") << osprey << "snmp_notification_ip"
                                                 << "" << QStringList{ip};
    QTest::newRow("D: DHCP") << osprey << "dhcp_enable"
                             << "1" << QStringList{network};
    QTest::newRow("not D: short address") << "KitePro_USB"
                                          << "snmp_agent_ip"
                                          << "1.2.3" << QStringList();
    QTest::newRow("D in capitals") << "OSPREYRT_USB"
                                   << "snmp_agent_ip"
                                   << "1.2.3" << QStringList{ip};
    QTest::newRow("D: 30 characters")
        << osprey << "http_service_pass" << QString(30, QLatin1Char('a')) << QStringList();
    QTest::newRow("D: 31 characters")
        << osprey << "read_community" << QString(31, QLatin1Char('a')) << QStringList{tooLong};
    QTest::newRow("D: 31 Polish characters")
        << osprey << "write_community" << QString(31, QChar(0x0142)) << QStringList{tooLong};
    QTest::newRow("D: Polish letter") << osprey << "http_service_user"
                                      << "użytkownik" << QStringList{badChars};
    QTest::newRow("D: community of ASCII") << osprey << "snmp_notification_pass"
                                           << "p@ss;word~" << QStringList();
    QTest::newRow("not D: long user")
        << "KitePro_USB"
        << "http_service_user" << QString(40, QLatin1Char('a')) << QStringList();
    QTest::newRow("D: standby 65534") << osprey << "standby_delay"
                                      << "65534" << QStringList();
    QTest::newRow("D: standby 65535") << osprey << "standby_delay"
                                      << "65535" << QStringList{range};
    QTest::newRow("D: standby empty") << osprey << "standby_delay"
                                      << "" << QStringList();
    QTest::newRow("D: standby negative") << osprey << "standby_delay"
                                         << "-1" << QStringList{range};
    QTest::newRow("D: standby fraction") << osprey << "standby_delay"
                                         << "1.5" << QStringList{range};
    // Too many digits for an int must not read as 0 and pass.
    QTest::newRow("D: standby overflowing") << osprey << "standby_delay"
                                            << "99999999999" << QStringList{range};
    QTest::newRow("D: standby minutes unchecked") << osprey << "standby_delay_minutes"
                                                  << "-1" << QStringList();
    QTest::newRow("not D: standby") << "KitePro_USB"
                                    << "standby_delay"
                                    << "70000" << QStringList();
    QTest::newRow("key is case-sensitive") << osprey << "Standby_delay"
                                           << "70000" << QStringList();
}

void TestUpsParameters::saveChecks()
{
    QFETCH(QString, model);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTEST(shown(configurationSaveChecks(model, key, value)), "boxes");
}

void TestUpsParameters::commandFlagsAskOnce_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("outgoing"); // the whole map that goes out, the change in it
    QTest::addColumn<QString>("key");      // the changed one
    QTest::addColumn<QStringList>("boxes");

    const QString epo = QStringLiteral("question:Nastąpi awaryjne");
    const QString wear = QStringLiteral("warningQuestion:Nastąpi reset");
    QTest::newRow("stored genset off, delay changed")
        << "Ibis_SNMP"
        << "remote_turn_off_genset=1|shutdown_delay=7"
        << "shutdown_delay" << QStringList{"question:Zapisanie konfiguracji[remote_turn_off_genset]"};
    QTest::newRow("stored flags, nothing changed, in catalogue order")
        << "KitePro_USB"
        << "restore_default_settings_ups=1|reset_statistics=1|remote_turn_off_ups=1|batt_test=1|reset_states="
           "1"
        << ""
        << QStringList{"question:Zapisanie konfiguracji[batt_test,reset_states,remote_turn_off_ups,"
                       "reset_statistics,restore_default_settings_ups]"};
    QTest::newRow("any reading of on") << "KitePro_USB"
                                       << "remote_turn_off_ups=3|reset_ethernet=01|lcd_test=-1"
                                       << ""
                                       << QStringList{"question:Zapisanie konfiguracji[remote_turn_off_ups,"
                                                      "reset_ethernet,lcd_test]"};
    QTest::newRow("off, unreadable or a setting: nothing")
        << "KitePro_USB"
        << "remote_turn_off_ups=0|batt_test=yes|sound_alarm=1|on_off=1"
        << "" << QStringList();
    // EPO and the wear reset keep their own question and are not listed again.
    QTest::newRow("own questions beside the list")
        << "OspreyRT_SNMP"
        << "epo=1|reset_battery_error=1|remote_turn_off_ups=1"
        << "" << QStringList{wear, "question:Zapisanie konfiguracji[epo,remote_turn_off_ups]"};
    QTest::newRow("EPO's own question only") << "Harrier33_SNMP"
                                             << "epo=1|shutdown_delay=7"
                                             << "shutdown_delay" << QStringList{epo};
    QTest::newRow("changed off: the own question, no list") << "Harrier33_SNMP"
                                                            << "epo=0"
                                                            << "epo" << QStringList{epo};
    QTest::newRow("a flag set now") << "KitePro_USB"
                                    << "remote_turn_off_ups=1"
                                    << "remote_turn_off_ups"
                                    << QStringList{"question:Zapisanie konfiguracji[remote_turn_off_ups]"};
    // After the list come the address checks of the network card, whose refusal is last.
    QTest::newRow("list before a refusal") << "OspreyRT_SNMP"
                                           << "reset_statistics=1|snmp_agent_ip=1.2.3"
                                           << "snmp_agent_ip"
                                           << QStringList{"question:Zapisanie konfiguracji[reset_statistics]",
                                                          "refusal:Wprowadzono nieprawidłowy"};
}

void TestUpsParameters::commandFlagsAskOnce()
{
    QFETCH(QString, model);
    QFETCH(QString, outgoing);
    QFETCH(QString, key);
    const QMap<QString, QString> map = mapOf(outgoing);
    QTEST(shown(configurationSaveChecks(model, key, map.value(key), map)), "boxes");
}

// A misspelt key would never ask; a key of another kind is no command.
void TestUpsParameters::commandFlagsAreCatalogueCheckBoxes()
{
    QStringList checkBoxesInOrder;
    for (const UpsParameterDescriptor& d : upsParameterCatalogue()) {
        if (d.kind == UpsParameterDescriptor::CheckBoxKind && commandFlagKeys().contains(d.key))
            checkBoxesInOrder << d.key;
    }
    QCOMPARE(checkBoxesInOrder, commandFlagKeys());
}

void TestUpsParameters::extendedTable_data()
{
    QTest::addColumn<bool>("generator");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("unit");

    QTest::newRow("UPS input voltage") << false << 1 << "input_voltage"
                                       << "Napięcie wejściowe"
                                       << "V";
    QTest::newRow("mains voltage") << true << 1 << "input_voltage"
                                   << "Napięcie fazowe w sieci elektrycznej"
                                   << "V";
    QTest::newRow("UPS input frequency") << false << 3 << "input_frequency"
                                         << "Częstotliwość wejściowa"
                                         << "Hz";
    QTest::newRow("mains frequency") << true << 3 << "input_frequency"
                                     << "Częstotliwość w sieci elektrycznej"
                                     << "Hz";
    QTest::newRow("generator: other rows alike") << true << 5 << "output_voltage"
                                                 << "Napięcie wyjściowe"
                                                 << "V";
    QTest::newRow("degrees") << false << 26 << "battery_temperature"
                             << "Temperatura akumulatora" << degreeCelsiusUnit();
    QTest::newRow("shared label") << false << 65 << "output_current_precentage"
                                  << "Prąd wyjściowy"
                                  << "%";
    QTest::newRow("no unit") << false << 72 << "num_starts"
                             << "Liczba uruchomień"
                             << "";
    QTest::newRow("last availability row") << false << 83 << "time_on_battery"
                                           << "Czas pracy autonomicznej"
                                           << "min";
    QTest::newRow("line break") << false << 91 << "rated_va_per_ups_module"
                                << "Znamionowa moc pozorna pojedynczego\nmodułu UPS"
                                << "VA";
    QTest::newRow("last") << false << 92 << "ups_input_output_phase"
                          << "Konfiguracja faz wejściowych/wyjściowych UPS"
                          << "";
}

void TestUpsParameters::extendedTable()
{
    QFETCH(bool, generator);
    QFETCH(int, row);
    const QList<ExtendedParameterRow> table = extendedParameterTable(generator);
    QCOMPARE(table.size(), 92);
    QTEST(table[row - 1].key, "key");
    QTEST(table[row - 1].label, "label");
    QTEST(table[row - 1].unit, "unit");
}

void TestUpsParameters::extendedAvailability_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("available");

    QTest::newRow("empty") << QStringList() << false;
    QTest::newRow("main window's keys only")
        << QStringList{"device_status", "battery_capacity", "autonomy_time"} << false;
    QTest::newRow("last nine rows only")
        << QStringList{"snmp_sys_name", "ups_serial_number", "battery_remaining_time_limit",
                       "rated_va_per_ups_module", "ups_input_output_phase"}
        << false;
    QTest::newRow("first row") << QStringList{"input_voltage"} << true;
    QTest::newRow("83rd row") << QStringList{"time_on_battery"} << true;
    QTest::newRow("case-sensitive") << QStringList{"Input_voltage"} << false;
}

void TestUpsParameters::extendedAvailability()
{
    QFETCH(QStringList, keys);
    QMap<QString, QString> state;
    for (const QString& key : keys)
        state.insert(key, QString()); // only presence counts
    QTEST(hasExtendedParameterKeys(state), "available");
    QCOMPARE(extendedParameterKeys().size(), 83);
}

LX_TEST_GUILESS_MAIN(TestUpsParameters)
#include "tst_upsparameters.moc"
