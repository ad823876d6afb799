#include "common/helpers.h"
#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/ups/upsconfigurationwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using Map = QMap<QString, QString>;
using Controller = Luminorix::UpsSocketController;

Q_DECLARE_METATYPE(Map)

namespace {
Luminorix::Utils::Ups record(const QString& model)
{
    Luminorix::Utils::Ups ups;
    ups.id = QStringLiteral("1");
    ups.model_name = model;
    return ups;
}

// "key=value|key=value"
Map mapOf(const QString& text)
{
    Map map;
    for (const QString& pair : text.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        map.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return map;
}

// Answers the boxes that open one after another with `buttons` in turn; the
// list returned fills with what each box said.
void answerFrom(const QSharedPointer<QStringList>& texts, QList<int> buttons)
{
    if (buttons.isEmpty())
        return;
    const int button = buttons.takeFirst();
    LxTest::answerNextDialog([texts, buttons, button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        texts->append(box->text());
        box->button(QMessageBox::StandardButton(button))->click();
        answerFrom(texts, buttons);
    });
}

QSharedPointer<QStringList> answerInTurn(const QList<int>& buttons)
{
    auto texts = QSharedPointer<QStringList>::create();
    answerFrom(texts, buttons);
    return texts;
}

// The dialog wired as the window wires it, the test standing in for the window's relay.
struct Config
{
    Controller controller;
    DialogRelay relay;
    UPSConfigurationWindow dialog;
    QSignalSpy accepted{&dialog, &QDialog::accepted};

    explicit Config(const QString& model = QStringLiteral("KitePro_USB")) : dialog(record(model))
    {
        // Opened by a logged-in administrator.
        controller.setPassword(hashPassword(QStringLiteral("Quillmarberon")));
        connectToService(&dialog, &controller, relay);
        dialog.show();
    }
    void feed(const Map& map) { emit relay.deviceConfiguration(map); }
    // As the window logs out: the session ends, then the relay tells the dialog.
    void logOut()
    {
        controller.setPassword(QString());
        emit relay.administratorLoggedOut();
    }

    QWidget* editor(const QString& key) const { return dialog.findChild<QWidget*>(key); }
    QButtonGroup* group(const QString& key) const { return dialog.findChild<QButtonGroup*>(key); }
    QGridLayout* grid() const { return dialog.findChild<QGridLayout*>(QStringLiteral("parametersGrid")); }
    QPushButton* button(QDialogButtonBox::StandardButton which) const
    {
        return dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which);
    }
    // The row of `key`, found by its "name" as the dialog reads it back.
    QLayout* row(const QString& key) const
    {
        for (int i = 0; i < grid()->count(); ++i) {
            QLayout* layout = grid()->itemAt(i)->layout();
            if (layout && layout->property("name").toString() == key)
                return layout;
        }
        return nullptr;
    }
    // The keys of the rows, in the order they were added.
    QStringList keys() const
    {
        QStringList out;
        for (int i = 0; i < grid()->count(); ++i)
            out << grid()->itemAt(i)->layout()->property("name").toString();
        return out;
    }
    // "key@row,column" of every row, in the order they were added.
    QStringList cells() const
    {
        QStringList out;
        for (int i = 0; i < grid()->count(); ++i) {
            int r = 0, c = 0, rs = 0, cs = 0;
            grid()->getItemPosition(i, &r, &c, &rs, &cs);
            out << QStringLiteral("%1@%2,%3").arg(keys().at(i)).arg(r).arg(c);
        }
        return out;
    }
    // Keys whose editor (or, for a radio row, every button) is enabled.
    QStringList enabledKeys() const
    {
        QStringList out;
        for (const QString& key : keys()) {
            bool enabled = false;
            if (QButtonGroup* g = group(key)) {
                enabled = !g->buttons().isEmpty();
                for (QAbstractButton* b : g->buttons())
                    enabled = enabled && b->isEnabled();
            } else {
                enabled = editor(key)->isEnabled();
            }
            if (enabled)
                out << key;
        }
        return out;
    }
    // Sets an editor as a user would: a line edit's text, a box's check ("1"/"0"),
    // a combo's or radio row's choice by its text.
    void set(const QString& key, const QString& value)
    {
        if (QButtonGroup* g = group(key)) {
            for (QAbstractButton* b : g->buttons()) {
                if (b->text() == value)
                    b->click();
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor(key))) {
            edit->setText(value);
        } else if (auto* box = qobject_cast<QCheckBox*>(editor(key))) {
            box->setChecked(value == QLatin1String("1"));
        } else if (auto* combo = qobject_cast<QComboBox*>(editor(key))) {
            combo->setCurrentIndex(combo->findText(value));
        }
    }
};
// The dialog fed over TCP from the stand-in's device "1" of `model`, whose
// configuration is `map`; save() stands in for the window, which sends the
// dialog's configuration when Save accepts it.
struct Served
{
    ServiceRig rig;
    Config c;

    Served(const QString& model, const Map& map) : c(model)
    {
        rig.world.setDevices({LxSim::SimDevice::named(QStringLiteral("1"), model, QStringLiteral("usb"),
                                                      QStringLiteral("UPS"))});
        rig.world.device(QStringLiteral("1"))->configuration = map;
        QObject::connect(&c.controller, &Controller::upsConfiguration, &c.relay,
                         &DialogRelay::deviceConfiguration);
    }
    bool start()
    {
        if (!rig.listen() || !rig.connect(c.controller) || c.grid()->count() == 0)
            return false;
        rig.server.clearRequests();
        return true;
    }
    void save()
    {
        c.button(QDialogButtonBox::Save)->click();
        if (c.accepted.size() > 0)
            c.controller.setUpsConfiguration(c.dialog.currentConfiguration());
    }
    // The configurations the stand-in received, once all sent has arrived.
    QList<Map> sentConfigurations()
    {
        if (!rig.waitForAllSent(c.controller))
            return {Map{{QStringLiteral("no fence"), QString()}}};
        QList<Map> sent;
        for (const LxSim::SimRequest& r : rig.requests(QStringLiteral("set_ups_configuration")))
            sent << r.toMap();
        return sent;
    }
};
} // namespace

class TestUpsConfigurationWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyUntilTheFirstMap();
    void boxTitledLikeTheWindow_data();
    void boxTitledLikeTheWindow();
    void editorKindPerKey_data();
    void editorKindPerKey();
    void rowsFillTwoColumns_data();
    void rowsFillTwoColumns();
    void laterMapsChangeNothing();
    void receivedMapGoesBackAsReceived_data();
    void receivedMapGoesBackAsReceived();
    void oneChangeGoesOut_data();
    void oneChangeGoesOut();
    void oneChangeAtATime_data();
    void oneChangeAtATime();
    void dhcpKeepsAddressFieldsOff();
    void saveChecksTheChangedParameter_data();
    void saveChecksTheChangedParameter();
    void logoutDisablesSave();
    void commandFlagsAskBeforeSave_data();
    void commandFlagsAskBeforeSave();
    void untouchedValuesGoBackAsReceived_data();
    void untouchedValuesGoBackAsReceived();
    void logoutDuringAQuestionSendsNothing_data();
    void logoutDuringAQuestionSendsNothing();
    void longReceivedValuesGoBackWhole_data();
    void longReceivedValuesGoBackWhole();
    void typingIsLimited_data();
    void typingIsLimited();
    void choiceRowReturnsToItsReceivedSetting_data();
    void choiceRowReturnsToItsReceivedSetting();
    void endlessChoicesShowAFewAndGoBackWhole_data();
    void endlessChoicesShowAFewAndGoBackWhole();

private:
    LxTest::ModalWatchdog* watchdog = nullptr;
};

void TestUpsConfigurationWindow::init()
{
    watchdog = new LxTest::ModalWatchdog;
}

void TestUpsConfigurationWindow::cleanup()
{
    LxTest::closeAllMessageBoxes();
    delete watchdog;
}

void TestUpsConfigurationWindow::emptyUntilTheFirstMap()
{
    Config c;
    QCOMPARE(c.dialog.windowTitle(), QStringLiteral("Konfiguracja UPS"));
    QCOMPARE(c.dialog.size(), QSize(805, 465));
    QCOMPARE(c.grid()->count(), 0);
    // Saved before any map: nothing to send, nothing checked.
    c.button(QDialogButtonBox::Save)->click();
    QCOMPARE(c.accepted.size(), 1);
    QVERIFY(c.dialog.currentConfiguration().isEmpty());
}

void TestUpsConfigurationWindow::boxTitledLikeTheWindow_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("title");
    QTest::newRow("UPS") << "KitePro_USB"
                         << "Konfiguracja UPS";
    QTest::newRow("generator set") << "Ibis_SNMP"
                                   << "Konfiguracja agregatu";
}

// The opener retitles the window for a generator set; the group box says the same.
void TestUpsConfigurationWindow::boxTitledLikeTheWindow()
{
    QFETCH(QString, model);
    QFETCH(QString, title);
    Config c(model);
    QCOMPARE(c.dialog.findChild<QGroupBox*>(QStringLiteral("informationsGroupBox"))->title(), title);
}

void TestUpsConfigurationWindow::editorKindPerKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("editorClass");
    // Text, check, current choice, or radio choices: a setting that is none of
    // them has an unchecked button of its own after them.
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("unit");

    QTest::newRow("line edit") << "output_voltage"
                               << "230"
                               << "QLineEdit"
                               << "230" << 60 << true << "VAC rms";
    QTest::newRow("wide line edit") << "snmp_agent_ip"
                                    << "10.0.0.2"
                                    << "QLineEdit"
                                    << "10.0.0.2" << 120 << true << "";
    QTest::newRow("hidden line edit") << "dummy0"
                                      << "7"
                                      << "QLineEdit"
                                      << "7" << 60 << false << "brak";
    QTest::newRow("degrees") << "over_temperature_point"
                             << "45"
                             << "QLineEdit"
                             << "45" << 60 << true
                             << QString::fromUtf8("\xc2\xb0"
                                                  "C");
    QTest::newRow("check box on") << "epo"
                                  << "1"
                                  << "QCheckBox"
                                  << "1" << -1 << true << "";
    QTest::newRow("check box on at 2") << "bypass"
                                       << "2"
                                       << "QCheckBox"
                                       << "1" << -1 << true << "";
    QTest::newRow("check box unreadable") << "eco_mode"
                                          << "yes"
                                          << "QCheckBox"
                                          << "0" << -1 << true << "";
    QTest::newRow("combo box") << "output_frequency_option"
                               << "60;50;60"
                               << "QComboBox"
                               << "60" << 120 << true << "Hz";
    QTest::newRow("combo box, no match") << "working_frequency"
                                         << "55;50;60"
                                         << "QComboBox"
                                         << "55" << 120 << true << "Hz";
    QTest::newRow("combo box, no choices") << "frequency_mode"
                                           << "auto"
                                           << "QComboBox"
                                           << "auto" << 120 << true << "";
    QTest::newRow("radio row") << "controller_mode_option"
                               << "MAN;OFF;MAN;AUTO"
                               << "QButtonGroup"
                               << "OFF,*MAN,AUTO" << -1 << true << "";
    QTest::newRow("radio row, no match") << "controller_mode_option"
                                         << "REMOTE;OFF;MAN"
                                         << "QButtonGroup"
                                         << "OFF,MAN,REMOTE" << -1 << true << "";
}

void TestUpsConfigurationWindow::editorKindPerKey()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, editorClass);
    QFETCH(QString, state);
    QFETCH(int, width);
    QFETCH(bool, shown);
    QFETCH(QString, unit);

    Config c;
    c.feed({{key, value}, {QStringLiteral("not_in_catalogue"), QStringLiteral("1")}});
    QCOMPARE(c.keys(), QStringList{key});
    QLayout* row = c.row(key);
    QObject* editor = c.group(key) ? static_cast<QObject*>(c.group(key)) : c.editor(key);
    QVERIFY(editor);
    QCOMPARE(QString::fromLatin1(editor->metaObject()->className()), editorClass);
    QCOMPARE(editor->property("originalValue").toString(), value);

    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        QCOMPARE(edit->text(), state);
        QCOMPARE(edit->width(), width);
        for (int i = 0; i < 3; ++i)
            QTRY_COMPARE(row->itemAt(i)->widget()->isVisible(), shown);
        QCOMPARE(qobject_cast<QLabel*>(row->itemAt(2)->widget())->text(), unit);
    } else if (auto* box = qobject_cast<QCheckBox*>(editor)) {
        QCOMPARE(QString::fromLatin1(box->isChecked() ? "1" : "0"), state);
        QCOMPARE(row->count(), 1);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // A setting that is none of the choices shows as it came, not the first choice.
        QCOMPARE(combo->currentText(), state);
        QCOMPARE(combo->currentIndex() == -1, state.isEmpty());
        QCOMPARE(combo->width(), width);
        QVERIFY(!combo->isEditable());
        QCOMPARE(qobject_cast<QLabel*>(row->itemAt(2)->widget())->text(), unit);
    } else {
        QStringList buttons;
        for (QAbstractButton* b : c.group(key)->buttons())
            buttons << (b->isChecked() ? QStringLiteral("*") : QString()) + b->text();
        QCOMPARE(buttons.join(QLatin1Char(',')), state);
    }
}

void TestUpsConfigurationWindow::rowsFillTwoColumns_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("five: two, then three")
        << "epo=0|lower_threshold=180|output_frequency=50|output_voltage=230|upper_threshold=260"
        << QStringList{"output_voltage@0,0", "output_frequency@1,0", "lower_threshold@0,1",
                       "upper_threshold@1,1", "epo@2,1"};
    // Keys outside the catalogue count for the half, so column 0 takes three.
    QTest::newRow("six with two unknown")
        << "a_unknown=1|epo=0|output_frequency=50|output_voltage=230|upper_threshold=260|z_unknown=2"
        << QStringList{"output_voltage@0,0", "output_frequency@1,0", "upper_threshold@2,0", "epo@0,1"};
    QTest::newRow("catalogue order, not the map's")
        << "ncl_turn_on_sec_delay=5|output_voltage=230"
        << QStringList{"output_voltage@0,0", "ncl_turn_on_sec_delay@0,1"};
    QTest::newRow("same label twice")
        << "on_off=0|waiting_force=1" << QStringList{"on_off@0,0", "waiting_force@0,1"};
    QTest::newRow("unknown keys only") << "battery_capacity=100|autonomy_time=18" << QStringList();
}

void TestUpsConfigurationWindow::rowsFillTwoColumns()
{
    QFETCH(QString, map);
    Config c;
    c.feed(mapOf(map));
    QTEST(c.cells(), "cells");
}

void TestUpsConfigurationWindow::laterMapsChangeNothing()
{
    Config c;
    c.feed(mapOf(QStringLiteral("output_voltage=230|epo=0")));
    c.set(QStringLiteral("output_voltage"), QStringLiteral("220"));
    c.feed(mapOf(QStringLiteral("output_voltage=240|epo=1|eco_mode=1")));
    QCOMPARE(c.keys(), (QStringList{"output_voltage", "epo"}));
    QCOMPARE(c.dialog.currentConfiguration(), mapOf(QStringLiteral("output_voltage=220|epo=0")));
}

void TestUpsConfigurationWindow::receivedMapGoesBackAsReceived_data()
{
    QTest::addColumn<QString>("model");
    QTest::newRow("UPS: a combo matching none") << "KitePro_USB";
    QTest::newRow("three-phase UPS") << "Harrier33_SNMP";
    QTest::newRow("generator set: a radio row matching none") << "Ibis_SNMP";
    QTest::newRow("network card: free texts with &") << "OspreyRT_SNMP";
}

// The stand-in's map reaches the dialog over TCP; saved untouched, every value
// goes back exactly as received, also those the dialog cannot show as a choice.
void TestUpsConfigurationWindow::receivedMapGoesBackAsReceived()
{
    QFETCH(QString, model);
    ServiceRig rig;
    rig.world.setDevices(
        {LxSim::SimDevice::named(QStringLiteral("1"), model, QStringLiteral("usb"), QStringLiteral("UPS"))});
    QVERIFY(rig.listen());
    Config c(model);
    QSignalSpy received(&c.controller, &Controller::upsConfiguration);
    // The test stands in for the window, which forwards each map through its relay.
    QObject::connect(&c.controller, &Controller::upsConfiguration, &c.relay,
                     &DialogRelay::deviceConfiguration);
    QVERIFY(rig.connect(c.controller));
    const Map map = received.first().first().value<Map>();
    QCOMPARE(map, rig.world.device(QStringLiteral("1"))->configuration);
    QVERIFY(c.grid()->count() > 5);

    c.button(QDialogButtonBox::Save)->click();
    QCOMPARE(c.accepted.size(), 1);
    rig.server.clearRequests();
    c.controller.setUpsConfiguration(c.dialog.currentConfiguration());
    QVERIFY(rig.waitForRequests(1));
    const LxSim::SimRequest request = rig.server.requests().first();
    QCOMPARE(request.name, QStringLiteral("set_ups_configuration"));
    QCOMPARE(request.toMap(), map);
    if (map.contains(QStringLiteral("snmp_syslocation")))
        QVERIFY(
            request.payload().contains(QLatin1String("<snmp_syslocation>R&amp;D room</snmp_syslocation>")));
}

void TestUpsConfigurationWindow::oneChangeGoesOut_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("sent");

    const QString map = QStringLiteral("output_voltage=230|bypass=2|output_frequency_option=50;50;60|"
                                       "working_frequency=55;50;60|controller_mode_option=REMOTE;AUTO;OFF|"
                                       "snmp_sysname=ups-1");
    QTest::newRow("line edit") << map << "output_voltage"
                               << "220"
                               << "220";
    QTest::newRow("free text with &") << map << "snmp_sysname"
                                      << "R&D <room>"
                                      << "R&D <room>";
    QTest::newRow("check box") << map << "bypass"
                               << "0"
                               << "0";
    QTest::newRow("combo box") << map << "output_frequency_option"
                               << "60"
                               << "60;50;60";
    QTest::newRow("combo box that matched none") << map << "working_frequency"
                                                 << "50"
                                                 << "50;50;60";
    QTest::newRow("radio row that matched none") << map << "controller_mode_option"
                                                 << "OFF"
                                                 << "OFF;AUTO;OFF";
}

void TestUpsConfigurationWindow::oneChangeGoesOut()
{
    QFETCH(QString, map);
    QFETCH(QString, key);
    QFETCH(QString, choice);
    QFETCH(QString, sent);

    Config c;
    const Map received = mapOf(map);
    c.feed(received);
    c.set(key, choice);
    QCOMPARE(c.dialog.changedParameter().first, key);
    c.button(QDialogButtonBox::Save)->click();
    QCOMPARE(c.accepted.size(), 1);

    Map expected = received;
    expected.insert(key, sent);
    QCOMPARE(c.dialog.currentConfiguration(), expected);
}

void TestUpsConfigurationWindow::oneChangeAtATime_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("back");

    QTest::newRow("line edit") << "output_voltage"
                               << "2300"
                               << "230";
    QTest::newRow("check box") << "epo"
                               << "1"
                               << "0";
    // On at "2": unchecked and checked again is the state it was filled with.
    QTest::newRow("check box at 2") << "bypass"
                                    << "0"
                                    << "1";
    QTest::newRow("combo box") << "output_frequency_option"
                               << "60"
                               << "50";
    QTest::newRow("radio row") << "controller_mode_option"
                               << "OFF"
                               << "AUTO";
}

void TestUpsConfigurationWindow::oneChangeAtATime()
{
    QFETCH(QString, key);
    QFETCH(QString, changed);
    QFETCH(QString, back);

    Config c;
    c.feed(mapOf(QStringLiteral("output_voltage=230|epo=0|bypass=2|output_frequency_option=50;50;60|"
                                "controller_mode_option=AUTO;AUTO;OFF")));
    const QStringList all = c.keys();
    QCOMPARE(c.enabledKeys(), all);

    c.set(key, changed);
    QCOMPARE(c.enabledKeys(), QStringList{key});
    QCOMPARE(c.dialog.changedParameter().first, key);
    c.set(key, back);
    QCOMPARE(c.enabledKeys(), all);
    QCOMPARE(c.dialog.changedParameter(), (QPair<QString, QString>()));
}

void TestUpsConfigurationWindow::dhcpKeepsAddressFieldsOff()
{
    Config c(QStringLiteral("OspreyRT_SNMP"));
    c.feed(mapOf(QStringLiteral("dhcp_enable=1|snmp_agent_ip=10.0.0.2|network_mask=255.0.0.0|"
                                "default_gateway=10.0.0.1|output_voltage=230")));
    const QStringList open{"output_voltage", "dhcp_enable"};
    QCOMPARE(c.enabledKeys(), open);
    c.set(QStringLiteral("output_voltage"), QStringLiteral("220"));
    QCOMPARE(c.enabledKeys(), QStringList{"output_voltage"});
    c.set(QStringLiteral("output_voltage"), QStringLiteral("230"));
    QCOMPARE(c.enabledKeys(), open);
    // Turning DHCP off here does not open them: the card applies it only after a reset.
    c.set(QStringLiteral("dhcp_enable"), QStringLiteral("0"));
    QCOMPARE(c.enabledKeys(), QStringList{"dhcp_enable"});
}

void TestUpsConfigurationWindow::saveChecksTheChangedParameter_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("answer"); // 0: no box expected
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<bool>("accepted");

    const int yes = QMessageBox::Yes, no = QMessageBox::No, ok = QMessageBox::Ok;
    const QString epo = QStringLiteral("Nastąpi awaryjne wyłączenie zasilania (EPO). Czy kontynuować?");
    const QString osprey = QStringLiteral("OspreyRT_SNMP");

    QTest::newRow("no change, no box") << osprey << "standby_delay=99999|epo=0"
                                       << ""
                                       << "" << 0 << "" << true;
    // "bypass" comes first and reads "1" against "2": the edited row is still the one checked.
    QTest::newRow("EPO answered No") << "Harrier33_SNMP"
                                     << "bypass=2|epo=0"
                                     << "epo"
                                     << "1" << no << epo << false;
    QTest::newRow("EPO answered Yes") << "Harrier33_SNMP"
                                      << "bypass=2|epo=0"
                                      << "epo"
                                      << "1" << yes << epo << true;
    QTest::newRow("EPO off asks too") << "HarrierRT_USB"
                                      << "epo=1"
                                      << "epo"
                                      << "0" << no << epo << false;
    // No question of its own there: the one of every command flag.
    QTest::newRow("EPO elsewhere")
        << "KitePro_USB"
        << "epo=0"
        << "epo"
        << "1" << yes
        << "Zapisanie konfiguracji wyśle do urządzenia polecenia:\n- Wyzwolenie EPO\n"
           "Czy kontynuować?"
        << true;
    QTest::newRow("wear reset answered No")
        << osprey << "reset_battery_error=0"
        << "reset_battery_error"
        << "1" << no
        << "Nastąpi reset licznika zużycia akumulatora.\nFunkcję resetu należy wykonać jednorazowo, "
           "niezwłocznie po każdej wymianie akumulatora w UPS. Czy kontynuować?"
        << false;
    // Turned off, it is no command: the note alone.
    QTest::newRow("battery test note") << "Plover_USB"
                                       << "battery_short_test=1"
                                       << "battery_short_test"
                                       << "0" << ok
                                       << "W przypadku niepowodzenia testu baterii UPS będzie wydawał sygnał "
                                          "dźwiękowy co 2 sekundy. Jeżeli stan baterii będzie krytyczny UPS "
                                          "zasygnalizuje to świeceniem czerwonej diody."
                                       << true;
    // A combo matching none comes first: the address is still what gets checked.
    QTest::newRow("bad address") << osprey << "output_frequency_option=55;50;60|snmp_agent_ip=1.2.3.4"
                                 << "snmp_agent_ip"
                                 << "1.2.3" << ok << "Wprowadzono nieprawidłowy adres IP" << false;
    QTest::newRow("address notice")
        << osprey << "snmp_agent_ip=1.2.3.4"
        << "snmp_agent_ip"
        << "1.2.3.5" << ok
        << "Zmiany parametrów \"Adres IP\", \"Maska podsieci\", \"Brama domyślna\" "
           "oraz \"DHCP włączony\" zostaną zastosowane po wyłączeniu i ponownym "
           "uruchomieniu karty sieciowej (opcja \"Resetuj ethernet\")"
        << true;
    QTest::newRow("user with a Polish letter")
        << osprey << "http_service_user=admin"
        << "http_service_user"
        << "użytkownik" << ok << "Hasło lub nazwa użytkownika zawiera niedozwolone znaki" << false;
    QTest::newRow("standby out of range") << osprey << "standby_delay=30"
                                          << "standby_delay"
                                          << "65535" << ok << "Dopuszczalny zakres to 0 - 65534" << false;
    QTest::newRow("standby elsewhere") << "KitePro_USB"
                                       << "standby_delay=30"
                                       << "standby_delay"
                                       << "65535" << 0 << "" << true;
}

void TestUpsConfigurationWindow::saveChecksTheChangedParameter()
{
    QFETCH(QString, model);
    QFETCH(QString, map);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, answer);
    QFETCH(QString, boxText);
    QFETCH(bool, accepted);

    Config c(model);
    c.feed(mapOf(map));
    if (!key.isEmpty())
        c.set(key, value);
    QSharedPointer<LxTest::SeenBox> seen;
    if (answer)
        seen = LxTest::answerNextMessageBox(QMessageBox::StandardButton(answer));
    c.button(QDialogButtonBox::Save)->click();
    if (seen) {
        QVERIFY(seen->seen);
        QCOMPARE(seen->windowTitle, QStringLiteral("Uwaga"));
        QCOMPARE(seen->text, boxText);
    }
    QCOMPARE(LxTest::visibleMessageBoxes().size(), 0);
    QCOMPARE(c.accepted.size(), accepted ? 1 : 0);
    QCOMPARE(c.dialog.isVisible(), !accepted);
}

void TestUpsConfigurationWindow::logoutDisablesSave()
{
    Config c;
    c.feed(mapOf(QStringLiteral("output_voltage=230|epo=0")));
    QVERIFY(c.button(QDialogButtonBox::Save)->isEnabled());
    c.logOut();
    QVERIFY(!c.button(QDialogButtonBox::Save)->isEnabled());
    QVERIFY(c.button(QDialogButtonBox::Cancel)->isEnabled());
    QCOMPARE(c.enabledKeys(), (QStringList{"output_voltage", "epo"}));
    // A later map while logged out builds nothing new and leaves Save off.
    c.feed(mapOf(QStringLiteral("eco_mode=0")));
    QVERIFY(!c.button(QDialogButtonBox::Save)->isEnabled());
}

void TestUpsConfigurationWindow::commandFlagsAskBeforeSave_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("change"); // "key=value", or nothing changed
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("sent");

    const int yes = QMessageBox::Yes, no = QMessageBox::No, ok = QMessageBox::Ok;
    const QString epo = QStringLiteral("Nastąpi awaryjne wyłączenie zasilania (EPO). Czy kontynuować?");
    const QString wear = QStringLiteral(
        "Nastąpi reset licznika zużycia akumulatora.\nFunkcję resetu należy wykonać jednorazowo, "
        "niezwłocznie po każdej wymianie akumulatora w UPS. Czy kontynuować?");
    const auto commands = [](const QStringList& labels) {
        return QStringLiteral("Zapisanie konfiguracji wyśle do urządzenia polecenia:\n- %1\nCzy kontynuować?")
            .arg(labels.join(QStringLiteral("\n- ")));
    };
    const QString delay = QStringLiteral("shutdown_delay=7");

    QTest::newRow("stored genset off, No")
        << "Ibis_SNMP"
        << "remote_turn_off_genset=1|shutdown_delay=5" << delay << QList<int>{no}
        << QStringList{commands({"Zdalne wyłączenie agregatu"})} << false;
    QTest::newRow("stored genset off, Yes")
        << "Ibis_SNMP"
        << "remote_turn_off_genset=1|shutdown_delay=5" << delay << QList<int>{yes}
        << QStringList{commands({"Zdalne wyłączenie agregatu"})} << true;
    QTest::newRow("stored UPS off") << "KitePro_USB"
                                    << "remote_turn_off_ups=1|shutdown_delay=5" << delay << QList<int>{no}
                                    << QStringList{commands({"Zdalne wyłączenie UPS"})} << false;
    QTest::newRow("stored battery test") << "Harrier33_SNMP"
                                         << "batt_test=1|shutdown_delay=5" << delay << QList<int>{no}
                                         << QStringList{commands({"Wywołanie testu akumulatorów"})} << false;
    QTest::newRow("resets and defaults in one question, in catalogue order")
        << "KitePro_USB"
        << "restore_default_settings_ups=1|reset_statistics=1|reset_states=1|shutdown_delay=5" << delay
        << QList<int>{yes}
        << QStringList{commands(
               {"Kasowanie st. awaryjnych", "Resetuj statystyki", "Przywróć domyślne ustawienia UPS"})}
        << true;
    QTest::newRow("nothing changed still sends it")
        << "KitePro_USB"
        << "remote_turn_off_ups=1|shutdown_delay=5"
        << "" << QList<int>{no} << QStringList{commands({"Zdalne wyłączenie UPS"})} << false;
    QTest::newRow("set now") << "KitePro_USB"
                             << "remote_turn_off_ups=0|shutdown_delay=5"
                             << "remote_turn_off_ups=1" << QList<int>{no}
                             << QStringList{commands({"Zdalne wyłączenie UPS"})} << false;
    QTest::newRow("stored at 3, Yes: it goes back as 3")
        << "KitePro_USB"
        << "remote_turn_off_ups=3|shutdown_delay=5" << delay << QList<int>{yes}
        << QStringList{commands({"Zdalne wyłączenie UPS"})} << true;
    QTest::newRow("EPO where the model has no question of its own")
        << "KitePro_USB"
        << "epo=1|shutdown_delay=5" << delay << QList<int>{no} << QStringList{commands({"Wyzwolenie EPO"})}
        << false;
    // EPO keeps its own question and is not listed again; the list's No still stops.
    QTest::newRow("EPO's own question, then the others")
        << "Harrier33_SNMP"
        << "epo=1|remote_turn_off_ups=1|shutdown_delay=5" << delay << (QList<int>{yes, no})
        << QStringList{epo, commands({"Zdalne wyłączenie UPS"})} << false;
    QTest::newRow("EPO on at 2, No") << "HarrierRT_USB"
                                     << "epo=2|shutdown_delay=5" << delay << QList<int>{no}
                                     << QStringList{epo} << false;
    QTest::newRow("EPO on, Yes") << "Harrier33_SNMP"
                                 << "epo=1|shutdown_delay=5" << delay << QList<int>{yes} << QStringList{epo}
                                 << true;
    QTest::newRow("wear reset on, No")
        << "OspreyRT_SNMP"
        << "reset_battery_error=1|shutdown_delay=5" << delay << QList<int>{no} << QStringList{wear} << false;
    QTest::newRow("battery test: the note, then the question")
        << "Plover_USB"
        << "battery_short_test=1|shutdown_delay=5" << delay << (QList<int>{ok, yes})
        << QStringList{QStringLiteral("W przypadku niepowodzenia testu baterii UPS będzie wydawał sygnał "
                                      "dźwiękowy co 2 sekundy. Jeżeli stan baterii będzie krytyczny UPS "
                                      "zasygnalizuje to świeceniem czerwonej diody."),
                       commands({"Test baterii 10 s"})}
        << true;
    QTest::newRow("flags off ask nothing")
        << "Harrier33_SNMP"
        << "epo=0|remote_turn_off_ups=0|shutdown_delay=5" << delay << QList<int>() << QStringList() << true;
}

// The whole configuration goes out on Save, and the device runs a command each
// time its flag arrives on, stored or set now: every such flag asks first.
void TestUpsConfigurationWindow::commandFlagsAskBeforeSave()
{
    QFETCH(QString, model);
    QFETCH(QString, map);
    QFETCH(QString, change);
    QFETCH(QList<int>, answers);
    QFETCH(bool, sent);

    Served s(model, mapOf(map));
    QVERIFY(s.start());
    Map expected = mapOf(map);
    if (!change.isEmpty()) {
        const Map changed = mapOf(change);
        s.c.set(changed.firstKey(), changed.first());
        expected.insert(changed.firstKey(), changed.first());
    }
    const QSharedPointer<QStringList> texts = answerInTurn(answers);
    s.save();
    QTEST(*texts, "texts");
    QCOMPARE(LxTest::visibleMessageBoxes().size(), 0);
    QCOMPARE(s.c.dialog.isVisible(), !sent);
    // The whole map goes, the flags included, each as it came.
    QCOMPARE(s.sentConfigurations(), sent ? QList<Map>{expected} : QList<Map>());
}

void TestUpsConfigurationWindow::untouchedValuesGoBackAsReceived_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("received");
    QTest::addColumn<bool>("toggledBack"); // a box clicked twice, back where it was
    QTest::addColumn<bool>("asks");        // a command flag: its question is answered Yes

    QTest::newRow("on at 2") << "on_off"
                             << "2" << false << false;
    QTest::newRow("on at 01") << "sound_alarm"
                              << "01" << false << false;
    QTest::newRow("on at -1") << "bypass"
                              << "-1" << false << false;
    QTest::newRow("unreadable, shown off") << "eco_mode"
                                           << "yes" << false << false;
    QTest::newRow("command flag at 3") << "remote_turn_off_ups"
                                       << "3" << false << true;
    QTest::newRow("clicked twice") << "on_off"
                                   << "2" << true << false;
    QTest::newRow("text longer than a line edit holds")
        << "snmp_sysname" << QString(40000, QLatin1Char('n')) << false << false;
    QTest::newRow("radio row without choices") << "controller_mode_option"
                                               << "MAN" << false << false;
}

// Saving a change of another field sends the untouched ones as they came, not
// as their editor would write them.
void TestUpsConfigurationWindow::untouchedValuesGoBackAsReceived()
{
    QFETCH(QString, key);
    QFETCH(QString, received);
    QFETCH(bool, toggledBack);
    QFETCH(bool, asks);

    Config c;
    c.feed({{key, received}, {QStringLiteral("shutdown_delay"), QStringLiteral("5")}});
    if (toggledBack) {
        auto* box = qobject_cast<QCheckBox*>(c.editor(key));
        QVERIFY(box);
        box->click();
        QCOMPARE(c.enabledKeys(), QStringList{key});
        box->click();
    }
    c.set(QStringLiteral("shutdown_delay"), QStringLiteral("7"));
    const QSharedPointer<QStringList> texts =
        answerInTurn(asks ? QList<int>{QMessageBox::Yes} : QList<int>());
    c.button(QDialogButtonBox::Save)->click();
    QCOMPARE(texts->size(), asks ? 1 : 0);
    QCOMPARE(c.accepted.size(), 1);
    QCOMPARE(c.dialog.currentConfiguration(),
             (Map{{key, received}, {QStringLiteral("shutdown_delay"), QStringLiteral("7")}}));
}

void TestUpsConfigurationWindow::logoutDuringAQuestionSendsNothing_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("EPO") << "Harrier33_SNMP"
                         << "epo=0|shutdown_delay=5"
                         << "epo"
                         << "1";
    QTest::newRow("wear reset") << "OspreyRT_SNMP"
                                << "reset_battery_error=0"
                                << "reset_battery_error"
                                << "1";
    QTest::newRow("battery test note") << "Plover_USB"
                                       << "battery_short_test=0"
                                       << "battery_short_test"
                                       << "1";
    QTest::newRow("stored EPO") << "Harrier33_SNMP"
                                << "epo=1|shutdown_delay=5"
                                << "shutdown_delay"
                                << "7";
    QTest::newRow("stored command") << "KitePro_USB"
                                    << "remote_turn_off_ups=1|shutdown_delay=5"
                                    << "shutdown_delay"
                                    << "7";
}

// The session ends while a box is open (a log-out, a service restart); the
// answer that follows must not send with an empty password nor close the dialog.
void TestUpsConfigurationWindow::logoutDuringAQuestionSendsNothing()
{
    QFETCH(QString, model);
    QFETCH(QString, map);
    QFETCH(QString, key);
    QFETCH(QString, value);

    Served s(model, mapOf(map));
    QVERIFY(s.start());
    s.c.set(key, value);
    Config* config = &s.c;
    const auto seen = LxTest::answerNextDialog([config](QWidget* w) {
        config->logOut();
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        (yes ? yes : box->button(QMessageBox::Ok))->click();
    });
    s.save();
    QVERIFY(seen->seen);
    // Told, not silently dropped.
    QCOMPARE(LxTest::takeMessageBoxes(),
             (QList<LxTest::ShownBox>{{"Sesja zakończona",
                                       "Sesja administratora zakończyła się, zmiany nie "
                                       "zostały wysłane. Zaloguj się ponownie, aby je wysłać."}}));
    QCOMPARE(s.c.accepted.size(), 0);
    QVERIFY(s.c.dialog.isVisible());
    QCOMPARE(s.c.dialog.changedParameter().first, key);
    QCOMPARE(s.sentConfigurations(), QList<Map>());
}

void TestUpsConfigurationWindow::longReceivedValuesGoBackWhole_data()
{
    QTest::addColumn<QString>("map");
    QTest::newRow("decimals of a numeric key") << "output_voltage=230.00|shutdown_delay=5";
    QTest::newRow("more digits than may be typed") << "standby_delay=1234567|shutdown_delay=5";
    QTest::newRow("signed with a blank") << "auth_time_low_battery=- 1200.5|shutdown_delay=5";
    QTest::newRow("not a number at all") << "battery_modules_count=unknown value|shutdown_delay=5";
}

// Five characters is what the user may type; what the device reports is shown
// and sent back whole, whether the user saves untouched or changes another row.
void TestUpsConfigurationWindow::longReceivedValuesGoBackWhole()
{
    QFETCH(QString, map);
    const Map received = mapOf(map);
    for (const bool other : {false, true}) {
        Served s(QStringLiteral("KitePro_USB"), received);
        QVERIFY(s.start());
        const QString key =
            received.firstKey() == QLatin1String("shutdown_delay") ? received.lastKey() : received.firstKey();
        auto* edit = qobject_cast<QLineEdit*>(s.c.editor(key));
        QVERIFY(edit);
        QCOMPARE(edit->text(), received.value(key));
        Map expected = received;
        if (other) {
            s.c.set(QStringLiteral("shutdown_delay"), QStringLiteral("7"));
            expected.insert(QStringLiteral("shutdown_delay"), QStringLiteral("7"));
        }
        s.save();
        QCOMPARE(s.c.accepted.size(), 1);
        QCOMPARE(s.sentConfigurations(), QList<Map>{expected});
    }
}

void TestUpsConfigurationWindow::typingIsLimited_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("keys"); // typed at the end; "<" is a backspace
    QTest::addColumn<QString>("text");

    QTest::newRow("short value grows to five") << "230"
                                               << "4567"
                                               << "23045";
    QTest::newRow("empty value") << ""
                                 << "1234567"
                                 << "12345";
    QTest::newRow("long value cannot grow") << "1234567"
                                            << "8"
                                            << "1234567";
    QTest::newRow("long value may shrink") << "1234567"
                                           << "<<"
                                           << "12345";
    QTest::newRow("shrunk, it cannot grow back past five") << "1234567"
                                                           << "<<<89"
                                                           << "12348";
    QTest::newRow("the pattern still holds") << "230"
                                             << "x"
                                             << "230";
}

void TestUpsConfigurationWindow::typingIsLimited()
{
    QFETCH(QString, received);
    QFETCH(QString, keys);
    Config c;
    c.feed({{QStringLiteral("standby_delay"), received}});
    auto* edit = qobject_cast<QLineEdit*>(c.editor(QStringLiteral("standby_delay")));
    QVERIFY(edit);
    QCOMPARE(edit->text(), received);
    edit->setFocus();
    edit->end(false);
    for (const QChar k : keys) {
        if (k == QLatin1Char('<'))
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, QString(k));
    }
    QTEST(edit->text(), "text");
}

void TestUpsConfigurationWindow::choiceRowReturnsToItsReceivedSetting_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("other");

    QTest::newRow("combo box") << "working_frequency"
                               << "55;50;60"
                               << "50";
    QTest::newRow("combo box, empty setting") << "working_frequency"
                                              << ";50;60"
                                              << "60";
    QTest::newRow("radio row") << "controller_mode_option"
                               << "REMOTE;OFF;MAN"
                               << "MAN";
}

// A setting the choices do not hold is shown as its own entry; after another choice
// the user can pick it again, and the row is untouched as far as Save goes.
void TestUpsConfigurationWindow::choiceRowReturnsToItsReceivedSetting()
{
    QFETCH(QString, key);
    QFETCH(QString, received);
    QFETCH(QString, other);

    Config c;
    const Map map{{key, received}, {QStringLiteral("output_voltage"), QStringLiteral("230")}};
    c.feed(map);
    const QStringList all = c.keys();
    const QString setting = received.section(QLatin1Char(';'), 0, 0);
    c.set(key, other);
    QCOMPARE(c.enabledKeys(), QStringList{key});

    if (QButtonGroup* g = c.group(key)) {
        QAbstractButton* back = nullptr;
        for (QAbstractButton* b : g->buttons()) {
            if (b->text() == setting)
                back = b;
        }
        QVERIFY(back);
        back->click();
    } else {
        auto* combo = qobject_cast<QComboBox*>(c.editor(key));
        const int back = combo->findText(setting, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY(back >= 0);
        combo->setCurrentIndex(back);
    }
    QCOMPARE(c.enabledKeys(), all);
    QCOMPARE(c.dialog.changedParameter(), (QPair<QString, QString>()));
    QCOMPARE(c.dialog.currentConfiguration(), map);

    // The other editors are free again: a change there goes out beside it.
    c.set(QStringLiteral("output_voltage"), QStringLiteral("220"));
    QCOMPARE(c.dialog.changedParameter().first, QStringLiteral("output_voltage"));
    QCOMPARE(c.dialog.currentConfiguration().value(key), received);
}

void TestUpsConfigurationWindow::endlessChoicesShowAFewAndGoBackWhole_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("setting"); // the received setting: choice 0, or none of them
    QTest::addColumn<int>("shown");       // entries or buttons, the received setting's own included

    QTest::newRow("combo box") << "output_frequency_option"
                               << "c0" << 100;
    QTest::newRow("combo box, setting past the shown ones") << "output_frequency_option"
                                                            << "c150" << 101;
    QTest::newRow("radio row") << "controller_mode_option"
                               << "c0" << 100;
    QTest::newRow("radio row, setting none of them") << "controller_mode_option"
                                                     << "OFF" << 101;
}

// A reply may list far more choices than any device has: the row shows the
// first ones, and every choice still goes back, untouched or after a change.
void TestUpsConfigurationWindow::endlessChoicesShowAFewAndGoBackWhole()
{
    QFETCH(QString, key);
    QFETCH(QString, setting);
    QFETCH(int, shown);

    QStringList choices;
    for (int i = 0; i < 5000; ++i)
        choices << QStringLiteral("c%1").arg(i);
    const QString value = setting + QLatin1Char(';') + choices.join(QLatin1Char(';'));
    Config c;
    c.feed({{key, value}});
    if (QButtonGroup* g = c.group(key))
        QCOMPARE(g->buttons().size(), shown);
    else
        QCOMPARE(qobject_cast<QComboBox*>(c.editor(key))->count(), shown);
    QCOMPARE(c.dialog.currentConfiguration().value(key), value);

    c.set(key, QStringLiteral("c7"));
    QCOMPARE(c.dialog.changedParameter(), qMakePair(key, QStringLiteral("c7")));
    QCOMPARE(c.dialog.currentConfiguration().value(key),
             QStringLiteral("c7;") + choices.join(QLatin1Char(';')));
}

LX_TEST_MAIN(TestUpsConfigurationWindow)
#include "tst_upsconfigurationwindow.moc"
