#include "link/upssocketcontroller.h"
#include "panel/base/dialogrelay.h"
#include "panel/logs/loggingconfigurationwindow.h"
#include "panel/logs/upslogswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/servicerig.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTranslator>

namespace {
// The UPS the dialog edits, as the main window hands it over.
Luminorix::Utils::Ups record(bool compensation, const QString& params,
                             const QString& size = QStringLiteral("10"),
                             const QString& interval = QStringLiteral("60"))
{
    Luminorix::Utils::Ups ups;
    ups.id = QStringLiteral("1");
    ups.model_name = QStringLiteral("Harrier33_SNMP");
    ups.communication = QStringLiteral("snmp");
    ups.ip = QStringLiteral("192.168.10.21");
    ups.user_defined_name = QStringLiteral("Serwerownia <A&B> \"1\"");
    ups.phy_ids = QStringList{QStringLiteral("2"), QStringLiteral("3")};
    ups.power_compensation = compensation;
    ups.log_params = params;
    ups.log_file_size = size;
    ups.log_time_interval = interval;
    return ups;
}

// The dialog wired to a controller connected to the stand-in, as the window does it.
struct Settings
{
    ServiceRig rig;
    Luminorix::UpsSocketController controller;
    DialogRelay relay;
    LoggingConfigurationWindow dialog;

    bool start()
    {
        LxSim::SimDevice device =
            LxSim::SimDevice::named(QStringLiteral("1"), QStringLiteral("Harrier33_SNMP"),
                                    QStringLiteral("snmp"), QStringLiteral("Server room"));
        device.power_compensation = true;
        device.log_params = QStringLiteral("7");
        rig.world.setDevices({device});
        if (!rig.listen() || !rig.connect(controller))
            return false;
        rig.logIn(controller);
        connectToService(&dialog, &controller, relay);
        return true;
    }
    template <class W> W* find(const char* name) { return dialog.findChild<W*>(QLatin1String(name)); }
    QPushButton* button(QDialogButtonBox::StandardButton which)
    {
        return find<QDialogButtonBox>("buttonBox")->button(which);
    }
};

// Qt's own button texts in another language than the two the program knows.
class OtherButtonTexts : public QTranslator
{
public:
    OtherButtonTexts() { QCoreApplication::installTranslator(this); }
    ~OtherButtonTexts() override { QCoreApplication::removeTranslator(this); }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "QPlatformTheme") == 0 && qstrcmp(sourceText, "Cancel") == 0)
            return QStringLiteral("Zrezygnuj");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// "D K C" with "-" for a box that is not ticked (or a button that is off).
QString ticks(bool d, bool k, bool c)
{
    return QStringLiteral("%1%2%3").arg(d ? 'D' : '-').arg(k ? 'K' : '-').arg(c ? 'C' : '-');
}
} // namespace

class TestLoggingConfigurationWindow : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void roundTrip_data();
    void roundTrip();
    void tickingDoesNotOpenAViewer();
    void cancelSendsNothing_data();
    void cancelSendsNothing();
    void logoutLeavesOnlyCancel();
    void viewersOpenWithTheirFirstPage_data();
    void viewersOpenWithTheirFirstPage();
};

void TestLoggingConfigurationWindow::form()
{
    LoggingConfigurationWindow dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Konfiguracja logów"));
    // The form's size at least, more where the font in use needs it.
    QCOMPARE(dialog.size().expandedTo(QSize(391, 323)), dialog.size());
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    auto* size = dialog.findChild<QSpinBox*>(QStringLiteral("fileSizeSpinBox"));
    auto* interval = dialog.findChild<QSpinBox*>(QStringLiteral("intervalSpinBox"));
    QCOMPARE((QList<int>{size->minimum(), size->maximum(), size->value()}), (QList<int>{1, 100000, 1000}));
    QCOMPARE((QList<int>{interval->minimum(), interval->maximum(), interval->value()}),
             (QList<int>{1, 3600, 1}));
    for (const char* name : {"showDataButton", "showEventsButton", "showCompensationButton"})
        QVERIFY(!dialog.findChild<QPushButton*>(QLatin1String(name))->isEnabled());
}

void TestLoggingConfigurationWindow::roundTrip_data()
{
    QTest::addColumn<bool>("compensation");
    QTest::addColumn<QString>("params");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("ticked");   // the boxes once filled
    QTest::addColumn<QString>("viewable"); // the show buttons once filled
    QTest::addColumn<int>("shownSize");
    QTest::addColumn<int>("shownInterval");
    QTest::addColumn<QString>("sentParams");

    QTest::newRow("3 without compensation") << false << "3"
                                            << "10"
                                            << "60"
                                            << "DK-"
                                            << "DK-" << 10 << 60 << "3";
    QTest::newRow("7 without compensation drops 4") << false << "7"
                                                    << "10"
                                                    << "60"
                                                    << "DK-"
                                                    << "DK-" << 10 << 60 << "3";
    QTest::newRow("7 with compensation") << true << "7"
                                         << "10"
                                         << "60"
                                         << "DKC"
                                         << "DKC" << 10 << 60 << "7";
    QTest::newRow("5 with compensation") << true << "5"
                                         << "10"
                                         << "60"
                                         << "D-C"
                                         << "D-C" << 10 << 60 << "5";
    QTest::newRow("higher bits ignored") << true << "11"
                                         << "10"
                                         << "60"
                                         << "DK-"
                                         << "DK-" << 10 << 60 << "3";
    QTest::newRow("none") << true << "0"
                          << "10"
                          << "60"
                          << "---"
                          << "---" << 10 << 60 << "0";
    QTest::newRow("empty mask") << false << ""
                                << "10"
                                << "60"
                                << "---"
                                << "---" << 10 << 60 << "0";
    QTest::newRow("size 0 and no interval") << false << "1"
                                            << "0"
                                            << ""
                                            << "D--"
                                            << "D--" << 1 << 1 << "1";
    QTest::newRow("not numbers") << false << "1"
                                 << "abc"
                                 << "x"
                                 << "D--"
                                 << "D--" << 1 << 1 << "1";
    QTest::newRow("above the ranges") << false << "2"
                                      << "250000"
                                      << "5000"
                                      << "-K-"
                                      << "-K-" << 100000 << 3600 << "2";
}

void TestLoggingConfigurationWindow::roundTrip()
{
    QFETCH(bool, compensation);
    QFETCH(QString, params);
    QFETCH(QString, size);
    QFETCH(QString, interval);
    QFETCH(QString, ticked);
    QFETCH(QString, viewable);
    QFETCH(int, shownSize);
    QFETCH(int, shownInterval);
    QFETCH(QString, sentParams);

    Settings s;
    QVERIFY(s.start());
    const Luminorix::Utils::Ups ups = record(compensation, params, size, interval);
    s.dialog.setUpsConfiguration(ups);
    s.dialog.show();

    QCOMPARE(ticks(s.find<QCheckBox>("parametersCheckBox")->isChecked(),
                   s.find<QCheckBox>("messagesCheckBox")->isChecked(),
                   s.find<QCheckBox>("compensationCheckBox")->isChecked()),
             ticked);
    QCOMPARE(ticks(s.find<QPushButton>("showDataButton")->isEnabled(),
                   s.find<QPushButton>("showEventsButton")->isEnabled(),
                   s.find<QPushButton>("showCompensationButton")->isEnabled()),
             viewable);
    // No power compensation, no compensation row.
    QCOMPARE(s.find<QCheckBox>("compensationCheckBox")->isVisible(), compensation);
    QCOMPARE(s.find<QPushButton>("showCompensationButton")->isVisible(), compensation);
    QCOMPARE(s.find<QSpinBox>("fileSizeSpinBox")->value(), shownSize);
    QCOMPARE(s.find<QSpinBox>("intervalSpinBox")->value(), shownInterval);

    s.button(QDialogButtonBox::Ok)->click();
    QCOMPARE(s.dialog.result(), int(QDialog::Accepted));
    QVERIFY(!s.dialog.isVisible());
    QTRY_COMPARE(s.rig.requests(QStringLiteral("change_log_config")).size(), 1);
    const LxSim::SimRequest sent = s.rig.requests(QStringLiteral("change_log_config")).first();
    QCOMPARE(sent.value(QStringLiteral("log_params")), sentParams);
    QCOMPARE(sent.value(QStringLiteral("log_file_size")), QString::number(shownSize));
    QCOMPARE(sent.value(QStringLiteral("log_time_interval")), QString::number(shownInterval));
    // The rest of the record goes back as it came, its texts escaped.
    QCOMPARE(sent.value(QStringLiteral("user_defined_name")), ups.user_defined_name);
    QVERIFY(sent.raw.contains(QLatin1String("Serwerownia &lt;A&amp;B&gt; &quot;1&quot;")));
    QCOMPARE(sent.values(QStringLiteral("phy_id")), ups.phy_ids);
    QCOMPARE(sent.value(QStringLiteral("ip")), ups.ip);
    // The service keeps what was sent.
    QCOMPARE(s.rig.world.device(QStringLiteral("1"))->log_params, sentParams);
}

void TestLoggingConfigurationWindow::tickingDoesNotOpenAViewer()
{
    LoggingConfigurationWindow dialog;
    dialog.setUpsConfiguration(record(true, QStringLiteral("0")));
    for (const char* box : {"parametersCheckBox", "messagesCheckBox", "compensationCheckBox"})
        dialog.findChild<QCheckBox*>(QLatin1String(box))->setChecked(true);
    for (const char* name : {"showDataButton", "showEventsButton", "showCompensationButton"})
        QVERIFY(!dialog.findChild<QPushButton*>(QLatin1String(name))->isEnabled());
}

void TestLoggingConfigurationWindow::cancelSendsNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancel button") << "cancel";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("close button") << "close";
}

void TestLoggingConfigurationWindow::cancelSendsNothing()
{
    QFETCH(QString, how);

    Settings s;
    QVERIFY(s.start());
    s.dialog.setUpsConfiguration(record(true, QStringLiteral("7")));
    s.dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s.dialog));
    if (how == QLatin1String("cancel"))
        s.button(QDialogButtonBox::Cancel)->click();
    else if (how == QLatin1String("escape"))
        QTest::keyClick(&s.dialog, Qt::Key_Escape);
    else
        s.dialog.close();
    QVERIFY(!s.dialog.isVisible());
    QCOMPARE(s.dialog.result(), int(QDialog::Rejected));
    s.controller.sendCommand(QStringLiteral("get_service_version")); // a marker after anything the close sent
    QTRY_VERIFY(!s.rig.requests(QStringLiteral("get_service_version")).isEmpty());
    QVERIFY(s.rig.requests(QStringLiteral("change_log_config")).isEmpty());
}

void TestLoggingConfigurationWindow::logoutLeavesOnlyCancel()
{
    OtherButtonTexts texts; // for as long as the dialog lives: a change of language retranslates
    Settings s;
    QVERIFY(s.start());
    s.dialog.setUpsConfiguration(record(true, QStringLiteral("7")));
    s.dialog.show();
    s.controller.setPassword(QString());
    emit s.relay.administratorLoggedOut();

    QPushButton* cancel = s.button(QDialogButtonBox::Cancel);
    for (QPushButton* button : s.dialog.findChildren<QPushButton*>())
        QCOMPARE(button->isEnabled(), button == cancel);
    // The cancel button is told by its role: its text is whatever Qt's translation
    // makes it, not a word a comparison of texts could look for.
    QCOMPARE(cancel->text(), QStringLiteral("Zrezygnuj"));
    cancel->click();
    QVERIFY(!s.dialog.isVisible());
    QVERIFY(s.rig.requests(QStringLiteral("change_log_config")).isEmpty());
}

void TestLoggingConfigurationWindow::viewersOpenWithTheirFirstPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("type");

    QTest::newRow("data") << "showDataButton"
                          << "Przegląd danych"
                          << "parameters";
    QTest::newRow("messages") << "showEventsButton"
                              << "Przegląd komunikatów"
                              << "messages";
    QTest::newRow("compensation") << "showCompensationButton"
                                  << "Przegląd kompensacji"
                                  << "compensation";
}

void TestLoggingConfigurationWindow::viewersOpenWithTheirFirstPage()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, type);

    Settings s;
    QVERIFY(s.start());
    s.dialog.setUpsConfiguration(record(true, QStringLiteral("7")));
    s.dialog.show();
    LxTest::ModalWatchdog watchdog(60000);

    QString seenTitle;
    int rows = 0;
    LxTest::answerNextDialog([&](QWidget* viewer) {
        seenTitle = viewer->windowTitle();
        auto* table = viewer->findChild<QTableView*>(QStringLiteral("logTable"));
        // The first page was asked for before the viewer showed; it arrives in its loop.
        QTRY_VERIFY(table->model() && table->model()->rowCount() > 1);
        rows = table->model()->rowCount();
        qobject_cast<QDialog*>(viewer)->reject();
    });
    s.find<QPushButton>(button.toLatin1().constData())->click();

    QCOMPARE(seenTitle, title);
    QCOMPARE(rows, 20);
    const QList<LxSim::SimRequest> pages = s.rig.requests(QStringLiteral("get_ups_logs"));
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first().value(QStringLiteral("type")), type);
    QCOMPARE(pages.first().value(QStringLiteral("age")), QStringLiteral("first"));
    QTRY_COMPARE(s.rig.world.logsCacheClearCount(), 1);
    // The viewer is gone, the settings dialog still open.
    QVERIFY(s.dialog.isVisible());
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<UpsLogsWindow*>(widget));
}

LX_TEST_MAIN(TestLoggingConfigurationWindow)
#include "tst_loggingconfigurationwindow.moc"
