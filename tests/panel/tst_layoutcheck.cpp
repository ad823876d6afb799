#include "common/event.h"
#include "common/localsettings.h"
#include "common/messagebox.h"
#include "common/upsmodelcatalogue.h"
#include "common/upstexts.h"
#include "layoutfaults.h"
#include "link/requestserializers.h"
#include "link/upssocketcontroller.h"
#include "panel/aboutwindow.h"
#include "panel/applicationconfigurationwindow.h"
#include "panel/base/dialogrelay.h"
#include "panel/base/passwordchangewindow.h"
#include "panel/base/screenfit.h"
#include "panel/connectwithservicewindow.h"
#include "panel/events/advancedoptionswindow.h"
#include "panel/events/computerconfigurationwindow.h"
#include "panel/events/discoverwindow.h"
#include "panel/events/eventdefinitions.h"
#include "panel/events/groupconfigurationwindow.h"
#include "panel/events/outputsocketwindow.h"
#include "panel/events/poweroffvcenteractionswindow.h"
#include "panel/events/sendemailwindow.h"
#include "panel/events/syscommandwindow.h"
#include "panel/logiinwindow.h"
#include "panel/logs/upslogswindow.h"
#include "panel/panelstartup.h"
#include "panel/smtptestwindow.h"
#include "panel/updatedownloadwindow.h"
#include "panel/ups/addupswindow.h"
#include "panel/ups/addvirtualupswindow.h"
#include "panel/ups/snmpoptionswindow.h"
#include "panel/upstreeelement.h"
#include "panel/upstreewidget.h"
#include "panelrig.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QGridLayout>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QVector>
#include <functional>
#include <memory>

using Luminorix::Utils::SerialPort;
using Luminorix::Utils::Ups;

namespace {

// What the check may leave cut, each with the reason it stays so.
struct Allowed
{
    const char* window; // a row's window, or "" for all
    const char* fault;  // a regular expression over the fault's text
    const char* reason;
};

// An entry names a cut a form keeps on purpose, or (marked temporary) one mended elsewhere.
const QVector<Allowed> allowed{
    {"", "communicationPortBox: shows none of its",
     "a new device's port is the user's choice: OK waits until one is picked"},
};

bool isAllowed(const QString& window, const QString& fault)
{
    for (const Allowed& entry : allowed) {
        if (*entry.window && window != QLatin1String(entry.window))
            continue;
        if (QRegularExpression(QString::fromUtf8(entry.fault)).match(fault).hasMatch())
            return true;
    }
    return false;
}

// The longest state names the catalogues hold, one event each, so that the event
// list shows them all in its first column.
QVector<Event> eventsOfEveryState(const QString& model)
{
    QVector<Event> events;
    int number = 0;
    for (const QString& key : offeredEventKeysForModel(model)) {
        Event event;
        event.event_state = key;
        event.expressionIn = key + QStringLiteral(",ON,==,");
        event.expressionOut = key + QStringLiteral(",OFF,==,");
        event.event_number = ++number;
        event.event_parentId = 0;
        events.append(event);
    }
    return events;
}

QVector<Group> oneGroup()
{
    Group group;
    group.group_name = QStringLiteral("Serwerownia");
    group.group_configId = 0;
    group.computers = {0};
    return {group};
}

QVector<Computer> oneComputer()
{
    Computer computer;
    computer.computer_name = QStringLiteral("Serwer");
    computer.computer_address = QStringLiteral("127.0.0.1");
    computer.computer_password = QStringLiteral("a");
    computer.computer_configId = 0;
    return {computer};
}

// A parallel unit of each model of the catalogue: the longest model names in one list.
QList<Ups> unitsOfEveryModel()
{
    QList<Ups> units;
    for (const UpsModelEntry& entry : upsModelCatalogue()) {
        Ups unit;
        unit.id = QString::number(100 + units.size());
        unit.model_name = entry.identifier();
        unit.parallel_unit = true;
        unit.unit_address = QString::number(units.size() % 8 + 1);
        units.append(unit);
    }
    return units;
}

// The room a screen leaves for windows ("1366x768", the default, or "1024x768").
QRect availableArea()
{
    const QStringList size = qEnvironmentVariable("LX_LAYOUT_SCREEN", QStringLiteral("1366x768")).split('x');
    if (size.size() != 2)
        return QRect(0, 0, 1366, 768);
    return QRect(0, 0, size.at(0).toInt(), size.at(1).toInt());
}

// The desktop's font resolution: 96, or 120 for larger fonts.
int fontDpi()
{
    return qEnvironmentVariableIntValue("LX_LAYOUT_FONT_DPI") > 0
               ? qEnvironmentVariableIntValue("LX_LAYOUT_FONT_DPI")
               : 96;
}

// Real data at its longest: a device whose name, messages and history fill every
// line the window gives them.
const QString longDevice = QStringLiteral("7");

LxSim::SimDevice withLongData(LxSim::SimDevice device)
{
    device.id = longDevice;
    device.user_defined_name = QStringLiteral("Serwerownia główna, budynek C, piętro 2, szafa rack 14");
    // Twelve messages at once: every alarm the panel knows, and notices after them.
    device.messages = QStringList{"0", "5", "10", "12", "61", "64", "83", "190", "7", "8", "27", "59"};
    QStringList history;
    for (int code : {52, 53, 64, 65, 68, 69, 70, 71, 74, 75, 76, 77, 78, 79, 56, 57}) {
        const int minute = history.size();
        history << QStringLiteral("%1;2026;12;10;%2;%3").arg(code).arg(8 + minute / 6).arg(minute * 7 % 60);
    }
    device.events = history.join(QLatin1Char('|'));
    // A setting received outside the choices the device offers with it.
    device.configuration.insert(QStringLiteral("screen_save_time_option"), QStringLiteral("45;30;60;120"));
    return device;
}

// The window of one language: the language set as the user sets it, translators
// installed before it is built, as the program does, and the stand-in's demo
// world behind it, with one device of long data beside the demo's.
struct Session
{
    QString language;
    QTranslator qtTranslator;
    QTranslator ownTranslator;
    PanelRig rig;

    explicit Session(const QString& code) : language(code)
    {
        // Read by the dialogs that pick a device file's texts by language.
        QSettings(LocalSettings::filePath(), QSettings::IniFormat)
            .setValue(QStringLiteral("language"),
                      code == QLatin1String("pl") ? QStringLiteral("polish") : QStringLiteral("english"));
        installTranslators(code, qtTranslator, ownTranslator);
    }
    ~Session()
    {
        QCoreApplication::removeTranslator(&ownTranslator);
        QCoreApplication::removeTranslator(&qtTranslator);
    }

    bool start()
    {
        if (!rig.startDemo())
            return false;
        // A model whose events are the built-in table's, every state it offers.
        const QString unit = QStringLiteral("6");
        const QString model = rig.world.device(unit)->model_name;
        rig.world.setComputersPayload(QString::fromUtf8(Luminorix::serializeComputers(oneComputer())));
        rig.world.setGroupsPayload(unit, QString::fromUtf8(Luminorix::serializeGroups(oneGroup(), unit)));
        rig.world.setEventsPayload(
            unit, QString::fromUtf8(Luminorix::serializeEvents(eventsOfEveryState(model), unit)));
        QList<LxSim::SimDevice> devices = rig.world.devices();
        devices.append(withLongData(*rig.world.device(QStringLiteral("1"))));
        rig.world.setDevices(devices);
        rig.win().show();
        if (!QTest::qWaitFor(
                [this] {
                    return rig.tree()->topLevelItemCount() >= 5 && rig.elementById("1") &&
                           rig.elementById(longDevice);
                },
                20000))
            return false;
        rig.logIn();
        return true;
    }
    Luminorix::UpsSocketController* controller() const { return rig.controller(); }
    DialogRelay* relay() const { return rig.window->findChild<DialogRelay*>(QStringLiteral("dialogRelay")); }
    Ups device(const QString& id) const { return rig.elementById(id)->ups; }
    // Selects a device as a user would and waits until the window shows it.
    bool select(const QString& id)
    {
        rig.tree()->setCurrentItem(rig.elementById(id));
        return QTest::qWaitFor([&] { return rig.currentDevice().id == id; }, 10000);
    }
};

using Inspect = std::function<void(QWidget*)>;

void settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// Opens a window as its opener does, waits for what it shows and hands it to
// `inspect` at its opening size.
struct Opening
{
    const char* name;
    std::function<void(Session&, const Inspect&)> open;
};

// A dialog the main window opens from an action or button: inspected while its
// own loop runs, then closed.
std::function<void(Session&, const Inspect&)> fromWindow(const char* trigger, const QString& device,
                                                         std::function<bool(QWidget*)> ready)
{
    return [=](Session& s, const Inspect& inspect) {
        QVERIFY(s.select(device));
        LuminorixWindow& w = s.rig.win();
        QAction* action = w.findChild<QAction*>(QLatin1String(trigger));
        QPushButton* button = action ? nullptr : w.findChild<QPushButton*>(QLatin1String(trigger));
        QVERIFY(action || button);
        QTRY_VERIFY(action ? action->isEnabled() : button->isEnabled());
        bool seen = false;
        LxTest::answerNextDialog([&](QWidget* dialog) {
            seen = true;
            QTRY_VERIFY_WITH_TIMEOUT(ready(dialog), 15000);
            inspect(dialog);
            qobject_cast<QDialog*>(dialog)->reject();
        });
        if (action)
            action->trigger();
        else
            button->click();
        QVERIFY(seen);
    };
}

// A dialog built alone (one that another dialog opens), wired as its opener wires it.
template <class Make>
std::function<void(Session&, const Inspect&)> alone(Make make, std::function<bool(QWidget*)> ready = {})
{
    return [=](Session& s, const Inspect& inspect) {
        std::unique_ptr<QDialog> dialog(make(s));
        dialog->show();
        if (ready)
            QTRY_VERIFY_WITH_TIMEOUT(ready(dialog.get()), 15000);
        inspect(dialog.get());
    };
}

template <class W> W* child(QWidget* w, const char* name)
{
    return w->findChild<W*>(QLatin1String(name));
}

bool always(QWidget*)
{
    return true;
}

QMessageBox* shownMessageBox()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            return box;
    }
    return nullptr;
}

const QList<SerialPort>& somePorts()
{
    static const QList<SerialPort> ports{{QStringLiteral("/dev/ttyS0"), true},
                                         {QStringLiteral("/dev/ttyUSB0"), false},
                                         {QStringLiteral("/dev/ttyS1"), true}};
    return ports;
}

const QList<Opening>& openings()
{
    static const QList<Opening> list{
        {"main window",
         [](Session& s, const Inspect& inspect) {
             QVERIFY(s.select(QStringLiteral("1")));
             // The device's state shown, not only its record.
             QTRY_VERIFY(!s.rig.fieldText("modelNameEdit").isEmpty());
             QTRY_VERIFY(!s.rig.fieldText("workModeEdit").isEmpty() &&
                         s.rig.fieldText("workModeEdit") != QLatin1String("N/D"));
             inspect(&s.rig.win());
         }},
        {"main window with long data",
         [](Session& s, const Inspect& inspect) {
             QVERIFY(s.select(longDevice));
             // The long device's own state, not the one shown before it.
             auto* messages = qobject_cast<QPlainTextEdit*>(s.rig.widget("deviceMessages"));
             QVERIFY(messages);
             QTRY_VERIFY(messages->toPlainText().contains(upsEventText(QStringLiteral("190"))));
             inspect(&s.rig.win());
         }},
        {"message box",
         [](Session&, const Inspect& inspect) {
             showMessageBox(
                 QCoreApplication::translate("UPSConfigurationWindow", "Uwaga"),
                 QCoreApplication::translate(
                     "UPSConfigurationWindow",
                     "Nastąpi reset licznika zużycia akumulatora.\nFunkcję resetu należy wykonać "
                     "jednorazowo, niezwłocznie po każdej wymianie akumulatora w UPS. Czy kontynuować?"));
             QTRY_VERIFY(shownMessageBox());
             inspect(shownMessageBox());
         }},
        {"tray menu",
         [](Session& s, const Inspect& inspect) {
             auto* menu = s.rig.win().findChild<QMenu*>(QStringLiteral("trayMenu"));
             QVERIFY(menu);
             menu->popup(availableArea().bottomRight());
             inspect(menu);
             menu->hide();
         }},
        {"about", alone([](Session&) { return new AboutWindow(nullptr); })},
        {"login", alone([](Session& s) {
             auto* dialog = new LogiInWindow(s.controller(), nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             return dialog;
         })},
        {"service host", alone([](Session& s) {
             auto* dialog = new ConnectWithServiceWindow(nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             return dialog;
         })},
        {"password", alone([](Session& s) {
             auto* dialog = new PasswordChangeWindow(QStringLiteral("127.0.0.1"), s.controller(), nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             return dialog;
         })},
        {"application settings",
         fromWindow("actionApplicationConfiguration", QStringLiteral("1"),
                    [](QWidget* d) { return child<QPushButton>(d, "addUpsButton")->isEnabled(); })},
        {"smtp test", alone([](Session&) { return new SmtpTestWindow(nullptr); })},
        {"update download", alone([](Session&) { return new UpdateDownloadWindow(nullptr); })},
        {"ups configuration",
         fromWindow("actionUpsConfiguration", QStringLiteral("1"),
                    [](QWidget* d) { return child<QGridLayout>(d, "parametersGrid")->count() > 0; })},
        {"generator set configuration",
         fromWindow("actionUpsConfiguration", QStringLiteral("5"),
                    [](QWidget* d) { return child<QGridLayout>(d, "parametersGrid")->count() > 0; })},
        {"extended information", fromWindow("exInfoButton", QStringLiteral("1"), always)},
        {"extended information of a generator set", fromWindow("exInfoButton", QStringLiteral("5"), always)},
        {"new ups", alone([](Session& s) {
             static QList<SerialPort> ports;
             ports = somePorts();
             auto* dialog = new AddUpsWindow(&ports, nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             dialog->setConfiguredUps({s.device(QStringLiteral("1"))});
             return dialog;
         })},
        {"edit ups with busy ports", alone([](Session& s) {
             static QList<SerialPort> ports;
             ports = somePorts();
             auto* dialog = new AddUpsWindow(&ports, nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             dialog->editDevice(s.device(QStringLiteral("6")));
             dialog->setConfiguredUps({s.device(QStringLiteral("6"))});
             return dialog;
         })},
        {"snmp options", alone([](Session&) { return new SnmpOptionsWindow(nullptr); })},
        {"virtual ups", alone([](Session& s) {
             auto* dialog = new AddVirtualUpsWindow(nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             dialog->setEditMode(true);
             dialog->setPhyId(QStringLiteral("4"));
             dialog->setMemberDevices({s.device(QStringLiteral("2")), s.device(QStringLiteral("3"))});
             dialog->setConfiguredUps({s.device(QStringLiteral("2")), s.device(QStringLiteral("3"))});
             dialog->displayAvailableParallelDevices({s.device(QStringLiteral("1")),
                                                      s.device(QStringLiteral("2")),
                                                      s.device(QStringLiteral("3"))});
             return dialog;
         })},
        {"virtual ups over every model", alone([](Session& s) {
             auto* dialog = new AddVirtualUpsWindow(nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             dialog->displayAvailableParallelDevices(unitsOfEveryModel());
             return dialog;
         })},
        {"virtual ups without parallel devices", alone([](Session& s) {
             auto* dialog = new AddVirtualUpsWindow(nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             dialog->displayAvailableParallelDevices({s.device(QStringLiteral("1"))});
             return dialog;
         })},
        {"events", fromWindow("actionNetworkConfiguration", QStringLiteral("6"),
                              [](QWidget* d) {
                                  auto* groups = child<QTreeWidget>(d, "networkElementsTree");
                                  auto* events = child<QTreeWidget>(d, "eventsTree");
                                  if (groups->topLevelItemCount() > 0 && !groups->currentItem())
                                      groups->setCurrentItem(groups->topLevelItem(0));
                                  return events->topLevelItemCount() > 0;
                              })},
        {"advanced definition", alone([](Session& s) {
             static const QVector<Event> events;
             return new AdvancedOptionsWindow(s.device(QStringLiteral("1")), {}, &events, nullptr);
         })},
        {"group", alone([](Session&) { return new GroupConfigurationWindow(nullptr); })},
        {"computer", alone([](Session&) { return new ComputerConfigurationWindow(nullptr); })},
        {"discovery", alone([](Session&) { return new DiscoverWindow(nullptr); })},
        {"system command editor", alone([](Session&) { return new SysCommandWindow(nullptr); })},
        {"e-mail editor", alone([](Session&) { return new SendEmailWindow(nullptr); })},
        {"output socket editor", alone([](Session&) { return new OutputSocketWindow(true, true, nullptr); })},
        {"power-off editor", alone([](Session& s) {
             auto* dialog = new PowerOffVCenterActionsWindow(s.controller(), nullptr);
             connectToService(dialog, s.controller(), *s.relay());
             return dialog;
         })},
        {"logging settings", fromWindow("actionLoggingConfiguration", QStringLiteral("1"), always)},
        {"log viewer", alone([](Session&) { return new UpsLogsWindow(nullptr); })},
        {"event history", fromWindow("upsEventsButton", QStringLiteral("1"), always)},
        {"event history with long entries",
         fromWindow("upsEventsButton", longDevice,
                    [](QWidget* d) { return child<QListView>(d, "eventsList")->model()->rowCount() == 16; })},
        {"ups configuration with a setting outside its choices",
         fromWindow("actionUpsConfiguration", longDevice,
                    [](QWidget* d) { return child<QGridLayout>(d, "parametersGrid")->count() > 0; })},
        {"virtualization centre", fromWindow("actionVirtualizationCenter", QStringLiteral("1"), always)},
    };
    return list;
}

// Where pictures go when a reviewer asks for them (scripts/screenshot --all).
QString shotFolder()
{
    return qEnvironmentVariable("LX_LAYOUT_SHOTS");
}

QString fileName(const QString& window, const QString& language, const QString& tab)
{
    QString name = window + (tab.isEmpty() ? QString() : QStringLiteral(" - ") + tab);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    return QStringLiteral("%1/%2-%3x%4-%5dpi-%6.png")
        .arg(shotFolder(), language)
        .arg(availableArea().width())
        .arg(availableArea().height())
        .arg(fontDpi())
        .arg(name.toLower());
}

} // namespace

class TestLayoutCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowsShowTheirWholeTexts_data();
    void windowsShowTheirWholeTexts();
    void fieldsOfOneColumnLineUp_data();
    void fieldsOfOneColumnLineUp();
    void dialogButtonsStayInSight_data();
    void dialogButtonsStayInSight();

private:
    Session* sessionFor(const QString& language);

    // Built once per language: the rows of one language follow each other.
    std::unique_ptr<Session> session;
    std::unique_ptr<LxTest::ModalWatchdog> watchdog;
    std::unique_ptr<ScreenFit> screenFit;
};

void TestLayoutCheck::initTestCase()
{
    // The program's own look: its style and its style sheet.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    applyStyleSheet(*qApp);
    // The font a desktop without settings of its own gives the program (and the one
    // the pictures of scripts/screenshot show); the offscreen platform has no theme
    // and would fall back to 12 pt.
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(9.0 * fontDpi() / 96);
    QApplication::setFont(font);
    // The program's own fit of every window to the screen, on a screen of the size asked for.
    screenFit = std::make_unique<ScreenFit>([](const QWidget*) { return availableArea(); }, nullptr);
    qApp->installEventFilter(screenFit.get());
    watchdog = std::make_unique<LxTest::ModalWatchdog>(60000);
}

void TestLayoutCheck::cleanupTestCase()
{
    LxTest::closeAllMessageBoxes();
    session.reset();
    watchdog.reset();
}

namespace {

const Opening* openingNamed(const QString& name)
{
    for (const Opening& candidate : openings()) {
        if (name == QLatin1String(candidate.name))
            return &candidate;
    }
    return nullptr;
}

} // namespace

void TestLayoutCheck::windowsShowTheirWholeTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("window");
    for (const char* language : {"pl", "en_US"}) {
        for (int i = 0; i < openings().size(); ++i)
            QTest::addRow("%s, %s", openings().at(i).name, language) << QString::fromLatin1(language) << i;
    }
}

void TestLayoutCheck::windowsShowTheirWholeTexts()
{
    QFETCH(QString, language);
    QFETCH(int, window);
    QVERIFY(sessionFor(language));
    const Opening& opening = openings().at(window);
    const QString name = QString::fromLatin1(opening.name);

    QStringList faults;
    bool inspected = false;
    const Inspect inspect = [&](QWidget* shown) {
        inspected = true;
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QRect area = availableArea();
        const auto checkPlace = [&](const QString& tab) {
            const QRect frame = shown->frameGeometry();
            if (!area.contains(frame))
                faults << QStringLiteral("%1opens at %2,%3 %4x%5, beyond the screen's %6x%7")
                              .arg(tab.isEmpty() ? QString() : QStringLiteral("[%1] ").arg(tab))
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height())
                              .arg(area.width())
                              .arg(area.height());
        };
        const auto look = [&](const QString& tab) {
            // Rows built a moment ago are placed once the posted layout requests are done;
            // on a real display a resize also waits for the server's answer.
            (void)QTest::qWaitFor(
                [&] {
                    settle();
                    return layoutFaults(shown).isEmpty();
                },
                2000);
            checkPlace(tab);
            // A form wider than the whole screen scrolls sideways: the window takes all the width there is.
            // (without a window manager the frame is the one the fit assumes).
            const bool atScreenWidth = shown->frameGeometry().width() >=
                                       area.width() - assumedFrame().left() - assumedFrame().right();
            for (const QString& fault : layoutFaults(shown)) {
                if (atScreenWidth && fault.contains(QLatin1String(": its content is ")))
                    continue;
                const QString where = tab.isEmpty() ? fault : QStringLiteral("[%1] %2").arg(tab, fault);
                if (!isAllowed(name, where))
                    faults << where;
            }
            if (!shotFolder().isEmpty())
                QVERIFY(shown->grab().save(fileName(name, language, tab)));
        };
        look(QString());
        // Every tab at the window's opening size, each as the user switches to it.
        for (QTabWidget* tabs : shown->findChildren<QTabWidget*>()) {
            const int first = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                if (i == first)
                    continue;
                tabs->setCurrentIndex(i);
                look(tabs->tabText(i).remove(QLatin1Char('&')));
            }
            tabs->setCurrentIndex(first);
        }
    };
    opening.open(*session, inspect);
    QVERIFY(inspected);
    LxTest::closeAllMessageBoxes();
    if (!faults.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 in %2 at %3x%4, %5 dpi:\n  ")
                             .arg(faults.size())
                             .arg(language)
                             .arg(availableArea().width())
                             .arg(availableArea().height())
                             .arg(fontDpi()) +
                         faults.join(QStringLiteral("\n  "))));
}

Session* TestLayoutCheck::sessionFor(const QString& language)
{
    if (!session || session->language != language) {
        session.reset();
        session = std::make_unique<Session>(language);
        if (!session->start())
            session.reset();
    }
    return session.get();
}

void TestLayoutCheck::fieldsOfOneColumnLineUp_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("sameWidth");
    for (const char* language : {"pl", "en_US"}) {
        QTest::addRow("SMTP fields' left edge, %s", language)
            << language << "application settings"
            << QStringList{"securityTypeCombo", "serverEdit", "senderAddressEdit",
                           "timeoutEdit",       "userEdit",   "passwordEdit"}
            << false;
        QTest::addRow("SMTP address fields, %s", language)
            << language << "application settings"
            << QStringList{"senderAddressEdit", "userEdit", "passwordEdit"} << true;
        QTest::addRow("password fields, %s", language)
            << language << "password" << QStringList{"passEdit", "newPassEdit", "newPassRepeatedEdit"}
            << true;
        QTest::addRow("new UPS, %s", language)
            << language << "new ups" << QStringList{"upsModelBox", "communicationInterfaceBox", "upsNameEdit"}
            << true;
        QTest::addRow("computer, %s", language)
            << language << "computer"
            << QStringList{"computerNameEdit", "computerAddressEdit", "passwordEdit", "groupBox"} << true;
        QTest::addRow("action buttons of the event editor, %s", language)
            << language << "events"
            << QStringList{"systemCommandConfigurationButton", "sendEmailConfigurationButton",
                           "shutdownSystemConfigurationButton", "outputSocketConfigurationButton"}
            << true;
    }
}

// Fields stacked in one column share their left edge, and their width where they should.
void TestLayoutCheck::fieldsOfOneColumnLineUp()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QStringList, fields);
    QFETCH(bool, sameWidth);
    Session* s = sessionFor(language);
    QVERIFY(s);
    const Opening* opening = openingNamed(window);
    QVERIFY(opening);
    QStringList places;
    opening->open(*s, [&](QWidget* shown) {
        settle();
        for (const QString& name : fields) {
            QWidget* field = shown->findChild<QWidget*>(name);
            QVERIFY2(field, qPrintable(name));
            if (!field->isVisibleTo(shown))
                continue;
            places << (sameWidth ? QStringLiteral("x %1, %2 px wide")
                                       .arg(field->mapTo(shown, QPoint()).x())
                                       .arg(field->width())
                                 : QStringLiteral("x %1").arg(field->mapTo(shown, QPoint()).x()));
        }
    });
    QVERIFY(places.size() >= 2);
    for (int i = 1; i < places.size(); ++i)
        QVERIFY2(places.at(i) == places.first(), qPrintable(places.join(QStringLiteral("; "))));
}

void TestLayoutCheck::dialogButtonsStayInSight_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("buttons");
    for (const char* language : {"pl", "en_US"}) {
        QTest::addRow("event definition, %s", language)
            << language << "advanced definition"
            << QStringList{"saveAsNewEventButton", "saveEventButton", "cancelButton"};
        QTest::addRow("output socket editor, %s", language)
            << language << "output socket editor" << QStringList{"buttonBox"};
    }
}

// Save and Cancel are wholly in sight as the window opens, however small the screen.
void TestLayoutCheck::dialogButtonsStayInSight()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QStringList, buttons);
    Session* s = sessionFor(language);
    QVERIFY(s);
    const Opening* opening = openingNamed(window);
    QVERIFY(opening);
    QStringList hidden;
    opening->open(*s, [&](QWidget* shown) {
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        settle();
        for (const QString& name : buttons) {
            QWidget* button = shown->findChild<QWidget*>(name);
            QVERIFY2(button, qPrintable(name));
            const QRect place(button->mapTo(shown, QPoint()), button->size());
            if (!button->isVisible() || button->visibleRegion().boundingRect() != button->rect() ||
                !shown->rect().contains(place))
                hidden << QStringLiteral("%1 at %2,%3 in %4x%5")
                              .arg(name)
                              .arg(place.x())
                              .arg(place.y())
                              .arg(shown->width())
                              .arg(shown->height());
        }
    });
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QStringLiteral("; "))));
}

LX_TEST_MAIN(TestLayoutCheck)
#include "tst_layoutcheck.moc"
