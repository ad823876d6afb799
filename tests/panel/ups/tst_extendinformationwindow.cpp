#include "common/helpers.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/ups/extendinformationwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/servicerig.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using Map = QMap<QString, QString>;
using Controller = Luminorix::UpsSocketController;

Q_DECLARE_METATYPE(Map)

namespace {
// Hidden on purpose; a widget added to a shown window is shown by a later event loop pass.
bool hiddenOnPurpose(const QWidget* w)
{
    return w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

// "key=value|key=value"
Map mapOf(const QString& text)
{
    Map map;
    for (const QString& pair : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        map.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return map;
}

struct View
{
    Controller controller;
    DialogRelay relay;
    ExtendInformationWindow dialog;

    explicit View(bool generator = false) : dialog(generator)
    {
        connectToService(&dialog, &controller, relay);
        dialog.show();
    }
    QGridLayout* grid() const { return dialog.findChild<QGridLayout*>(QStringLiteral("valuesGrid")); }
    // "label=value" of each visible cell in grid order, row by row.
    QStringList cells() const
    {
        QStringList out;
        for (int r = 0; r < grid()->rowCount(); ++r) {
            for (int col = 0; col < 3; ++col) {
                QLayoutItem* item = grid()->itemAtPosition(r, col);
                if (!item)
                    continue;
                auto* label = static_cast<QLabel*>(item->layout()->itemAt(0)->widget());
                auto* value = static_cast<QLineEdit*>(item->layout()->itemAt(1)->widget());
                if (!hiddenOnPurpose(value))
                    out << label->text() + QLatin1Char('=') + value->text();
                else if (!label->text().isEmpty() || !value->text().isEmpty() || !hiddenOnPurpose(label))
                    out << QStringLiteral("<stale>");
            }
        }
        return out;
    }
};
} // namespace

class TestExtendInformationWindow : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void cells_data();
    void cells();
    void laterStates_data();
    void laterStates();
    void availability_data();
    void availability();
    void statesFromTheService_data();
    void statesFromTheService();
};

void TestExtendInformationWindow::form()
{
    View v;
    QCOMPARE(v.dialog.windowTitle(), QStringLiteral("Informacje rozszerzone"));
    QVERIFY(v.dialog.isModal());
    QCOMPARE(v.dialog.minimumHeight(), 300);
    QCOMPARE(v.grid()->count(), 0);
    QCOMPARE(v.dialog.findChild<QDialogButtonBox*>()->standardButtons(), QDialogButtonBox::Ok);
    // A map without any of the table's keys leaves a fresh view empty.
    v.dialog.setParameters(mapOf(QStringLiteral("device_status=on_battery|Output_voltage=230")));
    QCOMPARE(v.grid()->count(), 0);
}

void TestExtendInformationWindow::cells_data()
{
    QTest::addColumn<bool>("generator");
    QTest::addColumn<QString>("map");
    QTest::addColumn<QStringList>("cells");

    // Table order, three to a line, whatever the map's order.
    QTest::newRow("four cells")
        << false << "ups_serial_number=UPS-1|fuel_level=80|battery_voltage=27.3|output_voltage=230"
        << QStringList{"Napięcie wyjściowe=230 V", "Napięcie akumulatorów=27.3 V", "Poziom paliwa=80 %",
                       "Numer fabryczny UPS=UPS-1 "};
    QTest::newRow("no unit keeps its blank")
        << false << "num_starts=12" << QStringList{"Liczba uruchomień=12 "};
    QTest::newRow("degrees") << false << "temperature=31"
                             << QStringList{"Temperatura=31 " + degreeCelsiusUnit()};
    QTest::newRow("UPS input") << false << "input_voltage=230;229;231|input_frequency=50.0"
                               << QStringList{"Napięcie wejściowe=230;229;231 V",
                                              "Częstotliwość wejściowa=50.0 Hz"};
    QTest::newRow("generator set's mains")
        << true << "input_voltage=230|input_frequency=50.0|output_voltage=400"
        << QStringList{"Napięcie fazowe w sieci elektrycznej=230 V",
                       "Częstotliwość w sieci elektrycznej=50.0 Hz", "Napięcie wyjściowe=400 V"};
    QTest::newRow("value shown unchanged") << false << "mac_address=00:1A:2B:3C:4D:5E|ip_address="
                                           << QStringList{"Adres MAC=00:1A:2B:3C:4D:5E ", "Adres IP= "};
}

void TestExtendInformationWindow::cells()
{
    QFETCH(bool, generator);
    QFETCH(QString, map);
    View v(generator);
    v.dialog.setParameters(mapOf(map));
    QTEST(v.cells(), "cells");
    QLineEdit* first = static_cast<QLineEdit*>(v.grid()->itemAtPosition(0, 0)->layout()->itemAt(1)->widget());
    QVERIFY(first->isReadOnly());
    QCOMPARE(first->size(), QSize(220, 25));
}

void TestExtendInformationWindow::laterStates_data()
{
    QTest::addColumn<QStringList>("maps");
    QTest::addColumn<QStringList>("cells");

    const QString four = QStringLiteral("output_voltage=230|battery_voltage=27.3|fuel_level=80|run_time=412");
    QTest::newRow("refreshed") << QStringList{four, "output_voltage=231|battery_voltage=27.4|fuel_level=79|"
                                                    "run_time=413"}
                               << QStringList{"Napięcie wyjściowe=231 V", "Napięcie akumulatorów=27.4 V",
                                              "Poziom paliwa=79 %", "Całkowity czas pracy=413 h"};
    // Cells the shorter state does not reach are emptied and hidden, not left as if live.
    QTest::newRow("shorter") << QStringList{four, "fuel_level=75"} << QStringList{"Poziom paliwa=75 %"};
    QTest::newRow("shorter, then longer again")
        << QStringList{four, "battery_voltage=27.0", four}
        << QStringList{"Napięcie wyjściowe=230 V", "Napięcie akumulatorów=27.3 V", "Poziom paliwa=80 %",
                       "Całkowity czas pracy=412 h"};
    QTest::newRow("longer") << QStringList{"fuel_level=80", "fuel_level=80|run_time=1|num_starts=2|e_stops=0"}
                            << QStringList{"Poziom paliwa=80 %", "Całkowity czas pracy=1 h",
                                           "Liczba uruchomień=2 ", "Wyłączenia awaryjne=0 "};
    QTest::newRow("none of the keys") << QStringList{four, "device_status=on_battery"} << QStringList();
}

void TestExtendInformationWindow::laterStates()
{
    QFETCH(QStringList, maps);
    View v;
    for (const QString& map : maps)
        emit v.relay.deviceState(mapOf(map));
    QTEST(v.cells(), "cells");
}

void TestExtendInformationWindow::availability_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<bool>("available");

    QTest::newRow("empty") << "" << false;
    QTest::newRow("main window's values")
        << "device_status=on_power_line|battery_capacity=100|autonomy_time=18" << false;
    QTest::newRow("only the last nine rows' keys") << "snmp_sys_name=ups|ups_serial_number=1" << false;
    QTest::newRow("an empty value counts") << "counter_shortcut=" << true;
}

void TestExtendInformationWindow::availability()
{
    QFETCH(QString, map);
    QTEST(ExtendInformationWindow::hasExtendedParameters(mapOf(map)), "available");
}

void TestExtendInformationWindow::statesFromTheService_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("generator");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("UPS") << "Harrier33_SNMP" << false
                         << QStringList{"Napięcie wejściowe=230 / 230 / 230 V",
                                        "Napięcie wyjściowe=230 / 230 / 230 V", "Licznik przeciążeń=3 ",
                                        "Numer fabryczny UPS=UPS-1-2026 "};
    QTest::newRow("generator set") << "Ibis_SNMP" << true
                                   << QStringList{"Napięcie fazowe w sieci elektrycznej=230 / 230 / 230 V",
                                                  "Poziom paliwa=78 %", "D+=27.4 V",
                                                  "Czas do przeglądu=188 h",
                                                  "Numer seryjny sterownika=GS000001 "};
}

// Device states from the stand-in over TCP, forwarded as the window forwards them.
void TestExtendInformationWindow::statesFromTheService()
{
    QFETCH(QString, model);
    QFETCH(bool, generator);
    QFETCH(QStringList, expected);

    ServiceRig rig;
    rig.world.setDevices({LxSim::SimDevice::named(QStringLiteral("1"), model, QStringLiteral("snmp"),
                                                  QStringLiteral("Device"))});
    QVERIFY(rig.listen());
    View v(generator);
    QSignalSpy states(&v.controller, &Controller::upsDeviceState);
    QObject::connect(&v.controller, &Controller::upsDeviceState, &v.relay, &DialogRelay::deviceState);
    QVERIFY(rig.connect(v.controller));
    if (states.isEmpty())
        v.controller.getUpsDeviceData();
    QTRY_VERIFY_WITH_TIMEOUT(!states.isEmpty(), 20000);
    QVERIFY(ExtendInformationWindow::hasExtendedParameters(states.last().first().value<Map>()));
    const QStringList cells = v.cells();
    for (const QString& cell : expected)
        QVERIFY2(cells.contains(cell),
                 qPrintable(cell + QStringLiteral(" not in ") + cells.join(QLatin1Char('|'))));
    QVERIFY(!cells.contains(QStringLiteral("<stale>")));
}

LX_TEST_MAIN(TestExtendInformationWindow)
#include "tst_extendinformationwindow.moc"
