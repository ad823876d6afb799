// The advanced event definition dialog alone: pickers, live check, filters and
// the save checks, on the description files compiled into the program.
#include "common/localsettings.h"
#include "common/showntext.h"
#include "panel/events/advancedoptionswindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <memory>

using LxTest::ShownBox;
using LxTest::takeMessageBoxes;

namespace {

Luminorix::Utils::Ups device(const QString& model)
{
    Luminorix::Utils::Ups ups;
    ups.model_name = model;
    return ups;
}

// The dialog on one device, shown, with a few finders.
struct Dialog
{
    QVector<Event> events;
    AdvancedOptionsWindow window;

    explicit Dialog(const QString& model = QStringLiteral("OspreyRT_USB"), const QStringList& definition = {},
                    const QVector<Event>& existing = {})
        : events(existing), window(device(model), definition, &events)
    {
        window.show();
    }
    template <typename T> T* find(const char* name) { return window.findChild<T*>(QLatin1String(name)); }
    QTextEdit* in() { return find<QTextEdit>("expressionTextIn"); }
    QTextEdit* out() { return find<QTextEdit>("expressionTextOut"); }
    QLineEdit* name() { return find<QLineEdit>("eventNameTextEdit"); }
    QStringList texts(const char* list)
    {
        QStringList result;
        auto* widget = find<QListWidget>(list);
        for (int i = 0; i < widget->count(); ++i)
            result.append(widget->item(i)->text());
        return result;
    }
    void pick(const char* list, const QString& text)
    {
        auto* widget = find<QListWidget>(list);
        const QList<QListWidgetItem*> items = widget->findItems(text, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(text));
        emit widget->itemDoubleClicked(items.first());
    }
    static bool valid(QTextEdit* edit) { return edit->property("valid").toBool(); }
};

Event namedEvent(const QString& name)
{
    Event e;
    e.event_state = name;
    return e;
}

void setLanguage(const QString& language)
{
    QSettings(LocalSettings::filePath(), QSettings::IniFormat).setValue(QStringLiteral("language"), language);
}

} // namespace

class TestAdvancedOptionsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void formAndLists();
    void operatorsPerModel_data();
    void operatorsPerModel();
    void pickingBuildsAGreenCondition();
    void pickingInsertsTheItemsOwnKey();
    void liveCheck_data();
    void liveCheck();
    void openingADefinition();
    void illFormedStoredConditionShowsRed();
    void longStoredConditionShownCutAndKept();
    void save_data();
    void save();
    void filter_data();
    void filter();
    void missingFile();
    void brokenFile();
    void polishTexts();

private:
    // A box nobody expected fails the test instead of hanging it.
    std::unique_ptr<LxTest::ModalWatchdog> m_watchdog;
};

void TestAdvancedOptionsWindow::init()
{
    m_watchdog = std::make_unique<LxTest::ModalWatchdog>();
    setLanguage(QStringLiteral("english"));
}

void TestAdvancedOptionsWindow::cleanup()
{
    m_watchdog.reset();
    LxTest::closeAllMessageBoxes();
}

void TestAdvancedOptionsWindow::formAndLists()
{
    Dialog d;
    // 936 px wide at least: wider where the longest state name needs it.
    QCOMPARE(d.window.height(), 532);
    QVERIFY(d.window.width() >= 936);
    QCOMPARE(d.window.minimumSize(), d.window.maximumSize());
    QCOMPARE(d.window.windowTitle(), QStringLiteral("Definiowanie zdarzenia"));
    const QStringList items = d.texts("eventStatesListIn");
    QCOMPARE(items.size(), 44);
    QCOMPARE(items.first(), QStringLiteral("Work mode - No communication"));
    QCOMPARE(d.texts("eventStatesListOut"), items);
    QCOMPARE(d.texts("statesListIn"), QStringList({"ON", "OFF"}));
    QCOMPARE(d.texts("statesListOut"), QStringList({"ON", "OFF"}));
    QVERIFY(d.name()->text().isEmpty());
    QVERIFY(d.in()->toPlainText().isEmpty());
}

void TestAdvancedOptionsWindow::operatorsPerModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("operators");

    const QStringList all = {"==", "!=", "<", "<=", ">", ">=", "||", "&&", "( )"};
    const QStringList twoState = {"==", "||", "&&", "( )"};
    QTest::newRow("three-phase") << "Harrier33_SNMP" << all;
    QTest::newRow("any case") << "HARRIER33_usb" << all;
    QTest::newRow("plus 6-10k") << "HarrierRTPlus6_10_USB" << all;
    QTest::newRow("rack AVR") << "KitePro_Avr_Rack_USB" << all;
    QTest::newRow("no parameters") << "HarrierRT_USB" << twoState;
    QTest::newRow("generator set") << "Ibis_SNMP" << twoState;
    QTest::newRow("virtual UPS") << "Virtual_Device" << twoState;
}

void TestAdvancedOptionsWindow::operatorsPerModel()
{
    QFETCH(QString, model);
    QFETCH(QStringList, operators);
    Dialog d(model);
    QCOMPARE(d.texts("operatorListIn"), operators);
    QCOMPARE(d.texts("operatorListOut"), operators);
}

void TestAdvancedOptionsWindow::pickingBuildsAGreenCondition()
{
    Dialog d;
    d.pick("eventStatesListIn", "Work mode - On line power");
    d.pick("operatorListIn", "==");
    d.pick("statesListIn", "ON");
    QCOMPARE(d.in()->toPlainText(), QStringLiteral("stateNormal==ON"));
    QVERIFY(Dialog::valid(d.in()));
    QCOMPARE(d.in()->styleSheet(), QStringLiteral("color: green"));
    QVERIFY(d.out()->toPlainText().isEmpty());

    d.pick("eventStatesListOut", "Work mode - On battery");
    d.pick("operatorListOut", "( )");
    QCOMPARE(d.out()->toPlainText(), QStringLiteral("stateBatteryBackup( )"));
    QVERIFY(!Dialog::valid(d.out()));
    QCOMPARE(d.out()->styleSheet(), QStringLiteral("color: red"));

    d.out()->setPlainText(QStringLiteral("stateNormal==OFF"));
    d.name()->setText(QStringLiteral("Mains back"));
    d.find<QPushButton>("saveAsNewEventButton")->click();
    QCOMPARE(d.window.result(), int(QDialog::Accepted));
    QCOMPARE(d.window.eventDefinition(),
             QStringList({"Mains back", "stateNormal,ON,==,", "stateNormal,OFF,==,"}));
}

// Two items showing one text: each inserts its own key, and an item without
// a text in the language is listed empty.
void TestAdvancedOptionsWindow::pickingInsertsTheItemsOwnKey()
{
    Dialog d(QStringLiteral("Twin_Test"));
    auto* list = d.find<QListWidget>("eventStatesListIn");
    QCOMPARE(d.texts("eventStatesListIn"),
             QStringList({"Work mode - On line power", "Work mode - On line power", ""}));
    emit list->itemDoubleClicked(list->item(1));
    QCOMPARE(d.in()->toPlainText(), QStringLiteral("stateEco"));
    emit list->itemDoubleClicked(list->item(2));
    QCOMPARE(d.in()->toPlainText(), QStringLiteral("stateEcostateBypass"));
}

void TestAdvancedOptionsWindow::liveCheck_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("numeric, greater or equal") << "OspreyRT_USB"
                                               << "paramOutputLoad >= 80.5 && stateNormal == ON" << true;
    QTest::newRow("numeric, number first") << "OspreyRT_USB"
                                           << "80 < paramOutputLoad" << true;
    QTest::newRow("not equal on a state") << "OspreyRT_USB"
                                          << "stateNormal != ON" << false;
    QTest::newRow("state against a number") << "OspreyRT_USB"
                                            << "stateNormal == 1" << false;
    QTest::newRow("key of another file") << "OspreyRT_USB"
                                         << "stateBypass == ON" << false;
    QTest::newRow("parallel item of a single unit") << "Harrier33_USB"
                                                    << "message2ParallelWorkModeMaster == ON" << false;
    QTest::newRow("generator set") << "Ibis_SNMP"
                                   << "stateGensetOn == ON || alarmSdFuelLevelA == ON" << true;
    // They convert to a double, but the service reads no such value.
    QTest::newRow("inf is no number") << "OspreyRT_USB"
                                      << "paramOutputLoad > inf" << false;
    QTest::newRow("nan is no number") << "OspreyRT_USB"
                                      << "nan < paramOutputLoad" << false;
    QTest::newRow("infinity is no number") << "OspreyRT_USB"
                                           << "paramOutputLoad < Infinity" << false;
    // What the parser refuses at save shows red at once.
    const auto nested = [](int depth) {
        return QString(depth, QLatin1Char('(')) + QStringLiteral("paramOutputLoad > 80") +
               QString(depth, QLatin1Char(')'));
    };
    const auto clauses = [](int count) {
        QStringList all;
        for (int i = 0; i < count; ++i)
            all << QStringLiteral("stateNormal==ON");
        return all.join(QStringLiteral("||"));
    };
    QTest::newRow("nesting at the bound") << "OspreyRT_USB" << nested(100) << true;
    QTest::newRow("nesting beyond the bound") << "OspreyRT_USB" << nested(101) << false;
    QTest::newRow("operators at the bound (1998 characters)") << "OspreyRT_USB" << clauses(500) << true;
    QTest::newRow("operators beyond the bound (2002 characters)") << "OspreyRT_USB" << clauses(501) << false;
}

void TestAdvancedOptionsWindow::liveCheck()
{
    QFETCH(QString, model);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    Dialog d(model);
    d.out()->setPlainText(text);
    QCOMPARE(Dialog::valid(d.out()), valid);
    QCOMPARE(d.out()->styleSheet(), valid ? QStringLiteral("color: green") : QStringLiteral("color: red"));
    QVERIFY(d.in()->property("valid").isNull());
}

void TestAdvancedOptionsWindow::openingADefinition()
{
    Dialog d(QStringLiteral("OspreyRT_USB"),
             {"Mains", "stateNormal,ON,==,stateWatch,ON,==,||,", "stateNormal,OFF,==,"});
    QCOMPARE(d.name()->text(), QStringLiteral("Mains"));
    QCOMPARE(d.in()->toPlainText(), QStringLiteral("((stateNormal==ON)||(stateWatch==ON))"));
    QCOMPARE(d.out()->toPlainText(), QStringLiteral("(stateNormal==OFF)"));
    QVERIFY(Dialog::valid(d.in()));
    QVERIFY(Dialog::valid(d.out()));
    QCOMPARE(d.window.buildEventDefinition(),
             QStringList({"Mains", "stateNormal,ON,==,stateWatch,ON,==,||,", "stateNormal,OFF,==,"}));

    Dialog named(QStringLiteral("OspreyRT_USB"), {"Zdarzenie 3"});
    QCOMPARE(named.name()->text(), QStringLiteral("Zdarzenie 3"));
    QVERIFY(named.in()->toPlainText().isEmpty());
}

// A stored text the service mangled opens red with what was left, and cannot be saved.
void TestAdvancedOptionsWindow::illFormedStoredConditionShowsRed()
{
    Dialog d(QStringLiteral("OspreyRT_USB"), {"Broken", "==,stateNormal,ON,", "stateNormal,ON,==,"});
    QCOMPARE(d.in()->toPlainText(), QStringLiteral("== stateNormal ON"));
    QVERIFY(!Dialog::valid(d.in()));
    QVERIFY(Dialog::valid(d.out()));
}

// A stored condition of a mebibyte opens at once, shown cut and read-only; picking
// adds nothing to it, and Save gives it back as it came.
void TestAdvancedOptionsWindow::longStoredConditionShownCutAndKept()
{
    const QString term = QStringLiteral("stateNormal,ON,==,");
    QString start = term;
    while (start.size() < (1 << 20))
        start += term + QStringLiteral("||,");
    const QStringList definition{"Mains", start, "stateNormal,OFF,==,"};
    Dialog d(QStringLiteral("OspreyRT_USB"), definition);
    QVERIFY(d.in()->isReadOnly());
    QVERIFY(d.in()->toPlainText().size() <= ShownText::editor.length);
    QVERIFY(!d.out()->isReadOnly());
    QVERIFY(Dialog::valid(d.in()));
    const QString shown = d.in()->toPlainText();
    d.pick("operatorListIn", QStringLiteral("||"));
    QCOMPARE(d.in()->toPlainText(), shown);

    d.find<QPushButton>("saveEventButton")->click();
    QCOMPARE(d.window.result(), int(QDialog::Accepted));
    QVERIFY(takeMessageBoxes().isEmpty());
    QCOMPARE(d.window.eventDefinition(), definition);
}

void TestAdvancedOptionsWindow::save_data()
{
    QTest::addColumn<QStringList>("definition");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("message");

    const QStringList existing = {"Mains", "stateNormal,ON,==,", "stateNormal,OFF,==,"};
    const QString good = QStringLiteral("stateNormal==ON");
    QTest::newRow("empty name") << QStringList() << "saveAsNewEventButton"
                                << "" << good << "Pole \"Nazwa zdarzenia\" nie może być puste";
    for (const char* bad : {"a&b", "a\"b", "a'b", "a<b", "a>b"}) {
        QTest::addRow("forbidden character in %s", bad)
            << QStringList() << "saveAsNewEventButton" << bad << good
            << "Nazwa zdarzenia zawiera niedozwolone znaki";
    }
    QTest::newRow("empty condition") << QStringList() << "saveAsNewEventButton"
                                     << "New"
                                     << ""
                                     << "Należy wprowadzić wyrażenie.";
    QTest::newRow("invalid condition") << QStringList() << "saveAsNewEventButton"
                                       << "New"
                                       << "stateNormal != ON"
                                       << "Wprowadzone wyrażenie jest nieprawidłowe.";
    QTest::newRow("beyond the parser's nesting bound")
        << QStringList() << "saveAsNewEventButton"
        << "New" << QString(101, QLatin1Char('(')) + good + QString(101, QLatin1Char(')'))
        << "Wprowadzone wyrażenie jest nieprawidłowe.";
    QTest::newRow("green but does not parse") << QStringList() << "saveAsNewEventButton"
                                              << "New"
                                              << "stateNormal == ON ( )"
                                              << "Wystąpił błąd podczas przetwarzania wyrażenia.";
    QTest::newRow("new under a used name") << QStringList() << "saveAsNewEventButton"
                                           << "Other" << good << "Konfiguracja zawiera już zdarzenie Other";
    QTest::newRow("new under the name it opened with")
        << existing << "saveAsNewEventButton"
        << "Mains" << good << "Konfiguracja zawiera już zdarzenie Mains";
    QTest::newRow("saved under its own name") << existing << "saveEventButton"
                                              << "Mains" << good << "";
    QTest::newRow("renamed to another's name")
        << existing << "saveEventButton"
        << "Other" << good << "Konfiguracja zawiera już zdarzenie Other";
    QTest::newRow("new under a fresh name") << QStringList() << "saveAsNewEventButton"
                                            << "Fresh" << good << "";
    QTest::newRow("names are case-sensitive") << QStringList() << "saveAsNewEventButton"
                                              << "other" << good << "";
}

void TestAdvancedOptionsWindow::save()
{
    QFETCH(QStringList, definition);
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(QString, message);

    Dialog d(QStringLiteral("OspreyRT_USB"), definition, {namedEvent("Mains"), namedEvent("Other")});
    d.name()->setText(name);
    d.in()->setPlainText(start);
    d.out()->setPlainText(QStringLiteral("stateNormal == OFF"));
    d.find<QPushButton>(qPrintable(button))->click();

    if (message.isEmpty()) {
        QCOMPARE(d.window.result(), int(QDialog::Accepted));
        QCOMPARE(d.window.eventDefinition(),
                 QStringList({name, "stateNormal,ON,==,", "stateNormal,OFF,==,"}));
        QVERIFY(takeMessageBoxes().isEmpty());
        return;
    }
    QTRY_VERIFY(!LxTest::visibleMessageBoxes().isEmpty());
    const QList<ShownBox> shown = takeMessageBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Uwaga"));
    QCOMPARE(shown.first().text, message);
    QVERIFY(d.window.isVisible());
    QCOMPARE(d.window.result(), int(QDialog::Rejected));
    QCOMPARE(d.name()->text(), name);
    QCOMPARE(d.in()->toPlainText(), start);
}

void TestAdvancedOptionsWindow::filter_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("any case") << "BAT"
                              << QStringList(
                                     {"Work mode - On battery", "Message - Low battery",
                                      "Message - Batteries need replacing", "Message - Battery overheated",
                                      "Message - Waiting for minimum battery charge",
                                      "Alarm - Battery overtemperature", "Alarm - Critical battery voltage",
                                      "Parameter - battery capacity [%]", "Parameter - battery voltage [V]",
                                      "Parameter - battery temperature [°C]"});
    QTest::newRow("wildcards") << "*load*"
                               << QStringList({"Message - Output overload", "Alarm - Output overload",
                                               "Parameter - load [%]"});
    QTest::newRow("single character") << "Parameter - l?ad" << QStringList({"Parameter - load [%]"});
    QTest::newRow("character set") << "output [fv]"
                                   << QStringList({"Parameter - output voltage [V]",
                                                   "Parameter - output frequency [Hz]"});
    QTest::newRow("no match") << "xyzzy" << QStringList();
}

void TestAdvancedOptionsWindow::filter()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, items);
    Dialog d;
    const QStringList all = d.texts("eventStatesListOut");
    d.find<QLineEdit>("filterOut")->setText(pattern);
    QCOMPARE(d.texts("eventStatesListOut"), items);
    QCOMPARE(d.texts("eventStatesListIn"), all);

    // A filtered item still inserts its own key.
    if (!items.isEmpty()) {
        auto* list = d.find<QListWidget>("eventStatesListOut");
        emit list->itemDoubleClicked(list->item(0));
        QVERIFY(!d.out()->toPlainText().isEmpty());
        QVERIFY(!d.out()->toPlainText().contains(QLatin1Char(' ')));
    }
    d.find<QLineEdit>("filterOut")->clear();
    QCOMPARE(d.texts("eventStatesListOut"), all);
}

// The critical box comes during construction; then nothing is offered and nothing turns green.
void TestAdvancedOptionsWindow::missingFile()
{
    const auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
    Dialog d(QStringLiteral("Orbiter_USB"), {"Mains", "stateNormal,ON,==,", "stateNormal,OFF,==,"});
    QVERIFY(seen->seen);
    QCOMPARE(seen->windowTitle, QStringLiteral("Błąd ładowania pliku"));
    QCOMPARE(seen->text,
             QStringLiteral("Nie można odnaleźć pliku z parametrami :/data/data/Orbiter_USB.xml"));
    QVERIFY(d.name()->text().isEmpty());
    QVERIFY(d.in()->toPlainText().isEmpty());
    QCOMPARE(d.texts("eventStatesListIn"), QStringList());
    QCOMPARE(d.texts("operatorListIn"), QStringList());
    QCOMPARE(d.texts("statesListOut"), QStringList());
    d.in()->setPlainText(QStringLiteral("stateNormal == ON"));
    QVERIFY(!Dialog::valid(d.in()));
}

// The part before the error is offered.
void TestAdvancedOptionsWindow::brokenFile()
{
    const auto seen = LxTest::answerNextMessageBox(QMessageBox::Ok);
    Dialog d(QStringLiteral("Broken_Test"), {"Mains", "stateNormal,ON,==,", "messageCharging,OFF,==,"});
    QVERIFY(seen->seen);
    QCOMPARE(seen->windowTitle, QStringLiteral("Błąd odczytu pliku"));
    QCOMPARE(seen->text, QStringLiteral("Plik :/data/data/Broken_Test.xml zawiera błędy"));
    QCOMPARE(d.texts("eventStatesListIn"),
             QStringList({"Work mode - On line power", "Work mode - On battery", "Message - Charging"}));
    QCOMPARE(d.name()->text(), QStringLiteral("Mains"));
    QVERIFY(Dialog::valid(d.in()));
    QVERIFY(Dialog::valid(d.out()));
}

void TestAdvancedOptionsWindow::polishTexts()
{
    setLanguage(QStringLiteral("polish"));
    Dialog d(QStringLiteral("Ibis_SNMP"));
    QStringList items = d.texts("eventStatesListIn");
    QVERIFY(items.contains(QStringLiteral("Komunikat - Nadmierny wzrost temperatury")));
    QCOMPARE(items.first(), QStringLiteral("Tryb pracy - Brak komunikacji"));

    setLanguage(QStringLiteral("english"));
    Dialog english(QStringLiteral("Ibis_SNMP"));
    items = english.texts("eventStatesListIn");
    QCOMPARE(items.count(QString()), 1);
}

LX_TEST_MAIN(TestAdvancedOptionsWindow)
#include "tst_advancedoptionswindow.moc"
