// The main window against the stand-in service over TCP: start-up, the display of
// the selected device, the status strip, the countdown, debug mode and the loss
// and return of the service.
#include "common/showntext.h"
#include "common/upstexts.h"
#include "link/upssocketcontroller.h"
#include "panel/lxstatuswidget.h"
#include "panel/upstreeelement.h"
#include "panel/upstreewidget.h"
#include "panelrig.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tools/sim/replybuilder.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

using LxSim::ReplyBuilder;
using LxSim::SimDevice;

Q_DECLARE_METATYPE(SimDevice::Entries)

namespace {
// Waits until a device state with this history has reached the window: the
// window hears the controller before any later listener does.
bool stateWithHistoryArrives(Luminorix::UpsSocketController* controller, const QString& events)
{
    QObject context;
    bool arrived = false;
    QObject::connect(controller, &Luminorix::UpsSocketController::upsDeviceState, &context,
                     [&](const QMap<QString, QString>& state) {
                         if (state.value(QStringLiteral("events")) == events)
                             arrived = true;
                     });
    return QTest::qWaitFor([&] { return arrived; }, 15000);
}
const QString kServiceCaption = QStringLiteral("serviceCaptionLabel");

// Every state the stand-in sends from now on.
void scriptState(PanelRig& rig, const SimDevice::Entries& entries, bool found = true)
{
    rig.server.responder().script(QStringLiteral("get_ups_device_state"),
                                  {ReplyBuilder::deviceState(entries, found, true)});
}
// Counts the events by which a widget works out its looks again (a style sheet
// set, also an unchanged one, re-polishes the widget).
class StyleWorkCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched->isWidgetType() &&
            (type == QEvent::StyleChange || type == QEvent::Polish || type == QEvent::PolishRequest))
            ++count;
        return false;
    }
};

// Counts the paint events each widget gets.
class PaintCounter : public QObject
{
public:
    QHash<QObject*, int> paints;
    // Paints of `widget` and of everything inside it.
    int of(QWidget* widget) const
    {
        int count = 0;
        for (auto it = paints.constBegin(); it != paints.constEnd(); ++it) {
            if (it.key() == widget || widget->isAncestorOf(static_cast<QWidget*>(it.key())))
                count += it.value();
        }
        return count;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            ++paints[watched];
        return false;
    }
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupShowsDevicesAndSelectsFirst();
    void selectingDeviceTellsServiceAndShowsItsState();
    void deviceStateFields_data();
    void deviceStateFields();
    void messagesByKindAndRedrawOnlyOnChange();
    void identicalPollsDoNoWidgetWork();
    void valueChangeRepaintsOnlyThatValue_data();
    void valueChangeRepaintsOnlyThatValue();
    void hiddenToTrayDrawsTheLastStateOnShow();
    void selectionSwitchesLabelsAndLayout_data();
    void selectionSwitchesLabelsAndLayout();
    void unusableStateArmsCommunicationWatchdog();
    void countdownFromServiceAndClock();
    void countdownMessages();
    void debugModeSuffixAndBlinking();
    void serviceLostAndRegained();
    void busyServiceDisablesWindow();
    void serviceMessagesOpenOneBoxEach();
    void serviceMessagesOpenApart();
    void serviceMessageFloodIsCapped();
    void longServiceMessageShownBounded_data();
    void longServiceMessageShownBounded();
    void dialogsOpenFromTheirActions_data();
    void dialogsOpenFromTheirActions();
    void deviceDialogsFromTheTree_data();
    void deviceDialogsFromTheTree();
    void openSettingsFollowBusyAndLogout();
    void eventHistoryFollowsTheDeviceState();
    void eventHistoryOfADeviceWithoutOne();
    void loggingSettingsOfTheSelectedDevice();
    void upsConfigurationSavedThroughTheWindow_data();
    void upsConfigurationSavedThroughTheWindow();
    void login_data();
    void login();
    void hostChangeEndsTheSession();

private:
    PanelRig* rig = nullptr;
    LxTest::ModalWatchdog* watchdog = nullptr;
};

void TestMainWindow::init()
{
    rig = new PanelRig;
    watchdog = new LxTest::ModalWatchdog;
}

void TestMainWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
    delete watchdog;
    delete rig;
    rig = nullptr;
}

void TestMainWindow::startupShowsDevicesAndSelectsFirst()
{
    QVERIFY(rig->startDemo());
    QCOMPARE(rig->labelText("serviceCaptionLabel"), QStringLiteral("Trwa łączenie z usługą:"));

    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    // Virtual devices first, then the others in the service's order; members only under their device.
    QCOMPARE(rig->topLevelTexts(),
             (QStringList{QStringLiteral("Wirtualny UPS"), QStringLiteral("Server room"),
                          QStringLiteral("Generator yard"), QStringLiteral("Reception")}));
    UpsTreeElement* virtualUps = rig->topLevel(0);
    QCOMPARE(virtualUps->childCount(), 2);
    QCOMPARE(static_cast<UpsTreeElement*>(virtualUps->child(0))->ups.id, QStringLiteral("2"));
    QCOMPARE(virtualUps->child(1)->text(0), QStringLiteral("Harrier RT 6000/10000 (USB)"));

    // Nothing was selected before: the first element is, and the service hears about it.
    QCOMPARE(rig->tree()->currentItem(), static_cast<QTreeWidgetItem*>(virtualUps));
    QCOMPARE(rig->currentDevice().id, QStringLiteral("4"));
    QTRY_VERIFY(!rig->requests(QStringLiteral("change_device_on_interface")).isEmpty());
    QCOMPARE(rig->requests(QStringLiteral("change_device_on_interface")).first().value(QStringLiteral("id")),
             QStringLiteral("4"));
    QCOMPARE(rig->fieldText("modelNameEdit"), QStringLiteral("Wirtualny UPS"));

    // The status list colours the rows; the master unit gets its own mark.
    QTRY_VERIFY(hasIndicator(rig->elementById(QStringLiteral("1")), QStringLiteral("green.png")));
    QVERIFY(hasIndicator(rig->elementById(QStringLiteral("2")), QStringLiteral("green_m.png")));

    QTRY_COMPARE(rig->labelText("serviceCaptionLabel"), QStringLiteral("Połączono z usługą:"));
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    QCOMPARE(rig->labelText("serviceHostLabel"), QStringLiteral("127.0.0.1"));
}

void TestMainWindow::selectingDeviceTellsServiceAndShowsItsState()
{
    QVERIFY(rig->startDemo());
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    // The first device's own state, not the empty one shown until it comes.
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));

    rig->world.device(QStringLiteral("1"))->status = QStringLiteral("on_battery");
    rig->server.clearRequests();
    rig->tree()->setCurrentItem(rig->elementById(QStringLiteral("1")));

    QTRY_VERIFY(!rig->requests(QStringLiteral("change_device_on_interface")).isEmpty());
    QCOMPARE(rig->requests(QStringLiteral("change_device_on_interface")).first().value(QStringLiteral("id")),
             QStringLiteral("1"));
    QCOMPARE(rig->currentDevice().model_name, QStringLiteral("Harrier33_SNMP"));
    QCOMPARE(rig->fieldText("modelNameEdit"), QStringLiteral("Harrier 33 (SNMP)"));
    QTRY_COMPARE(rig->fieldText("workModeEdit"), upsStateText(QStringLiteral("on_battery")));
    QTRY_VERIFY(hasIndicator(rig->elementById(QStringLiteral("1")), QStringLiteral("yellow.png")));
    QVERIFY(rig->fieldText("loadProgressBar_3").endsWith(QLatin1String(" %")));
    QVERIFY(rig->fieldEnabled("workModeEdit"));
}

void TestMainWindow::deviceStateFields_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<SimDevice::Entries>("state");
    // "field=text" pairs; a field of the form, or "hidden:<widget>".
    QTest::addColumn<QStringList>("expected");

    const auto e = [](const char* key, const char* value) {
        return QPair<QString, QString>(QString::fromUtf8(key), QString::fromUtf8(value));
    };
    const QString three = QStringLiteral("Harrier33_SNMP");
    const QString single = QStringLiteral("KitePro_USB");
    const QString genset = QStringLiteral("Ibis_SNMP");

    QTest::newRow("three loads") << three << SimDevice::Entries{e("output_load", "45;50;47")}
                                 << QStringList{"loadProgressBar=45 %", "loadProgressBar_2=50 %",
                                                "loadProgressBar_3=47 %"};
    QTest::newRow("one load") << single << SimDevice::Entries{e("output_load", "45")}
                              << QStringList{"loadProgressBar=45 %"};
    QTest::newRow("two loads") << single << SimDevice::Entries{e("output_load", "45/50")}
                               << QStringList{"loadProgressBar=0 %"};
    QTest::newRow("load over 100") << single << SimDevice::Entries{e("output_load", "130")}
                                   << QStringList{"loadProgressBar=130 %"};
    QTest::newRow("no load") << three << SimDevice::Entries{e("firmware_version", "1.2")}
                             << QStringList{"loadProgressBar=N/D", "loadProgressBar_2=N/D",
                                            "loadProgressBar_3=N/D", "firmwareEdit=1.2",
                                            "batteryStateProgressBar=N/D"};
    QTest::newRow("kilo") << three
                          << SimDevice::Entries{e("nominal_active_power", "1500"),
                                                e("nominal_spurious_power", "2500")}
                          << QStringList{"nominalActivePowerEdit=1 kW", "nominalSpuriousPowerEdit=2 kVA"};
    QTest::newRow("kilo truncates") << QStringLiteral("Falcon_USB")
                                    << SimDevice::Entries{e("nominal_active_power", "999")}
                                    << QStringList{"nominalActivePowerEdit=0 kW",
                                                   "nominalSpuriousPowerEdit=N/D"};
    QTest::newRow("watts") << single
                           << SimDevice::Entries{e("nominal_active_power", "1500"),
                                                 e("nominal_spurious_power", "2500")}
                           << QStringList{"nominalActivePowerEdit=1500 W",
                                          "nominalSpuriousPowerEdit=2500 VA"};
    QTest::newRow("genset serial") << genset
                                   << SimDevice::Entries{e("serial_number", "IB-77"), e("fuel_level", "55"),
                                                         e("tot_fuel_consum", "10"), e("run_time", "12")}
                                   << QStringList{"nominalActivePowerEdit=IB-77",
                                                  "batteryStateProgressBar=55 %", "autonomyTimeEdit=10 l",
                                                  "temperatureEdit=12 h"};
    QTest::newRow("battery and autonomy")
        << single
        << SimDevice::Entries{e("battery_capacity", "88"), e("autonomy_time", "42"), e("temperature", "31")}
        << QStringList{"batteryStateProgressBar=88 %", "autonomyTimeEdit=42 min.", "temperatureEdit=31 °C"};
    QTest::newRow("two temperatures")
        << single << SimDevice::Entries{e("radiator_temperature", "80"), e("battery_temperature", "30")}
        << QStringList{"temperatureEdit=80 / 30 °C"};
    QTest::newRow("radiator alone") << single << SimDevice::Entries{e("radiator_temperature", "80")}
                                    << QStringList{"temperatureEdit=N/D", "autonomyTimeEdit=N/D",
                                                   "firmwareEdit=N/D"};
    QTest::newRow("no work mode") << single << SimDevice::Entries{e("temperature", "20")}
                                  << QStringList{"workModeEdit=N/D"};
    QTest::newRow("work mode") << single << SimDevice::Entries{e("device_status", "on_battery")}
                               << QStringList{QStringLiteral("workModeEdit=") +
                                              upsStateText(QStringLiteral("on_battery"))};
    QTest::newRow("location only") << single << SimDevice::Entries{e("snmp_sys_location", "Hall")}
                                   << QStringList{"nameAndLocalizationEdit=<nieokreślona nazwa> - Hall",
                                                  "visible:nameAndLocationLabel"};
    QTest::newRow("name and location")
        << single << SimDevice::Entries{e("snmp_sys_name", " rack7 "), e("snmp_sys_location", "Hall")}
        << QStringList{"nameAndLocalizationEdit=rack7 - Hall", "visible:nameAndLocalizationEdit"};
    QTest::newRow("blank name") << single
                                << SimDevice::Entries{e("snmp_sys_name", "  "), e("temperature", "20")}
                                << QStringList{"hidden:nameAndLocalizationEdit",
                                               "hidden:nameAndLocationLabel"};
}

void TestMainWindow::deviceStateFields()
{
    QFETCH(QString, model);
    QFETCH(SimDevice::Entries, state);
    QFETCH(QStringList, expected);

    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), model)}));
    scriptState(*rig, state);
    QTRY_COMPARE(rig->currentDevice().model_name, model);
    for (const QString& pair : expected) {
        const int eq = pair.indexOf(QLatin1Char('='));
        if (pair.startsWith(QLatin1String("hidden:")) || pair.startsWith(QLatin1String("visible:"))) {
            const bool visible = pair.startsWith(QLatin1String("visible:"));
            const QByteArray name = pair.mid(pair.indexOf(QLatin1Char(':')) + 1).toUtf8();
            // Wait for the state to have been shown at all before judging visibility.
            QTRY_VERIFY(rig->widget("deviceMessages")->isVisibleTo(&rig->win()));
            QCOMPARE(rig->widget(name.constData())->isVisibleTo(&rig->win()), visible);
            continue;
        }
        const QByteArray field = pair.left(eq).toUtf8();
        QTRY_COMPARE(rig->fieldText(field.constData()), pair.mid(eq + 1));
    }
}

void TestMainWindow::messagesByKindAndRedrawOnlyOnChange()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    auto* pane = qobject_cast<QPlainTextEdit*>(rig->widget("deviceMessages"));
    QVERIFY(pane);

    scriptState(*rig, {{QStringLiteral("temperature"), QStringLiteral("20")}});
    QTRY_COMPARE(pane->toPlainText(), QStringLiteral("Brak"));

    const QString alarm = upsEventText(QStringLiteral("5"));
    const QString notice = upsEventText(QStringLiteral("7"));
    const QString plain = upsEventText(QStringLiteral("100"));
    scriptState(*rig, {{QStringLiteral("messages"), QStringLiteral("5\n7\n100")}});
    QTRY_VERIFY(pane->toPlainText().contains(alarm));
    const QString html = pane->document()->toHtml();
    QVERIFY(html.contains(QStringLiteral("color:#8f5c00;\">") + alarm.toHtmlEscaped()));
    QVERIFY(html.contains(QStringLiteral("color:#59595b;\">") + notice.toHtmlEscaped()));
    QVERIFY(pane->toPlainText().startsWith(plain));

    // The same codes again leave the pane alone: a mark put into it survives.
    pane->appendPlainText(QStringLiteral("mark"));
    const int before = rig->requestCount(QStringLiteral("get_ups_device_state"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_device_state")) > before + 2);
    QVERIFY(pane->toPlainText().endsWith(QLatin1String("mark")));

    // The same codes in another order are another list.
    scriptState(*rig, {{QStringLiteral("messages"), QStringLiteral("7\n5\n100")}});
    QTRY_VERIFY(!pane->toPlainText().contains(QLatin1String("mark")));
}

void TestMainWindow::valueChangeRepaintsOnlyThatValue_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("load"); // before the change
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("field"); // the one value widget to repaint
    QTest::addColumn<QString>("text");

    const QString single = QStringLiteral("KitePro_USB");
    const QString three = QStringLiteral("Harrier33_SNMP");
    QTest::newRow("load") << single << "40"
                          << "output_load"
                          << "41"
                          << "loadProgressBar"
                          << "41 %";
    QTest::newRow("one phase of three") << three << "40;50;60"
                                        << "output_load"
                                        << "40;52;60"
                                        << "loadProgressBar_2"
                                        << "52 %";
    QTest::newRow("battery") << single << "40"
                             << "battery_capacity"
                             << "89"
                             << "batteryStateProgressBar"
                             << "89 %";
    QTest::newRow("temperature") << single << "40"
                                 << "temperature"
                                 << "26"
                                 << "temperatureEdit"
                                 << "26 °C";
    QTest::newRow("autonomy") << single << "40"
                              << "autonomy_time"
                              << "43"
                              << "autonomyTimeEdit"
                              << "43 min.";
}

void TestMainWindow::valueChangeRepaintsOnlyThatValue()
{
    QFETCH(QString, model);
    QFETCH(QString, load);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, field);
    QFETCH(QString, text);

    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), model)}));
    rig->win().show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig->win()));
    SimDevice::Entries state{{QStringLiteral("output_load"), load},
                             {QStringLiteral("battery_capacity"), QStringLiteral("90")},
                             {QStringLiteral("temperature"), QStringLiteral("25")},
                             {QStringLiteral("autonomy_time"), QStringLiteral("42")},
                             {QStringLiteral("device_status"), QStringLiteral("on_power_line")},
                             {QStringLiteral("firmware_version"), QStringLiteral("1.2")},
                             {QStringLiteral("nominal_active_power"), QStringLiteral("1500")},
                             {QStringLiteral("nominal_spurious_power"), QStringLiteral("2500")}};
    scriptState(*rig, state);
    QTRY_COMPARE(rig->fieldText("autonomyTimeEdit"), QStringLiteral("42 min."));
    // Past the first drawing of every field.
    int polls = rig->requestCount(QStringLiteral("get_ups_device_state"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_device_state")) > polls + 2);
    QCoreApplication::processEvents();

    PaintCounter counter;
    qApp->installEventFilter(&counter);
    for (auto& entry : state) {
        if (entry.first == key)
            entry.second = value;
    }
    scriptState(*rig, state);
    QTRY_COMPARE(rig->fieldText(field.toLatin1().constData()), text);
    polls = rig->requestCount(QStringLiteral("get_ups_device_state"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_device_state")) > polls + 2);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&counter);

    QVERIFY(counter.of(rig->widget(field.toLatin1().constData())) > 0);
    for (const char* name :
         {"loadProgressBar", "loadProgressBar_2", "loadProgressBar_3", "batteryStateProgressBar",
          "workModeEdit", "nominalActivePowerEdit", "nominalSpuriousPowerEdit", "autonomyTimeEdit",
          "firmwareEdit", "temperatureEdit"}) {
        if (field != QLatin1String(name))
            QVERIFY2(
                counter.of(rig->widget(name)) == 0,
                qPrintable(
                    QStringLiteral("%1 repainted %2 times").arg(name).arg(counter.of(rig->widget(name)))));
    }
}

void TestMainWindow::selectionSwitchesLabelsAndLayout_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("threePhase");
    QTest::addColumn<bool>("generator");
    QTest::addColumn<QString>("loadLabel");
    QTest::addColumn<QString>("temperatureTip");

    const QString modelTip = QStringLiteral("Dane niedostępne w wybranym modelu");
    const QString interfaceTip =
        QStringLiteral("Dane niedostępne przy użyciu wybranego interfejsu komunikacyjnego");
    QTest::newRow("three-phase") << "Harrier33_SNMP" << true << false << "Obciążenie L1" << modelTip;
    QTest::newRow("single-phase") << "KitePro_USB" << false << false << "Obciążenie" << modelTip;
    QTest::newRow("generator set") << "Ibis_SNMP" << false << true << "Obciążenie" << modelTip;
    QTest::newRow("interface tooltip") << "OspreyRT_USB" << false << false << "Obciążenie" << interfaceTip;
}

void TestMainWindow::selectionSwitchesLabelsAndLayout()
{
    QFETCH(QString, model);
    QFETCH(bool, threePhase);
    QFETCH(bool, generator);
    QFETCH(QString, loadLabel);
    QFETCH(QString, temperatureTip);

    QVERIFY(rig->start({PanelRig::device(QStringLiteral("3"), model)}));
    QTRY_COMPARE(rig->currentDevice().model_name, model);
    LuminorixWindow& w = rig->win();
    QCOMPARE(rig->widget("loadProgressBar_2")->isVisibleTo(&w), threePhase);
    QCOMPARE(rig->widget("loadLabel_3")->isVisibleTo(&w), threePhase);
    QCOMPARE(rig->labelText("loadLabel"), loadLabel);
    QCOMPARE(rig->labelText("workModeLabel"),
             generator ? QStringLiteral("Tryb pracy agregatu") : QStringLiteral("Tryb pracy UPS"));
    QCOMPARE(rig->labelText("batteryStateLabel"),
             generator ? QStringLiteral("Poziom paliwa") : QStringLiteral("Stan naładowania akumulatora"));
    QCOMPARE(qobject_cast<QPushButton*>(rig->widget("upsConfigurationButton"))->text(),
             generator ? QStringLiteral("Konfiguracja agregatu") : QStringLiteral("Konfiguracja UPS"));
    QCOMPARE(rig->widget("temperatureEdit")->findChild<QPushButton*>(QStringLiteral("helpButton"))->toolTip(),
             temperatureTip);

    // The strip names the kind of device once communication is lost.
    rig->win().upsCommunicationFailed();
    QCOMPARE(rig->labelText("deviceTextLabel"), generator ? QStringLiteral("Brak komunikacji z agregatem")
                                                          : QStringLiteral("Brak komunikacji z UPS"));
}

void TestMainWindow::unusableStateArmsCommunicationWatchdog()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    scriptState(*rig, {{QStringLiteral("firmware_version"), QStringLiteral("7.1")}});
    QTRY_COMPARE(rig->fieldText("firmwareEdit"), QStringLiteral("7.1"));
    QVERIFY(!rig->timer("communicationWatchdog")->isActive());

    // A device the service cannot find: nothing changes until the watchdog expires.
    scriptState(*rig, {{QStringLiteral("firmware_version"), QStringLiteral("9.9")}}, false);
    QTRY_VERIFY(rig->timer("communicationWatchdog")->isActive());
    QCOMPARE(rig->timer("communicationWatchdog")->interval(), 3000);
    QCOMPARE(rig->fieldText("firmwareEdit"), QStringLiteral("7.1"));
    QCOMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));

    w.upsCommunicationFailed();
    QCOMPARE(rig->labelText("serviceCaptionLabel"), QStringLiteral("Połączono z usługą:"));
    QCOMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Brak komunikacji z UPS"));
    QCOMPARE(rig->fieldText("firmwareEdit"), QString());
    QVERIFY(!rig->fieldEnabled("firmwareEdit"));
    QVERIFY(!rig->widget("deviceMessages")->isVisibleTo(&w));

    // A usable state again stops the watchdog and brings the values back.
    scriptState(*rig, {{QStringLiteral("firmware_version"), QStringLiteral("7.2")}});
    QTRY_COMPARE(rig->fieldText("firmwareEdit"), QStringLiteral("7.2"));
    QVERIFY(rig->fieldEnabled("firmwareEdit"));
    QVERIFY(!rig->timer("communicationWatchdog")->isActive());
    QCOMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
}

void TestMainWindow::countdownFromServiceAndClock()
{
    rig->world.setShutdownTimers({{7, 30}});
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    // The countdown line shows only while the service is connected with a device.
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    QTRY_COMPARE(rig->labelText("countdownTextLabel"), QStringLiteral("Wyłączenie za 29 s"));
    QVERIFY(rig->timer("clockTimer")->isActive());
    QCOMPARE(rig->timer("clockTimer")->interval(), 1000);
    QVERIFY(rig->label("countdownTextLabel")->isVisibleTo(&w));

    rig->timer("clockTimer")->stop();
    w.clockUpdate();
    QCOMPARE(rig->labelText("countdownTextLabel"), QStringLiteral("Wyłączenie za 28 s"));
}

void TestMainWindow::countdownMessages()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    QLabel* line = rig->label("countdownTextLabel");

    w.showCountdownTimer({{7, 30}, {8, 10}});
    QCOMPARE(line->text(), QStringLiteral("Wyłączenie za 9 s"));
    // A countdown already running keeps its own count.
    w.showCountdownTimer({{8, 60}});
    QCOMPARE(line->text(), QStringLiteral("Wyłączenie za 8 s"));
    for (int i = 0; i < 7; ++i)
        w.clockUpdate();
    QCOMPARE(line->text(), QStringLiteral("Wyłączenie za 1 s"));
    // Reaching zero drops every countdown, also the one with time left.
    w.clockUpdate();
    QVERIFY(!line->isVisibleTo(&w));
    QVERIFY(!rig->timer("clockTimer")->isActive());
    // None is kept: 7 comes back with the time it is given now.
    w.showCountdownTimer({{7, 100}});
    QCOMPARE(line->text(), QStringLiteral("Wyłączenie za 99 s"));
    w.showCountdownTimer({});

    // A cancellation ends the message: 9 is not added, and the next tick finds nothing.
    w.showCountdownTimer({{7, 30}});
    w.showCountdownTimer({{7, -1}, {9, 20}});
    QVERIFY(rig->timer("clockTimer")->isActive());
    w.clockUpdate(); // with 9 among the countdowns the clock would go on
    QVERIFY(!rig->timer("clockTimer")->isActive());
    QVERIFY(!line->isVisibleTo(&w));

    w.showCountdownTimer({{3, 120}});
    QCOMPARE(line->text(), QStringLiteral("Wyłączenie za 119 s"));
    w.showCountdownTimer({});
    QVERIFY(!rig->timer("clockTimer")->isActive());
    QVERIFY(!line->isVisibleTo(&w));

    // Pushed by the service, like the shutdown timers it starts.
    rig->server.push(ReplyBuilder::showCountdown({{4, 50}}));
    QTRY_COMPARE(line->text(), QStringLiteral("Wyłączenie za 49 s"));
}

void TestMainWindow::debugModeSuffixAndBlinking()
{
    rig->world.setDebugging(true);
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    const QString base = QStringLiteral("Luminorix Professional v. 2.6.0");
    QTRY_COMPARE(w.windowTitle(), base + QStringLiteral(" [TRYB DEBUGOWANIA]"));
    auto* blinkTimer = rig->widget("warningTextLabel")->parentWidget()->findChild<QTimer*>();
    QVERIFY(blinkTimer && blinkTimer->isActive());

    rig->server.push(ReplyBuilder::debugging(true));
    rig->server.push(ReplyBuilder::serviceVersion(QStringLiteral("2.6.0")));
    QTRY_COMPARE(rig->labelText("serviceWarningLabel"), QString());
    QCOMPARE(w.windowTitle(), base + QStringLiteral(" [TRYB DEBUGOWANIA]"));

    rig->server.push(ReplyBuilder::debugging(false));
    QTRY_COMPARE(w.windowTitle(), base);
    QVERIFY(!blinkTimer->isActive());
    QVERIFY(!rig->widget("warningTextLabel")->isVisibleTo(&w));
}

void TestMainWindow::serviceLostAndRegained()
{
    rig->world.setDebugging(true);
    rig->world.setShutdownTimers({{7, 300}});
    QVERIFY(rig->startDemo());
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    QTRY_VERIFY(w.windowTitle().contains(QLatin1String("[TRYB DEBUGOWANIA]")));
    rig->logIn();
    QVERIFY(w.windowTitle().endsWith(QLatin1String(" (Administrator)")));

    rig->server.stop();
    QTRY_VERIFY(rig->timer("socketWatchdog")->isActive());
    // Nothing shows before the watchdog has expired.
    QCOMPARE(rig->labelText("serviceCaptionLabel"), QStringLiteral("Połączono z usługą:"));
    w.socketError();

    QCOMPARE(rig->labelText("serviceCaptionLabel"), QStringLiteral("Błąd połączenia z usługą:"));
    QCOMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Komunikacja z UPS nieznana"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Luminorix Professional v. 2.6.0"));
    QVERIFY(!rig->administrator());
    QCOMPARE(rig->controller()->password(), QString());
    QVERIFY(!rig->timer("clockTimer")->isActive());
    QVERIFY(!rig->label("countdownTextLabel")->isVisibleTo(&w));
    QVERIFY(!rig->fieldEnabled("workModeEdit"));
    for (QTreeWidgetItemIterator it(rig->tree()); *it; ++it)
        QVERIFY2(hasIndicator(*it, QStringLiteral("red.png")), qPrintable((*it)->text(0)));
    QVERIFY(rig->tree()->currentItem());
    const QString selected = rig->tree()->currentItem()->text(0);

    QVERIFY(rig->server.restart());
    QTRY_COMPARE(rig->labelText("serviceCaptionLabel"), QStringLiteral("Połączono z usługą:"));
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    QVERIFY(!rig->timer("socketWatchdog")->isActive());
    QVERIFY(rig->fieldEnabled("workModeEdit"));
    // The rebuilt tree selects the same device again.
    QTRY_COMPARE(rig->tree()->currentItem()->text(0), selected);
}

void TestMainWindow::busyServiceDisablesWindow()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    rig->server.push(ReplyBuilder::daemonBusy(true));
    QTRY_VERIFY(!w.centralWidget()->isEnabled());
    QVERIFY(!rig->tree()->isEnabled());
    QVERIFY(rig->label("busyLabel")->isVisibleTo(&w));
    rig->server.push(ReplyBuilder::daemonBusy(false));
    QTRY_VERIFY(w.centralWidget()->isEnabled());
    QVERIFY(rig->tree()->isEnabled());
    QVERIFY(!rig->label("busyLabel")->isVisibleTo(&w));
}

void TestMainWindow::serviceMessagesOpenOneBoxEach()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    rig->server.push(ReplyBuilder::showMessage({QStringLiteral("Pierwszy"), QStringLiteral("Drugi")}));
    QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 2);
    QStringList texts;
    for (QMessageBox* box : LxTest::visibleMessageBoxes()) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Komunikat"));
        texts.append(box->text());
    }
    texts.sort();
    QCOMPARE(texts, (QStringList{QStringLiteral("Drugi"), QStringLiteral("Pierwszy")}));
}

// Boxes that waited on one another at one spot looked like a single message.
void TestMainWindow::serviceMessagesOpenApart()
{
    const auto apart = [](const QList<QMessageBox*>& boxes) {
        for (int i = 0; i < boxes.size(); ++i) {
            for (int j = i + 1; j < boxes.size(); ++j) {
                const QPoint step = boxes.at(i)->pos() - boxes.at(j)->pos();
                if (qAbs(step.x()) < 20 || qAbs(step.y()) < 20)
                    return false;
            }
        }
        return true;
    };
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    rig->win().show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig->win()));
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    rig->server.push(
        ReplyBuilder::showMessage({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 3);
    QVERIFY(apart(LxTest::visibleMessageBoxes()));

    // A closed box frees its spot; the next box does not land on one still open.
    LxTest::visibleMessageBoxes().at(1)->close();
    QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 2);
    rig->server.push(ReplyBuilder::showMessage({QStringLiteral("D")}));
    QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 3);
    QVERIFY(apart(LxTest::visibleMessageBoxes()));
}

// A service that floods messages gets a few boxes; the rest joins the newest and is counted.
void TestMainWindow::serviceMessageFloodIsCapped()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    QStringList flood;
    for (int i = 1; i <= 200; ++i)
        flood.append(QStringLiteral("Komunikat nr %1").arg(i));
    rig->server.push(ReplyBuilder::showMessage(flood.mid(0, 100)));
    rig->server.push(ReplyBuilder::showMessage(flood.mid(100)));
    const auto counted = [] {
        for (QMessageBox* box : LxTest::visibleMessageBoxes()) {
            if (box->informativeText().endsWith(QLatin1String(": 188")))
                return true;
        }
        return false;
    };
    QTRY_VERIFY(counted());
    QMap<QString, QMessageBox*> boxes;
    for (QMessageBox* box : LxTest::visibleMessageBoxes())
        boxes.insert(box->text().section(QLatin1Char('\n'), 0, 0), box);
    QCOMPARE(boxes.keys(), (QStringList{QStringLiteral("Komunikat nr 1"), QStringLiteral("Komunikat nr 2"),
                                        QStringLiteral("Komunikat nr 3")}));
    QCOMPARE(boxes.first()->text(), QStringLiteral("Komunikat nr 1"));
    QCOMPARE(boxes.first()->informativeText(), QString());
    // The newest holds ten texts and counts the others.
    QMessageBox* newest = boxes.last();
    QCOMPARE(newest->text(), flood.mid(2, 10).join(QLatin1String("\n\n")));
    QCOMPARE(newest->informativeText(),
             QStringLiteral("Dalsze komunikaty usługi, których nie pokazano: 188"));
}

void TestMainWindow::longServiceMessageShownBounded_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("one long line") << QString(1 << 20, QLatin1Char('x'));
    QTest::newRow("many short lines") << QStringLiteral("Y\n").repeated(1 << 19);
}

// A message of a mebibyte: its box shows the start of it, marked as cut.
void TestMainWindow::longServiceMessageShownBounded()
{
    QFETCH(QString, text);
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    rig->server.push(ReplyBuilder::showMessage({text}));
    QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 1);
    const QString shown = LxTest::visibleMessageBoxes().first()->text();
    QVERIFY(shown.size() <= ShownText::box.length + 1);
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(text.startsWith(shown.chopped(1)));
}

void TestMainWindow::dialogsOpenFromTheirActions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("administrator");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("request");

    QTest::newRow("about") << "actionAbout" << false << "AboutWindow" << QString();
    QTest::newRow("login") << "actionActAsAdministrator" << false << "LogiInWindow" << QString();
    QTest::newRow("service host") << "actionConnectWithService" << false << "ConnectWithServiceWindow"
                                  << QString();
    QTest::newRow("password") << "actionChangePassword" << true << "PasswordChangeWindow" << QString();
    QTest::newRow("settings") << "actionApplicationConfiguration" << true << "ApplicationConfigurationWindow"
                              << "get_application_configuration";
    QTest::newRow("virtualization centre")
        << "actionVirtualizationCenter" << true << "VirtualizationCenterWindow"
        << "get_virtualization_center_settings";
    QTest::newRow("events") << "actionNetworkConfiguration" << true << "NetworkConfigurationWindow"
                            << "get_network_configuration";
    QTest::newRow("logging") << "actionLoggingConfiguration" << true << "LoggingConfigurationWindow"
                             << QString();
    QTest::newRow("logging button") << "loggingConfigurationButton" << true << "LoggingConfigurationWindow"
                                    << QString();
    QTest::newRow("extended information")
        << "actionExtendInformation" << false << "ExtendInformationWindow" << QString();
    QTest::newRow("ups configuration") << "actionUpsConfiguration" << true << "UPSConfigurationWindow"
                                       << "get_ups_configuration";
    QTest::newRow("event history") << "upsEventsButton" << false << "UpsEventsWindow" << QString();
}

void TestMainWindow::dialogsOpenFromTheirActions()
{
    QFETCH(QString, action);
    QFETCH(bool, administrator);
    QFETCH(QString, dialogClass);
    QFETCH(QString, request);

    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    if (administrator)
        rig->logIn();
    // An action, or a button where the window has no action for the dialog.
    QAction* trigger = w.findChild<QAction*>(action);
    QPushButton* button = trigger ? nullptr : w.findChild<QPushButton*>(action);
    QTRY_VERIFY(trigger ? trigger->isEnabled() : button->isEnabled());

    QString seenClass;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        seenClass = QString::fromLatin1(dialog->metaObject()->className());
        if (!request.isEmpty())
            QTRY_VERIFY(rig->requestCount(request) > 0);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    if (trigger)
        trigger->trigger();
    else
        button->click();
    QCOMPARE(seenClass, dialogClass);
    // Cancelled, the connection is left as it was.
    QCOMPARE(rig->labelText("serviceCaptionLabel"), QStringLiteral("Połączono z usługą:"));
}

void TestMainWindow::deviceDialogsFromTheTree_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("request");

    QTest::newRow("add") << "Reception"
                         << "Dodaj"
                         << "AddUpsWindow"
                         << "Nowy UPS"
                         << "set_new_ups";
    QTest::newRow("edit a UPS") << "Reception"
                                << "Edytuj"
                                << "AddUpsWindow"
                                << "Edycja UPS"
                                << "change_ups";
    QTest::newRow("edit the virtual UPS") << "Wirtualny UPS"
                                          << "Edytuj"
                                          << "AddVirtualUpsWindow"
                                          << "Edycja wirtualny UPS"
                                          << "change_ups";
}

// The tree's entries open the device dialogs filled from the window's records;
// what the dialog sends reaches the stand-in, whose new list the tree shows.
void TestMainWindow::deviceDialogsFromTheTree()
{
    QFETCH(QString, element);
    QFETCH(QString, entry);
    QFETCH(QString, dialogClass);
    QFETCH(QString, title);
    QFETCH(QString, request);

    QVERIFY(rig->startDemo());
    QTRY_COMPARE(rig->tree()->topLevelItemCount(), 4);
    // The members' addresses come with the status list.
    QTRY_COMPARE(rig->elementById(QStringLiteral("3"))->ups.unit_address, QStringLiteral("2"));
    rig->logIn();
    UpsTreeWidget* tree = rig->tree();
    tree->show();
    tree->setCurrentItem(rig->elementByText(element));
    std::unique_ptr<QMenu> menu(tree->buildContextMenu(tree->visualItemRect(tree->currentItem()).center()));
    QAction* trigger = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == entry)
            trigger = action;
    }
    QVERIFY(trigger && trigger->isEnabled());

    QString seenClass;
    QString seenTitle;
    QStringList seenState;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        seenClass = QString::fromLatin1(dialog->metaObject()->className());
        seenTitle = dialog->windowTitle();
        if (auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("treeWidget"))) {
            // Units 2 and 3 are the edited device's, reported: ticked and free. Drop 3.
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                QTreeWidgetItem* row = tree->topLevelItem(i);
                seenState << row->text(1) + QLatin1Char(' ') + row->text(3) + QLatin1Char(' ') +
                                 QString::number(row->checkState(0));
                if (row->text(4) == QLatin1String("3"))
                    row->setCheckState(0, Qt::Unchecked);
            }
        } else {
            auto* model = dialog->findChild<QComboBox*>(QStringLiteral("upsModelBox"));
            auto* port = dialog->findChild<QComboBox*>(QStringLiteral("communicationPortBox"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("upsNameEdit"));
            seenState << model->currentText() << port->currentText() << name->text();
            if (name->text().isEmpty())
                model->setCurrentIndex(model->findText(QStringLiteral("KITE PRO RACK")));
            port->setCurrentIndex(port->findText(QStringLiteral("COM1")));
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("R&D room"));
        }
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    trigger->trigger();
    QCOMPARE(seenClass, dialogClass);
    QCOMPARE(seenTitle, title);
    QTRY_COMPARE(rig->requestCount(request), 1);
    const LxSim::SimRequest sent = rig->requests(request).first();
    if (dialogClass == QLatin1String("AddVirtualUpsWindow")) {
        QCOMPARE(seenState, (QStringList{"1 Dostępny 2", "2 Dostępny 2"}));
        QCOMPARE(sent.value(QStringLiteral("id")), QStringLiteral("4"));
        QCOMPARE(sent.values(QStringLiteral("phy_id")), QStringList{QStringLiteral("2")});
        QTRY_COMPARE(rig->topLevel(0)->childCount(), 1);
        return;
    }
    const bool edit = request == QLatin1String("change_ups");
    // A new device starts on the first model with no port chosen; an edit on its own busy port.
    QCOMPARE(seenState,
             edit ? (QStringList{"KITE PRO RACK", "COM3", "Reception"}) : (QStringList{"WREN PRO", "", ""}));
    QCOMPARE(sent.value(QStringLiteral("id")), edit ? QStringLiteral("6") : QString());
    QCOMPARE(sent.value(QStringLiteral("model_name")), QStringLiteral("KitePro_Rack_RS232"));
    QCOMPARE(sent.value(QStringLiteral("com_port")), QStringLiteral("COM1"));
    QVERIFY(sent.raw.contains(QLatin1String("<user_defined_name>R&amp;D room</user_defined_name>")));
    QTRY_VERIFY(rig->elementByText(QStringLiteral("R&D room")));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_available_ports")) > 1);
}

void TestMainWindow::eventHistoryFollowsTheDeviceState()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    rig->world.device(QStringLiteral("1"))->events = QStringLiteral("62;3;7;9;5;1");
    auto* button = w.findChild<QPushButton*>(QStringLiteral("upsEventsButton"));
    QTRY_VERIFY(button->isEnabled());
    // The state the window holds when the dialog opens, then each new one.
    QVERIFY(stateWithHistoryArrives(rig->controller(), QStringLiteral("62;3;7;9;5;1")));

    QStringList opened;
    QStringList updated;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        const auto rows = [dialog] {
            QStringList out;
            const QAbstractItemModel* model =
                dialog->findChild<QListView*>(QStringLiteral("eventsList"))->model();
            for (int r = 0; r < model->rowCount(); ++r)
                out << model->index(r, 0).data().toString();
            return out;
        };
        opened = rows();
        rig->world.device(QStringLiteral("1"))->events = QStringLiteral("49;3;7;9;6;0");
        QTRY_COMPARE(rows(), QStringList{QStringLiteral("03-07 09:06:00 - Ładowanie baterii: Stop")});
        updated = rows();
        qobject_cast<QDialog*>(dialog)->accept();
    });
    button->click();
    QCOMPARE(opened, QStringList{QStringLiteral("03-07 09:05:01 - Bypass: Start")});
    QCOMPARE(updated.size(), 1);
}

// A state without history says so as the dialog opens, not a poll later.
void TestMainWindow::eventHistoryOfADeviceWithoutOne()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    rig->world.device(QStringLiteral("1"))->events.clear();
    auto* button = w.findChild<QPushButton*>(QStringLiteral("upsEventsButton"));
    QTRY_VERIFY(button->isEnabled());
    QVERIFY(stateWithHistoryArrives(rig->controller(), QString()));

    QStringList opened;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        const QAbstractItemModel* model =
            dialog->findChild<QListView*>(QStringLiteral("eventsList"))->model();
        for (int r = 0; r < model->rowCount(); ++r)
            opened << model->index(r, 0).data().toString();
        qobject_cast<QDialog*>(dialog)->accept();
    });
    button->click();
    QCOMPARE(opened, QStringList{QStringLiteral("Brak zapisanych zdarzeń")});
}

void TestMainWindow::loggingSettingsOfTheSelectedDevice()
{
    SimDevice device = PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"));
    device.log_params = QStringLiteral("2");
    device.log_file_size = QStringLiteral("250");
    QVERIFY(rig->start({device}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->currentDevice().log_file_size, QStringLiteral("250"));
    rig->logIn();

    QList<bool> okEnabled;
    int shownSize = 0;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        shownSize = dialog->findChild<QSpinBox*>(QStringLiteral("fileSizeSpinBox"))->value();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        okEnabled.append(ok->isEnabled());
        w.findChild<QAction*>(QStringLiteral("actionLogout"))->trigger();
        okEnabled.append(ok->isEnabled());
        qobject_cast<QDialog*>(dialog)->reject();
    });
    w.findChild<QAction*>(QStringLiteral("actionLoggingConfiguration"))->trigger();
    QCOMPARE(shownSize, 250);
    QCOMPARE(okEnabled, (QList<bool>{true, false}));
    QCOMPARE(rig->requestCount(QStringLiteral("change_log_config")), 0);
}

void TestMainWindow::openSettingsFollowBusyAndLogout()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    rig->logIn();

    QList<bool> okEnabled;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QTRY_VERIFY(ok->isEnabled()); // the service's settings are in
        rig->server.push(ReplyBuilder::daemonBusy(true));
        QTRY_VERIFY(!ok->isEnabled());
        okEnabled.append(ok->isEnabled());
        rig->server.push(ReplyBuilder::daemonBusy(false));
        QTRY_VERIFY(ok->isEnabled());
        okEnabled.append(ok->isEnabled());
        w.findChild<QAction*>(QStringLiteral("actionLogout"))->trigger();
        okEnabled.append(ok->isEnabled());
        // A busy-then-ready report after the log-out brings none of them back.
        rig->server.push(ReplyBuilder::daemonBusy(true));
        QTRY_VERIFY(!w.centralWidget()->isEnabled());
        rig->server.push(ReplyBuilder::daemonBusy(false));
        QTRY_VERIFY(w.centralWidget()->isEnabled());
        bool anyEnabled = ok->isEnabled();
        for (const char* name : {"addUpsButton", "addVirtualUpsButton", "openDirButton", "testSmtpButton"})
            anyEnabled = anyEnabled || dialog->findChild<QPushButton*>(QLatin1String(name))->isEnabled();
        okEnabled.append(anyEnabled);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    w.findChild<QAction*>(QStringLiteral("actionApplicationConfiguration"))->trigger();
    QCOMPARE(okEnabled, (QList<bool>{false, true, false, false}));
    // Closed, the dialog hears nothing more.
    rig->server.push(ReplyBuilder::daemonBusy(true));
    QTRY_VERIFY(!w.centralWidget()->isEnabled());
}

void TestMainWindow::upsConfigurationSavedThroughTheWindow_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("UPS") << "OspreyRT_SNMP"
                         << "Konfiguracja UPS"
                         << "snmp_syslocation"
                         << "R&D room 2";
    QTest::newRow("generator set") << "Ibis_SNMP"
                                   << "Konfiguracja agregatu"
                                   << "shutdown_delay"
                                   << "7";
}

void TestMainWindow::upsConfigurationSavedThroughTheWindow()
{
    QFETCH(QString, model);
    QFETCH(QString, title);
    QFETCH(QString, key);
    QFETCH(QString, value);

    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), model)}));
    QTRY_VERIFY(
        rig->labelText("deviceTextLabel").startsWith(QStringLiteral("Połączono z "))); // UPS, agregatem
    rig->logIn();
    QTRY_VERIFY(rig->widget("upsConfigurationButton")->isEnabled());
    QMap<QString, QString> expected = rig->world.device(QStringLiteral("1"))->configuration;
    expected.insert(key, value);

    QString seenTitle;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        seenTitle = dialog->windowTitle();
        QLineEdit* edit = nullptr;
        QTRY_VERIFY((edit = dialog->findChild<QLineEdit*>(key))); // built from the service's map
        edit->setText(value);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    });
    qobject_cast<QPushButton*>(rig->widget("upsConfigurationButton"))->click();
    QCOMPARE(seenTitle, title);
    QTRY_COMPARE(rig->requestCount(QStringLiteral("set_ups_configuration")), 1);
    QCOMPARE(rig->requests(QStringLiteral("set_ups_configuration")).first().toMap(), expected);
    QCOMPARE(rig->world.device(QStringLiteral("1"))->configuration, expected);
}

void TestMainWindow::login_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("serviceAnswers");
    QTest::addColumn<QString>("boxTitle");

    QTest::newRow("right password") << LxSim::SimWorld::defaultAdminPassword << true << QString();
    QTest::newRow("wrong password") << "Quillmarberon " << true << "Nieprawidłowe hasło";
    QTest::newRow("no answer") << LxSim::SimWorld::defaultAdminPassword << false << "Błąd połączenia";
}

void TestMainWindow::login()
{
    QFETCH(QString, typed);
    QFETCH(bool, serviceAnswers);
    QFETCH(QString, boxTitle);

    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    if (!serviceAnswers)
        rig->server.responder().script(QStringLiteral("get_password"), {});

    QString seenBox;
    bool stayedOpen = false;
    LxTest::answerNextDialog([&](QWidget* widget) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        QCOMPARE(QString::fromLatin1(dialog->metaObject()->className()), QStringLiteral("LogiInWindow"));
        dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"))->setText(typed);
        const int asked = rig->requestCount(QStringLiteral("get_password"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QTRY_COMPARE(rig->requestCount(QStringLiteral("get_password")), asked + 1);
        if (boxTitle.isEmpty())
            return; // the matching answer closes the dialog
        if (!serviceAnswers)
            QVERIFY(QMetaObject::invokeMethod(dialog, "noResponseTimeout"));
        QTRY_COMPARE(LxTest::visibleMessageBoxes().size(), 1);
        seenBox = LxTest::visibleMessageBoxes().first()->windowTitle();
        stayedOpen = dialog->isVisible();
        LxTest::closeAllMessageBoxes();
        dialog->reject();
    });
    w.findChild<QAction*>(QStringLiteral("actionActAsAdministrator"))->trigger();

    const QString digest = rig->world.adminDigest();
    if (boxTitle.isEmpty()) {
        QVERIFY(rig->administrator());
        QCOMPARE(rig->controller()->password(), digest);
        QVERIFY(w.windowTitle().endsWith(QLatin1String(" (Administrator)")));
        QVERIFY(w.findChild<QAction*>(QStringLiteral("actionLogout"))->isEnabled());
        // Later requests carry the credential.
        const int sent = rig->server.requests().size();
        QTRY_VERIFY(rig->server.requests().size() > sent + 2);
        QCOMPARE(rig->server.requests().last().pass, digest);

        // Logging out forgets it.
        w.findChild<QAction*>(QStringLiteral("actionLogout"))->trigger();
        QVERIFY(!rig->administrator());
        QCOMPARE(rig->controller()->password(), QString());
        const int after = rig->server.requests().size();
        QTRY_VERIFY(rig->server.requests().size() > after + 2);
        QCOMPARE(rig->server.requests().last().pass, QString());
        QVERIFY(!w.windowTitle().contains(QLatin1String("Administrator")));
    } else {
        QCOMPARE(seenBox, boxTitle);
        QVERIFY(stayedOpen);
        QVERIFY(!rig->administrator());
        QCOMPARE(rig->controller()->password(), QString());
    }
}

// Two services with different passwords: once the host changes, no request to
// the second carries the first one's digest, and the window shows no session
// until the user logs in there.
void TestMainWindow::hostChangeEndsTheSession()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    rig->logIn();
    const QString first = rig->world.adminDigest();
    // A report of the debug mode during the session leaves the session in the title.
    rig->server.push(ReplyBuilder::debugging(true));
    QTRY_VERIFY(w.windowTitle().contains(QLatin1String("[TRYB DEBUGOWANIA]")));
    QVERIFY(w.windowTitle().endsWith(QLatin1String(" (Administrator)")));

    ServiceRig second;
    second.world.setAdminPassword(QStringLiteral("inne hasło"));
    second.world.install(second.server.responder());
    if (!second.server.listen(QHostAddress(QStringLiteral("127.0.0.2")), rig->server.port()))
        QSKIP("127.0.0.2 is not usable here");
    LxTest::answerNextDialog([](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("ipEdit"))->setText(QStringLiteral("127.0.0.2"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    w.findChild<QAction*>(QStringLiteral("actionConnectWithService"))->trigger();

    QVERIFY(!rig->administrator());
    QCOMPARE(rig->controller()->password(), QString());
    QVERIFY(!w.windowTitle().contains(QLatin1String("Administrator")));
    for (const char* name :
         {"actionChangePassword", "actionApplicationConfiguration", "actionNetworkConfiguration",
          "actionLoggingConfiguration", "actionVirtualizationCenter"})
        QVERIFY2(!w.findChild<QAction*>(QLatin1String(name))->isEnabled(), name);
    QVERIFY(w.findChild<QAction*>(QStringLiteral("actionActAsAdministrator"))->isEnabled());
    // The start-up series and some polls.
    QTRY_VERIFY(second.server.requests().size() > 10);
    for (const LxSim::SimRequest& request : second.server.requests())
        QVERIFY2(request.pass != first, qPrintable(request.name));
}

void TestMainWindow::identicalPollsDoNoWidgetWork()
{
    QVERIFY(rig->startDemo());
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));
    QTRY_VERIFY(!rig->fieldText("workModeEdit").isEmpty());
    QTRY_COMPARE(rig->labelText("serviceWarningLabel"), QString());
    // Past the first status list, which colours the rows.
    const int statusListsBefore = rig->requestCount(QStringLiteral("get_ups_current_status_list"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_current_status_list")) > statusListsBefore + 1);

    // Marks that any new set of the same value would wipe.
    QList<QLineEdit*> edits;
    for (QLineEdit* edit : w.findChildren<QLineEdit*>()) {
        if (edit->text().isEmpty())
            continue;
        edit->selectAll();
        edits.append(edit);
    }
    QVERIFY(edits.size() >= 6);
    auto* pane = qobject_cast<QPlainTextEdit*>(rig->widget("deviceMessages"));
    QVERIFY(pane);
    pane->appendPlainText(QStringLiteral("mark"));
    QSignalSpy rowChanges(rig->tree(), &QTreeWidget::itemChanged);
    StyleWorkCounter styleWork;
    qApp->installEventFilter(&styleWork);

    const int statesBefore = rig->requestCount(QStringLiteral("get_ups_device_state"));
    const int listsBefore = rig->requestCount(QStringLiteral("get_ups_current_status_list"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_device_state")) > statesBefore + 3 &&
                rig->requestCount(QStringLiteral("get_ups_current_status_list")) > listsBefore + 2);
    qApp->removeEventFilter(&styleWork);

    QCOMPARE(styleWork.count, 0);
    QCOMPARE(rowChanges.count(), 0);
    for (QLineEdit* edit : qAsConst(edits))
        QVERIFY2(edit->hasSelectedText(), qPrintable(edit->parentWidget()->objectName()));
    QVERIFY(pane->toPlainText().endsWith(QLatin1String("mark")));
}

void TestMainWindow::hiddenToTrayDrawsTheLastStateOnShow()
{
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    scriptState(*rig, {{QStringLiteral("temperature"), QStringLiteral("20")}});
    w.toggleWindow();
    QVERIFY(w.isVisible());
    QTRY_COMPARE(rig->fieldText("temperatureEdit"), QStringLiteral("20 °C"));

    w.toggleWindow();
    QVERIFY(w.isHidden());
    scriptState(*rig, {{QStringLiteral("temperature"), QStringLiteral("31")}});
    const int before = rig->requestCount(QStringLiteral("get_ups_device_state"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_device_state")) > before + 2);
    // Nobody looks at the fields in the tray; the state is still taken.
    QCOMPARE(rig->fieldText("temperatureEdit"), QStringLiteral("20 °C"));
    QCOMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Połączono z UPS"));

    // Shown again, the window has the newest state at once, not a poll later.
    w.toggleWindow();
    QCOMPARE(rig->fieldText("temperatureEdit"), QStringLiteral("31 °C"));
}

LX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
