// The main window against the stand-in: what it shows is true now. A hung
// service is shown lost, a new connection ends the busy state, and another
// device shows nothing of the one selected before.
#include "link/upssocketcontroller.h"
#include "panel/upstreeelement.h"
#include "panel/upstreewidget.h"
#include "panelrig.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"
#include "tools/sim/replybuilder.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>

using LxSim::ReplyBuilder;
using LxSim::SimDevice;

namespace {
const QString kLost = QStringLiteral("Błąd połączenia z usługą:");
const QString kServiceUp = QStringLiteral("Połączono z usługą:");
const QString kDeviceUp = QStringLiteral("Połączono z UPS");

// The generator set's values that read plainly wrong under a UPS's labels.
struct GeneratorTexts
{
    const char* field;
    QString text;
};
const GeneratorTexts kGeneratorTexts[] = {
    {"autonomyTimeEdit", QStringLiteral("1284 l")},
    {"temperatureEdit", QStringLiteral("412 h")},
    {"nominalActivePowerEdit", QStringLiteral("GS000001")},
};
} // namespace

class TestWindowLiveness : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hungServiceIsShownLost_data();
    void hungServiceIsShownLost();
    void reconnectEndsTheBusyState_data();
    void reconnectEndsTheBusyState();
    void anotherDeviceShowsNoDataUntilItsStateComes();
    void lateStateOfThePreviousDeviceIsIgnored();

private:
    // The generator set (selected at start) and a UPS, the generator's values shown.
    bool startWithGeneratorShown();
    void selectUps();

    PanelRig* rig = nullptr;
    LxTest::ModalWatchdog* watchdog = nullptr;
};

void TestWindowLiveness::init()
{
    rig = new PanelRig;
    watchdog = new LxTest::ModalWatchdog;
}

void TestWindowLiveness::cleanup()
{
    LxTest::closeAllMessageBoxes();
    delete watchdog;
    delete rig;
    rig = nullptr;
}

bool TestWindowLiveness::startWithGeneratorShown()
{
    SimDevice generator = PanelRig::device(QStringLiteral("1"), QStringLiteral("Ibis_SNMP"));
    generator.fillDefaults();
    generator.events = QStringLiteral("62;3;7;9;5;1");
    if (!rig->start({generator, PanelRig::device(QStringLiteral("2"), QStringLiteral("KitePro_USB"))}))
        return false;
    return QTest::qWaitFor([&] { return rig->fieldText("autonomyTimeEdit") == QLatin1String("1284 l"); },
                           20000);
}

void TestWindowLiveness::selectUps()
{
    rig->tree()->setCurrentItem(rig->elementById(QStringLiteral("2")));
    QCOMPARE(rig->currentDevice().id, QStringLiteral("2"));
}

void TestWindowLiveness::hungServiceIsShownLost_data()
{
    QTest::addColumn<bool>("trickle");
    QTest::newRow("stopped with its connection open") << false;
    QTest::newRow("trickling a reply") << true;
}

void TestWindowLiveness::hungServiceIsShownLost()
{
    QFETCH(bool, trickle);
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE_WITH_TIMEOUT(rig->labelText("deviceTextLabel"), kDeviceUp, 20000);
    // The program's own cycle, with a short silence: the loss shows before the
    // next attempt, which a hung service would take and then leave unanswered.
    Luminorix::UpsSocketController::Timing timing;
    timing.silenceMs = 1500;
    rig->controller()->setTiming(timing);
    w.enableAdministratorButtons();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("answered nothing for 1500 ms")));

    if (trickle)
        rig->server.trickleNextReply(100);
    else
        rig->server.freeze();
    // The lost connection the window knows: its texts, the log-out, the red tree.
    QTRY_COMPARE_WITH_TIMEOUT(rig->labelText("serviceCaptionLabel"), kLost, 30000);
    QCOMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Komunikacja z UPS nieznana"));
    QVERIFY(!rig->administrator());
    QVERIFY(!rig->fieldEnabled("workModeEdit"));
    QVERIFY(hasIndicator(rig->elementById(QStringLiteral("1")), QStringLiteral("red.png")));

    rig->server.unfreeze();
    QTRY_COMPARE_WITH_TIMEOUT(rig->labelText("serviceCaptionLabel"), kServiceUp, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(rig->labelText("deviceTextLabel"), kDeviceUp, 20000);
    QVERIFY(rig->fieldEnabled("workModeEdit"));
}

void TestWindowLiveness::reconnectEndsTheBusyState_data()
{
    QTest::addColumn<bool>("lostForAWhile");
    // Back before the window shows the loss: the busy service's session is gone all the same.
    QTest::newRow("dropped and back at once") << false;
    QTest::newRow("lost for a while") << true;
}

void TestWindowLiveness::reconnectEndsTheBusyState()
{
    QFETCH(bool, lostForAWhile);
    QVERIFY(rig->start({PanelRig::device(QStringLiteral("1"), QStringLiteral("KitePro_USB"))}));
    LuminorixWindow& w = rig->win();
    QTRY_COMPARE_WITH_TIMEOUT(rig->labelText("deviceTextLabel"), kDeviceUp, 20000);
    rig->server.push(ReplyBuilder::daemonBusy(true));
    QTRY_VERIFY(!w.centralWidget()->isEnabled());
    QSignalSpy connects(rig->controller(), &Luminorix::UpsSocketController::upsConnected);

    if (lostForAWhile) {
        rig->server.stop();
        QTRY_COMPARE_WITH_TIMEOUT(rig->labelText("serviceCaptionLabel"), kLost, 20000);
        QVERIFY(rig->server.restart());
    } else {
        rig->server.abortClients();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!connects.isEmpty(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(rig->labelText("deviceTextLabel"), kDeviceUp, 20000);
    QVERIFY(w.centralWidget()->isEnabled());
    QVERIFY(rig->tree()->isEnabled());
    QVERIFY(!rig->label("busyLabel")->isVisibleTo(&w));
}

void TestWindowLiveness::anotherDeviceShowsNoDataUntilItsStateComes()
{
    QVERIFY(startWithGeneratorShown());
    LuminorixWindow& w = rig->win();
    QTRY_VERIFY(rig->widget("exInfoButton")->isEnabled());
    // The UPS's state is late beyond the test.
    rig->world.delayRequest(QStringLiteral("get_ups_device_state"), 600000);

    selectUps();
    QCOMPARE(rig->labelText("autonomyTimeLabel"), QStringLiteral("Czas autonomii"));
    for (const char* field : {"autonomyTimeEdit", "temperatureEdit", "nominalActivePowerEdit", "firmwareEdit",
                              "nominalSpuriousPowerEdit", "workModeEdit"})
        QCOMPARE(rig->fieldText(field), QStringLiteral("N/D"));
    QVERIFY(!rig->widget("deviceMessages")->isVisibleTo(&w));
    QCOMPARE(rig->labelText("deviceTextLabel"), QStringLiteral("Komunikacja z UPS nieznana"));
    QVERIFY(!rig->widget("exInfoButton")->isEnabled());

    // The dialogs that start from the last state start from none.
    int cells = -1;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        cells = dialog->findChildren<QLineEdit*>().size();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    w.extendInformationButtonClickHandler();
    QCOMPARE(cells, 0);
    QStringList rows;
    LxTest::answerNextDialog([&](QWidget* dialog) {
        const QAbstractItemModel* model =
            dialog->findChild<QListView*>(QStringLiteral("eventsList"))->model();
        for (int r = 0; r < model->rowCount(); ++r)
            rows << model->index(r, 0).data().toString();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    w.upsEventsButtonClickHandler();
    QCOMPARE(rows, QStringList{QStringLiteral("Pobieranie zdarzeń...")});
}

void TestWindowLiveness::lateStateOfThePreviousDeviceIsIgnored()
{
    QVERIFY(startWithGeneratorShown());
    // Several of the generator's states are under way when the UPS is chosen.
    rig->world.delayRequest(QStringLiteral("get_ups_device_state"), 1500);
    const int asked = rig->requestCount(QStringLiteral("get_ups_device_state"));
    QTRY_VERIFY(rig->requestCount(QStringLiteral("get_ups_device_state")) > asked + 2);

    QStringList shown;
    QObject context;
    for (const GeneratorTexts& g : kGeneratorTexts) {
        auto* edit = rig->widget(g.field)->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
        const QString field = QLatin1String(g.field);
        QObject::connect(edit, &QLineEdit::textChanged, &context,
                         [&shown, field](const QString& text) { shown << field + QLatin1Char('=') + text; });
    }
    selectUps();
    for (const GeneratorTexts& g : kGeneratorTexts)
        shown << QLatin1String(g.field) + QLatin1Char('=') + rig->fieldText(g.field);
    QTRY_VERIFY_WITH_TIMEOUT(rig->fieldText("autonomyTimeEdit").endsWith(QLatin1String(" min.")), 20000);
    for (const GeneratorTexts& g : kGeneratorTexts)
        QVERIFY2(!shown.contains(QLatin1String(g.field) + QLatin1Char('=') + g.text),
                 qPrintable(shown.join(", ")));
}

LX_TEST_MAIN(TestWindowLiveness)
#include "tst_windowliveness.moc"
