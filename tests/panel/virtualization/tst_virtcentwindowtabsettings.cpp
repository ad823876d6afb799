#include "panel/base/answerwait.h"
#include "panel/virtualization/virtcentwindowtabsettings.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "vcrig.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {
const QString title = QStringLiteral("Centrum wirtualizacji");
const QString setSettings = QStringLiteral("set_virtualization_center_settings");

// The tab on a controller connected to the stand-in, its start-up answered.
struct Settings
{
    VcRig vc;
    VirtCentWindowTabSettings tab{&vc.controller};

    bool start()
    {
        if (!vc.start())
            return false;
        connectToService(&tab, &vc.controller);
        tab.requestSettings();
        tab.show();
        return QTest::qWaitFor([&] { return button("btn_master_shutdown_delay_save")->isEnabled(); },
                               20000) &&
               button("btn_virt_enabled_save")->isEnabled();
    }
    QPushButton* button(const char* name) { return tab.findChild<QPushButton*>(QLatin1String(name)); }
    QLineEdit* edit(const char* name) { return tab.findChild<QLineEdit*>(QLatin1String(name)); }
    QCheckBox* box(const char* name) { return tab.findChild<QCheckBox*>(QLatin1String(name)); }
    // The widgets of rows 1 to 4, labels included.
    QList<QWidget*> settingsGroup()
    {
        QList<QWidget*> out;
        for (QWidget* w : tab.findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (name.contains(QLatin1String("email")) || name.contains(QLatin1String("timeout")) ||
                name.contains(QLatin1String("master")))
                out.append(w);
        }
        return out;
    }
    // Presses a save button whose check fails; returns the warning's text.
    QString refusedSave(const char* name)
    {
        auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
        button(name)->click();
        (void)QTest::qWaitFor([&] { return seen->seen; }, 10000);
        return seen->seen && seen->windowTitle == title ? seen->text : QString();
    }
};

bool allEnabled(const QList<QWidget*>& widgets, bool enabled)
{
    for (QWidget* w : widgets) {
        if (w->isEnabled() != enabled)
            return false;
    }
    return !widgets.isEmpty();
}
} // namespace

class TestVirtCentWindowTabSettings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LxTest::closeAllMessageBoxes(); }
    void formFilledFromTheService();
    void groupsWaitUntilTheirAnswer();
    void switchRoundTrip();
    void recipients_data();
    void recipients();
    void timeLimits_data();
    void timeLimits();
    void answersNobodyWaitsForChangeNothing();
    void partialSettingsKeepOtherFields();
    void saveLostInARestart_data();
    void saveLostInARestart();
};

void TestVirtCentWindowTabSettings::formFilledFromTheService()
{
    Settings s;
    QVERIFY(s.start());
    QCOMPARE(s.vc.names(),
             (QStringList{"get_virtualization_center_enabled", "get_virtualization_center_settings"}));
    QCOMPARE(s.vc.requests("get_virtualization_center_settings").at(0).raw,
             s.vc.request("get_virtualization_center_settings"));
    QVERIFY(s.box("chk_virt_enabled")->isChecked());
    QVERIFY(s.box("chk_email_notifications_enabled")->isChecked());
    QCOMPARE(s.edit("le_email_notifications_recipients")->text(), QStringLiteral("admin@example.com"));
    QCOMPARE(s.edit("le_forced_poweroff_timeout_vms")->text(), QStringLiteral("600"));
    QCOMPARE(s.edit("le_master_shutdown_delay")->text(), QStringLiteral("180"));
    QVERIFY(allEnabled(s.settingsGroup(), true));
    QCOMPARE(s.settingsGroup().size(), 11);
}

// From a save to the service's answer a group is disabled, labels included;
// the answer brings the values the service now holds.
void TestVirtCentWindowTabSettings::groupsWaitUntilTheirAnswer()
{
    Settings s;
    QVERIFY(s.start());
    s.vc.rig.world.delayRequest(setSettings, 300);
    s.box("chk_email_notifications_enabled")->setChecked(false);
    s.button("btn_email_notifications_enabled_save")->click();
    QVERIFY(allEnabled(s.settingsGroup(), false));
    QVERIFY(s.button("btn_virt_enabled_save")->isEnabled());
    QVERIFY(s.vc.waitFor(setSettings));
    QCOMPARE(s.vc.requests(setSettings).at(0).raw,
             s.vc.mapRequest(setSettings, {{"email_notifications_enabled", "0"}}));
    QTRY_VERIFY(allEnabled(s.settingsGroup(), true));
    QVERIFY(!s.box("chk_email_notifications_enabled")->isChecked());
    QCOMPARE(s.vc.rig.world.vcSettingMap().value("email_notifications_enabled"), QStringLiteral("0"));
}

void TestVirtCentWindowTabSettings::switchRoundTrip()
{
    Settings s;
    QVERIFY(s.start());
    s.box("chk_virt_enabled")->setChecked(false);
    s.button("btn_virt_enabled_save")->click();
    QVERIFY(!s.box("chk_virt_enabled")->isEnabled());
    QVERIFY(!s.button("btn_virt_enabled_save")->isEnabled());
    QVERIFY(s.vc.waitFor("set_virtualization_center_enabled"));
    QCOMPARE(s.vc.requests("set_virtualization_center_enabled").at(0).raw,
             s.vc.request("set_virtualization_center_enabled", "0"));
    QTRY_VERIFY(s.button("btn_virt_enabled_save")->isEnabled());
    QVERIFY(!s.box("chk_virt_enabled")->isChecked());
    QVERIFY(!s.vc.rig.world.isVirtualizationCenterEnabled());
    QVERIFY(allEnabled(s.settingsGroup(), true));
}

void TestVirtCentWindowTabSettings::recipients_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent");    // null: refused
    QTest::addColumn<QString>("refused"); // the part the warning names

    QTest::newRow("two, blanks dropped") << "a@b.pl; c@d.com"
                                         << "a@b.pl;c@d.com" << QString();
    QTest::newRow("blanks inside an address") << " fi rst@x.pl ;;second@y.org;"
                                              << "first@x.pl;second@y.org" << QString();
    QTest::newRow("empty") << ""
                           << "" << QString();
    QTest::newRow("only blanks and semicolons") << " ; ;; "
                                                << "" << QString();
    QTest::newRow("upper case") << "Jan.Nowak+ups@Example.COM"
                                << "Jan.Nowak+ups@Example.COM" << QString();
    QTest::newRow("underscore before the at") << "first_last@x.org"
                                              << "first_last@x.org" << QString();
    QTest::newRow("four letters last") << "a@b.info"
                                       << "a@b.info" << QString();
    QTest::newRow("five letters last") << "a@b.museum" << QString() << "a@b.museum";
    QTest::newRow("one letter last") << "a@b.c" << QString() << "a@b.c";
    QTest::newRow("no at") << "ab.pl" << QString() << "ab.pl";
    QTest::newRow("two ats") << "a@b@c.pl" << QString() << "a@b@c.pl";
    QTest::newRow("underscore after the at") << "a@b_c.pl" << QString() << "a@b_c.pl";
    QTest::newRow("leading dot") << ".a@b.pl" << QString() << ".a@b.pl";
    QTest::newRow("tab stays") << "a@b.pl\t" << QString() << "a@b.pl\t";
    QTest::newRow("first bad one named") << "ok@x.pl;bad;worse@" << QString() << "bad";
    QTest::newRow("markup") << "a<b>@x.pl" << QString() << "a<b>@x.pl";
}

void TestVirtCentWindowTabSettings::recipients()
{
    QFETCH(QString, typed);
    QFETCH(QString, sent);
    QFETCH(QString, refused);

    Settings s;
    QVERIFY(s.start());
    s.edit("le_email_notifications_recipients")->setText(typed);
    if (sent.isNull()) {
        QCOMPARE(s.refusedSave("btn_email_notifications_recipients_save"),
                 QStringLiteral("Adres email odbiorcy:\n%1\njest nieprawidłowy.\n\nWprowadź poprawną listę "
                                "odbiorców i spróbuj ponownie")
                     .arg(refused));
        QCOMPARE(s.edit("le_email_notifications_recipients")->text(), typed);
        QVERIFY(allEnabled(s.settingsGroup(), true));
        QTest::qWait(50);
        QCOMPARE(s.vc.count(setSettings), 0);
        return;
    }
    s.button("btn_email_notifications_recipients_save")->click();
    QVERIFY(s.vc.waitFor(setSettings));
    QCOMPARE(s.vc.requests(setSettings).at(0).raw,
             s.vc.mapRequest(setSettings, {{"email_notifications_recipients", sent}}));
    // The service's answer shows what it stored.
    QTRY_VERIFY(allEnabled(s.settingsGroup(), true));
    QCOMPARE(s.edit("le_email_notifications_recipients")->text(), sent);
}

void TestVirtCentWindowTabSettings::timeLimits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("sent"); // null: refused

    const QString vms = QStringLiteral("forced_poweroff_timeout_vms");
    const QString manager = QStringLiteral("master_shutdown_delay");
    QTest::newRow("vms lowest") << vms << "300"
                                << "300";
    QTest::newRow("vms highest") << vms << "3600"
                                 << "3600";
    QTest::newRow("vms leading zero") << vms << "0300"
                                      << "300";
    QTest::newRow("vms below") << vms << "299" << QString();
    QTest::newRow("vms above") << vms << "3601" << QString();
    QTest::newRow("vms empty") << vms << "" << QString();
    QTest::newRow("vms letters") << vms << "600s" << QString();
    QTest::newRow("manager lowest") << manager << "60"
                                    << "60";
    QTest::newRow("manager highest") << manager << "1200"
                                     << "1200";
    QTest::newRow("manager below") << manager << "59" << QString();
    QTest::newRow("manager above") << manager << "1201" << QString();
    QTest::newRow("manager negative") << manager << "-60" << QString();
}

void TestVirtCentWindowTabSettings::timeLimits()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, sent);

    Settings s;
    QVERIFY(s.start());
    const QByteArray edit = "le_" + field.toLatin1();
    const QByteArray save = "btn_" + field.toLatin1() + "_save";
    s.edit(edit.constData())->setText(typed);
    if (sent.isNull()) {
        const QString range = field == QLatin1String("master_shutdown_delay") ? QStringLiteral("60-1200")
                                                                              : QStringLiteral("300-3600");
        QCOMPARE(
            s.refusedSave(save.constData()),
            QStringLiteral("Parametr czasu oczekiwania na wyłączenie maszyn\nmusi mieścić się w zakresie "
                           "%1 sekund.\n\nWprowadź poprawną wartość i spróbuj ponownie")
                .arg(range));
        QCOMPARE(s.edit(edit.constData())->text(), typed);
        QTest::qWait(50);
        QCOMPARE(s.vc.count(setSettings), 0);
        return;
    }
    s.button(save.constData())->click();
    QVERIFY(s.vc.waitFor(setSettings));
    QCOMPARE(s.vc.requests(setSettings).at(0).raw, s.vc.mapRequest(setSettings, {{field, sent}}));
    QTRY_VERIFY(allEnabled(s.settingsGroup(), true));
    QCOMPARE(s.edit(edit.constData())->text(), sent);
    QCOMPARE(s.vc.rig.world.vcSettingMap().value(field), sent);
}

// The virtual machines tab polls the enabled state; while nothing is awaited
// those answers, and any settings map, leave the form alone.
void TestVirtCentWindowTabSettings::answersNobodyWaitsForChangeNothing()
{
    Settings s;
    QVERIFY(s.start());
    s.box("chk_virt_enabled")->setChecked(false);
    emit s.vc.controller.virtualizationCenterEnabledReceived(true);
    QVERIFY(!s.box("chk_virt_enabled")->isChecked());
    emit s.vc.controller.virtualizationCenterSettingsReceived({{"master_shutdown_delay", "999"}});
    QCOMPARE(s.edit("le_master_shutdown_delay")->text(), QStringLiteral("180"));
}

void TestVirtCentWindowTabSettings::partialSettingsKeepOtherFields()
{
    Settings s;
    QVERIFY(s.start());
    s.vc.rig.server.responder().scriptOnce(
        setSettings,
        {"<virtualization_center_settings><master_shutdown_delay>90</master_shutdown_delay>"
         "<unknown_key>5</unknown_key><Forced_poweroff_timeout_vms>1</Forced_poweroff_timeout_vms>"
         "</virtualization_center_settings>"});
    s.edit("le_email_notifications_recipients")->setText(QStringLiteral("typed@not.saved"));
    s.edit("le_master_shutdown_delay")->setText(QStringLiteral("90"));
    s.button("btn_master_shutdown_delay_save")->click();
    QTRY_VERIFY(allEnabled(s.settingsGroup(), true));
    QCOMPARE(s.edit("le_master_shutdown_delay")->text(), QStringLiteral("90"));
    QCOMPARE(s.edit("le_forced_poweroff_timeout_vms")->text(), QStringLiteral("600"));
    QCOMPARE(s.edit("le_email_notifications_recipients")->text(), QStringLiteral("typed@not.saved"));
    QVERIFY(s.box("chk_email_notifications_enabled")->isChecked());
}

void TestVirtCentWindowTabSettings::saveLostInARestart_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("wait");
    QTest::addColumn<QString>("request");

    QTest::newRow("switch") << "btn_virt_enabled_save"
                            << "enabled_wait"
                            << "set_virtualization_center_enabled";
    QTest::newRow("settings") << "btn_forced_poweroff_timeout_vms_save"
                              << "settings_wait" << setSettings;
}

// The service restarts while a save is out: its answer never comes. The group
// comes back after the wait and says so. The restart ended the administrator's
// session, so once the service is back a save is refused, and said so.
void TestVirtCentWindowTabSettings::saveLostInARestart()
{
    QFETCH(QString, button);
    QFETCH(QString, wait);
    QFETCH(QString, request);

    Settings s;
    QVERIFY(s.start());
    QPushButton* save = s.button(button.toLatin1().constData());
    auto* answerWait = s.tab.findChild<AnswerWait*>(wait);
    QVERIFY(answerWait);
    QCOMPARE(answerWait->timeoutMs(), int(VirtCentWindowTabSettings::saveAnswerMs));
    // Stopped before the save arrives, so nothing answers it.
    s.vc.rig.server.stop();
    save->click();
    QVERIFY(!save->isEnabled());
    QVERIFY(answerWait->isWaiting());

    auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
    answerWait->expireNow();
    QTRY_VERIFY(seen->seen);
    QCOMPARE(seen->windowTitle, title);
    QCOMPARE(seen->text, QStringLiteral("Usługa nie odpowiedziała na czas."));
    QVERIFY(save->isEnabled());

    QSignalSpy connected(&s.vc.controller, &Luminorix::UpsSocketController::upsConnected);
    QVERIFY(s.vc.rig.server.restart());
    Luminorix::UpsSocketController::Timing timing = s.vc.controller.timing();
    timing.reconnectMs = 50;
    s.vc.controller.setTiming(timing);
    QTRY_VERIFY_WITH_TIMEOUT(connected.count() > 0, 20000);

    QVERIFY(s.vc.settle());
    save->click();
    QCOMPARE(LxTest::takeMessageBoxes(),
             (QList<LxTest::ShownBox>{{"Sesja zakończona",
                                       "Sesja administratora zakończyła się, zmiany nie "
                                       "zostały wysłane. Zaloguj się ponownie, aby je wysłać."}}));
    QVERIFY(save->isEnabled());
    QVERIFY(!answerWait->isWaiting());
    QVERIFY(s.vc.settle());
    QCOMPARE(s.vc.count(request), 0);
}

LX_TEST_MAIN(TestVirtCentWindowTabSettings)
#include "tst_virtcentwindowtabsettings.moc"
