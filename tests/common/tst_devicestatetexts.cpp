#include "common/devicelabeltexts.h"
#include "common/devicestatetexts.h"
#include "common/upsmodelcatalogue.h"
#include "common/upstexts.h"
#include "tests/support/lxtestcore.h"

using State = QMap<QString, QString>;

namespace {
// "key=value|key=value"; a value may hold blanks, "/" and "\n".
State stateOf(const QString& text)
{
    State state;
    for (const QString& pair : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        state.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return state;
}

// A field as the window would show it: its text, "N/D+help" for not available
// (the help button shows), "-" for a bar left as it is.
QString shown(const DeviceStateTexts::Field& field)
{
    return field.available ? field.text : QStringLiteral("N/D+help");
}

QString shown(const DeviceStateTexts::Bar& bar)
{
    switch (bar.state) {
    case DeviceStateTexts::Bar::Value:
        return QString::number(bar.value);
    case DeviceStateTexts::Bar::NotAvailable:
        return QStringLiteral("N/D+help");
    case DeviceStateTexts::Bar::Unchanged:
        break;
    }
    return QStringLiteral("-");
}

QString field(const DeviceStateTexts& t, const QString& name)
{
    if (name == QLatin1String("load"))
        return shown(t.load[0]) + QLatin1Char(',') + shown(t.load[1]) + QLatin1Char(',') + shown(t.load[2]);
    if (name == QLatin1String("battery"))
        return shown(t.battery);
    if (name == QLatin1String("workMode"))
        return t.workMode;
    if (name == QLatin1String("activePower"))
        return shown(t.activePower);
    if (name == QLatin1String("spuriousPower"))
        return shown(t.spuriousPower);
    if (name == QLatin1String("autonomy"))
        return shown(t.autonomy);
    if (name == QLatin1String("firmware"))
        return shown(t.firmware);
    if (name == QLatin1String("temperature"))
        return shown(t.temperature);
    if (name == QLatin1String("nameAndLocation")) {
        if (!t.hasNameAndLocation)
            return QStringLiteral("hidden, untouched");
        return (t.nameAndLocationVisible ? QStringLiteral("shown: ") : QStringLiteral("hidden: ")) +
               t.nameAndLocation;
    }
    if (name == QLatin1String("messages"))
        return t.hasMessages ? t.messageCodes.join(QLatin1Char(',')) : QStringLiteral("none");
    return QStringLiteral("no such field");
}
} // namespace

class TestDeviceStateTexts : public QObject
{
    Q_OBJECT

private slots:
    void modelRules_data();
    void modelRules();
    void usable_data();
    void usable();
    void fields_data();
    void fields();
    void normalizedKeepsTheMapButTheLoadBlanks();
    void messages_data();
    void messages();
    void labels_data();
    void labels();
};

void TestDeviceStateTexts::modelRules_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("virtualDevice");
    QTest::addColumn<bool>("threePhase");
    QTest::addColumn<bool>("kilo");
    QTest::addColumn<bool>("generator");
    QTest::addColumn<bool>("harrier33");
    QTest::addColumn<bool>("configurable");
    QTest::addColumn<bool>("temperatureModelReason");
    QTest::addColumn<bool>("nameplateModelReason");
    QTest::addColumn<QString>("picture");

    //                                                       virt   3ph    kilo   gen    h33    conf  temp
    //                                                       plate
    QTest::newRow("three-phase") << "Harrier33_SNMP" << false << true << true << false << true << true << true
                                 << true << "harrier33";
    QTest::newRow("three-phase prefix in any case") << "HARRIER33Green_usb" << false << true << true << false
                                                    << true << true << true << true << "harrier33green_usb";
    QTest::newRow("virtual device") << "Virtual_Device" << true << true << true << false << false << true
                                    << true << true << "virtual_device";
    QTest::newRow("virtual prefix is not the virtual device")
        << "VIRTUAL_DEVICE_2" << false << true << true << false << false << true << true << true
        << "virtual_device_2";
    QTest::newRow("kilo without three phases")
        << "Falcon_RS232" << false << false << true << false << false << true << true << true << "falcon";
    QTest::newRow("kilo prefix in any case")
        << "fALCON_USB" << false << false << true << false << false << true << true << true << "falcon";
    QTest::newRow("generator set") << "Ibis_SNMP" << false << false << false << true << false << true << true
                                   << true << "ibis";
    QTest::newRow("generator rule is case-sensitive")
        << "ibis_SNMP" << false << false << false << false << false << true << true << true << "ibis";
    QTest::newRow("generator rule finds the name inside")
        << "NewIbisUnit" << false << false << false << true << false << true << true << true << "newibisunit";
    QTest::newRow("temperature over the interface")
        << "OspreyRT_USB" << false << false << false << false << false << true << false << true << "ospreyrt";
    QTest::newRow("temperature rule in any case")
        << "xOSPREYrtx" << false << false << false << false << false << true << false << true << "xospreyrtx";
    QTest::newRow("nameplate over the interface") << "Harrier_Dual31_SNMP" << false << false << false << false
                                                  << false << true << true << false << "harrier_dual31";
    QTest::newRow("nameplate rule in any case") << "harrier_dual31_snmp" << false << false << false << false
                                                << false << true << true << false << "harrier_dual31_snmp";
    QTest::newRow("not configurable") << "Harrier (RS232)" << false << false << false << false << false
                                      << false << true << true << "harrier (rs232)";
    QTest::newRow("not configurable in any case") << "hARRIER (rs232)" << false << false << false << false
                                                  << false << false << true << true << "harrier (rs232)";
    QTest::newRow("configurable with more after the name")
        << "Harrier (RS232) 2" << false << false << false << false << false << true << true << true
        << "harrier (rs232) 2";
    QTest::newRow("plain UPS") << "KitePro_Rack_RS232" << false << false << false << false << false << true
                               << true << true << "kitepro_rack";
    QTest::newRow("interfaces are removed wherever they stand")
        << "A_USB_SNMPB_RS232" << false << false << false << false << false << true << true << true << "ab";
    QTest::newRow("no model") << "" << false << false << false << false << false << true << true << true
                              << "";
}

void TestDeviceStateTexts::modelRules()
{
    QFETCH(QString, model);
    QFETCH(bool, virtualDevice);
    QCOMPARE(isVirtualDeviceModel(model), virtualDevice);
    QFETCH(bool, threePhase);
    QCOMPARE(isThreePhaseModel(model), threePhase);
    QFETCH(bool, kilo);
    QCOMPARE(usesKiloUnits(model), kilo);
    QFETCH(bool, generator);
    QCOMPARE(isGeneratorSetModel(model), generator);
    QFETCH(bool, harrier33);
    QCOMPARE(isHarrier33Model(model), harrier33);
    QFETCH(bool, configurable);
    QCOMPARE(allowsUpsConfiguration(model), configurable);
    QFETCH(bool, temperatureModelReason);
    QCOMPARE(missingTemperatureIsModelLimit(model), temperatureModelReason);
    QFETCH(bool, nameplateModelReason);
    QCOMPARE(missingNameplateIsModelLimit(model), nameplateModelReason);
    QFETCH(QString, picture);
    QCOMPARE(devicePictureName(model), picture);
}

void TestDeviceStateTexts::usable_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("usable");

    QTest::newRow("only the two attributes") << "isUpsFound=|isProperDevice=" << false;
    QTest::newRow("attributes and one value") << "isUpsFound=|isProperDevice=|device_status=x" << true;
    QTest::newRow("device not found")
        << "isUpsFound=0|isProperDevice=|device_status=x|temperature=20" << false;
    QTest::newRow("improper device") << "isUpsFound=1|isProperDevice=0|device_status=x" << false;
    QTest::newRow("00 is not 0") << "isUpsFound=00|isProperDevice=|device_status=x" << true;
    QTest::newRow("fewer than three entries") << "isUpsFound=1|device_status=x" << false;
    QTest::newRow("empty") << "" << false;
}

void TestDeviceStateTexts::usable()
{
    QFETCH(QString, state);
    QFETCH(bool, usable);
    QCOMPARE(DeviceStateTexts::isUsable(stateOf(state)), usable);
}

void TestDeviceStateTexts::fields_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    const QString ups = QStringLiteral("KitePro_USB");
    const QString kilo = QStringLiteral("Harrier33_SNMP");
    const QString nd = QStringLiteral("N/D+help");

    QTest::newRow("three loads") << kilo << "output_load=45 / 50 / 47"
                                 << "load"
                                 << "45,50,47";
    QTest::newRow("one load leaves the other bars") << ups << "output_load=45"
                                                    << "load"
                                                    << "45,-,-";
    QTest::newRow("two loads are no number") << ups << "output_load=45/50"
                                             << "load"
                                             << "0,-,-";
    QTest::newRow("empty parts are dropped") << kilo << "output_load=/45//50/47/"
                                             << "load"
                                             << "45,50,47";
    QTest::newRow("no load") << ups << ""
                             << "load" << nd + "," + nd + "," + nd;
    QTest::newRow("overload stays a number") << ups << "output_load=130"
                                             << "load"
                                             << "130,-,-";

    QTest::newRow("battery") << ups << "battery_capacity=76|fuel_level=10"
                             << "battery"
                             << "76";
    QTest::newRow("fuel level") << "Ibis_SNMP"
                                << "fuel_level=40"
                                << "battery"
                                << "40";
    QTest::newRow("no battery") << ups << ""
                                << "battery" << nd;

    QTest::newRow("work mode") << ups << "device_status=on_battery"
                               << "workMode" << upsStateText("on_battery");
    QTest::newRow("no work mode shows N/D without help") << ups << ""
                                                         << "workMode"
                                                         << "N/D";

    QTest::newRow("power in kW") << kilo << "nominal_active_power=1500"
                                 << "activePower"
                                 << "1 kW";
    QTest::newRow("power in W") << ups << "nominal_active_power=1500"
                                << "activePower"
                                << "1500 W";
    QTest::newRow("kW truncates") << kilo << "nominal_active_power=999"
                                  << "activePower"
                                  << "0 kW";
    QTest::newRow("kW of no number") << kilo << "nominal_active_power=1,5k"
                                     << "activePower"
                                     << "0 kW";
    QTest::newRow("W keeps the text") << ups << "nominal_active_power=1,5k"
                                      << "activePower"
                                      << "1,5k W";
    QTest::newRow("kilo rule in any case") << "FALCON_x"
                                           << "nominal_active_power=20000"
                                           << "activePower"
                                           << "20 kW";
    QTest::newRow("serial number of a generator set") << "Ibis_SNMP"
                                                      << "serial_number=SN-7"
                                                      << "activePower"
                                                      << "SN-7";
    QTest::newRow("power before serial number") << ups << "nominal_active_power=700|serial_number=SN-7"
                                                << "activePower"
                                                << "700 W";
    QTest::newRow("no power") << ups << ""
                              << "activePower" << nd;

    QTest::newRow("apparent power in kVA") << kilo << "nominal_spurious_power=2500"
                                           << "spuriousPower"
                                           << "2 kVA";
    QTest::newRow("apparent power in VA") << ups << "nominal_spurious_power=2500"
                                          << "spuriousPower"
                                          << "2500 VA";
    QTest::newRow("no apparent power") << ups << ""
                                       << "spuriousPower" << nd;

    QTest::newRow("autonomy") << ups << "autonomy_time=18"
                              << "autonomy"
                              << "18 min.";
    QTest::newRow("fuel used") << "Ibis_SNMP"
                               << "tot_fuel_consum=120"
                               << "autonomy"
                               << "120 l";
    QTest::newRow("no autonomy") << ups << ""
                                 << "autonomy" << nd;

    QTest::newRow("firmware") << ups << "firmware_version=3.1 / b"
                              << "firmware"
                              << "3.1 / b";
    QTest::newRow("no firmware") << ups << ""
                                 << "firmware" << nd;

    QTest::newRow("temperature") << ups << "temperature=25|run_time=9"
                                 << "temperature"
                                 << "25 °C";
    QTest::newRow("radiator and battery") << ups << "radiator_temperature=80|battery_temperature=30"
                                          << "temperature"
                                          << "80 / 30 °C";
    QTest::newRow("radiator alone falls to the run time") << ups << "radiator_temperature=80|run_time=5"
                                                          << "temperature"
                                                          << "5 h";
    QTest::newRow("radiator alone") << ups << "radiator_temperature=80"
                                    << "temperature" << nd;

    QTest::newRow("no name and no location") << ups << ""
                                             << "nameAndLocation"
                                             << "hidden, untouched";
    QTest::newRow("blank name") << ups << "snmp_sys_name=  "
                                << "nameAndLocation"
                                << "hidden: <nieokreślona nazwa> - <nieokreślona lokalizacja>";
    QTest::newRow("location alone") << ups << "snmp_sys_location=Hall"
                                    << "nameAndLocation"
                                    << "shown: <nieokreślona nazwa> - Hall";
    QTest::newRow("both, trimmed") << ups << "snmp_sys_name= ups1 |snmp_sys_location= Hall "
                                   << "nameAndLocation"
                                   << "shown: ups1 - Hall";

    QTest::newRow("messages") << ups << "messages=5\n7\n\n100\n"
                              << "messages"
                              << "5,7,100";
    QTest::newRow("empty messages") << ups << "messages="
                                    << "messages"
                                    << "";
    QTest::newRow("no messages") << ups << ""
                                 << "messages"
                                 << "none";
}

void TestDeviceStateTexts::fields()
{
    QFETCH(QString, model);
    QFETCH(QString, state);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(::field(DeviceStateTexts::fromState(stateOf(state), model), field), expected);
}

void TestDeviceStateTexts::normalizedKeepsTheMapButTheLoadBlanks()
{
    const State state = stateOf(QStringLiteral("output_load= 45 / 50 / 47 |firmware_version=3.1 b"));
    State expected = state;
    expected.insert(QStringLiteral("output_load"), QStringLiteral("45/50/47"));
    QCOMPARE(DeviceStateTexts::normalized(state), expected);
    // Without a load nothing is added.
    QCOMPARE(DeviceStateTexts::normalized(stateOf(QStringLiteral("a=1"))), stateOf(QStringLiteral("a=1")));
    // A load without blanks leaves the map it came in, not a copy of it.
    const State plain = stateOf(QStringLiteral("output_load=45|a=1"));
    QVERIFY(DeviceStateTexts::normalized(plain).isSharedWith(plain));
}

void TestDeviceStateTexts::messages_data()
{
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("plain");
    QTest::addColumn<QStringList>("alarms");
    QTest::addColumn<QStringList>("notices");

    QTest::newRow("one of each") << QStringList{"5", "7", "100"} << QStringList{"100"} << QStringList{"5"}
                                 << QStringList{"7"};
    QTest::newRow("order kept within a kind")
        << QStringList{"190", "209", "3", "0", "7", "4"} << QStringList{"3", "4"} << QStringList{"190", "0"}
        << QStringList{"209", "7"};
    QTest::newRow("codes compare as whole texts")
        << QStringList{"05", "7 ", "61"} << QStringList{"05", "7 "} << QStringList{"61"} << QStringList{};
    QTest::newRow("none") << QStringList{} << QStringList{} << QStringList{} << QStringList{};
}

void TestDeviceStateTexts::messages()
{
    QFETCH(QStringList, codes);
    QFETCH(QStringList, plain);
    QFETCH(QStringList, alarms);
    QFETCH(QStringList, notices);
    const auto texts = [](const QStringList& list) {
        QStringList out;
        for (const QString& code : list)
            out.append(upsEventText(code));
        return out;
    };
    const DeviceStateTexts::Messages m = DeviceStateTexts::messageTexts(codes);
    QCOMPARE(m.plain, texts(plain).join(QLatin1Char('\n')));
    QCOMPARE(m.alarmHtml, "<FONT COLOR=#8F5C00>" + texts(alarms).join("<br>") + "</FONT>");
    QCOMPARE(m.noticeHtml, "<FONT COLOR=#59595B>" + texts(notices).join("<br>") + "</FONT>");
}

void TestDeviceStateTexts::labels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("threePhase");
    QTest::addColumn<QString>("loadLabel");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<bool>("temperatureModelReason");
    QTest::addColumn<bool>("nameplateModelReason");

    const QStringList upsLabels = {"Model UPS",
                                   "Firmware",
                                   "Znamionowa moc czynna",
                                   "Tryb pracy UPS",
                                   "Stan naładowania akumulatora",
                                   "Czas autonomii",
                                   "Temperatura wewnętrzna UPS",
                                   "Konfiguracja UPS",
                                   "UPS"};
    const QStringList generatorLabels = {
        "Typ urządzenia",       "Model sterownika",      "Numer seryjny sterownika",
        "Tryb pracy agregatu",  "Poziom paliwa",         "Całkowite zużycie paliwa",
        "Całkowity czas pracy", "Konfiguracja agregatu", "Agregat"};
    QTest::newRow("UPS") << "KitePro_USB" << false << "Obciążenie" << upsLabels << true << true;
    QTest::newRow("three-phase UPS") << "Harrier33_SNMP" << true << "Obciążenie L1" << upsLabels << true
                                     << true;
    QTest::newRow("virtual device") << "Virtual_Device" << true << "Obciążenie L1" << upsLabels << true
                                    << true;
    QTest::newRow("generator set") << "Ibis_SNMP" << false << "Obciążenie" << generatorLabels << true << true;
    QTest::newRow("temperature over the interface")
        << "OspreyRT_SNMP" << false << "Obciążenie" << upsLabels << false << true;
    QTest::newRow("nameplate over the interface")
        << "Harrier_Dual31_SNMP" << false << "Obciążenie" << upsLabels << true << false;
}

void TestDeviceStateTexts::labels()
{
    QFETCH(QString, model);
    const DeviceLabelTexts t = DeviceLabelTexts::forModel(model);
    QFETCH(bool, threePhase);
    QCOMPARE(t.threePhase, threePhase);
    QFETCH(QString, loadLabel);
    QCOMPARE(t.loadLabel, loadLabel);
    QFETCH(QStringList, labels);
    QCOMPARE(t.generatorSet, labels.first() == QStringLiteral("Typ urządzenia"));
    QCOMPARE((QStringList{t.modelNameLabel, t.firmwareLabel, t.nominalActivePowerLabel, t.workModeLabel,
                          t.batteryStateLabel, t.autonomyTimeLabel, t.temperatureLabel,
                          t.upsConfigurationButton, t.upsBox}),
             labels);
    QFETCH(bool, temperatureModelReason);
    QCOMPARE(t.temperatureHelpModelReason, temperatureModelReason);
    QFETCH(bool, nameplateModelReason);
    QCOMPARE(t.nameplateHelpModelReason, nameplateModelReason);
}

LX_TEST_GUILESS_MAIN(TestDeviceStateTexts)
#include "tst_devicestatetexts.moc"
