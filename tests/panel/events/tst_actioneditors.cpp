#include "common/event.h"
#include "common/showntext.h"
#include "link/requestserializers.h"
#include "panel/events/outputsocketwindow.h"
#include "panel/events/sendemailwindow.h"
#include "panel/events/syscommandwindow.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <functional>

namespace {
// The actions of `event` as the events request carries them.
QString onTheWire(const Event& event)
{
    const QByteArray body = Luminorix::serializeEvents({event}, QStringLiteral("1"));
    const int from = body.indexOf("<actions>") + int(qstrlen("<actions>"));
    return QString::fromUtf8(body.mid(from, body.indexOf("</actions>") - from));
}

template <class T> T* child(QWidget* dialog, const char* name)
{
    T* found = dialog->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

void press(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
}

// Runs `edit` while `answer` works the dialog it opens; the watchdog ends a
// dialog that nobody answers.
bool runEditor(const std::function<void(QWidget*)>& answer, const std::function<bool()>& edit)
{
    LxTest::ModalWatchdog watchdog;
    LxTest::answerNextDialog(answer);
    return edit();
}

// The six fields of an output-socket record, for the tables.
struct Sockets
{
    bool conf1 = false;
    bool on1 = false;
    int delay1 = 0;
    bool conf2 = false;
    bool on2 = false;
    int delay2 = 0;

    QSharedPointer<OutputSocketControlAction> record() const
    {
        QSharedPointer<OutputSocketControlAction> a(new OutputSocketControlAction);
        a->first_sock_conf = conf1;
        a->first_sock_ena = on1;
        a->first_sock_delay = delay1;
        a->second_sock_conf = conf2;
        a->second_sock_ena = on2;
        a->second_sock_delay = delay2;
        return a;
    }
    static Sockets of(const OutputSocketControlAction& a)
    {
        return {a.first_sock_conf,  a.first_sock_ena,  a.first_sock_delay,
                a.second_sock_conf, a.second_sock_ena, a.second_sock_delay};
    }
    bool operator==(const Sockets& o) const
    {
        return conf1 == o.conf1 && on1 == o.on1 && delay1 == o.delay1 && conf2 == o.conf2 && on2 == o.on2 &&
               delay2 == o.delay2;
    }
};

char* toString(const Sockets& s)
{
    return qstrdup(QStringLiteral("%1/%2/%3 %4/%5/%6")
                       .arg(s.conf1)
                       .arg(s.on1)
                       .arg(s.delay1)
                       .arg(s.conf2)
                       .arg(s.on2)
                       .arg(s.delay2)
                       .toUtf8()
                       .constData());
}
} // namespace

Q_DECLARE_METATYPE(Sockets)

class TestActionEditors : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void sysCommandForm();
    void sysCommandRoundTrip_data();
    void sysCommandRoundTrip();
    void sysCommandFileChooser_data();
    void sysCommandFileChooser();

    void emailForm();
    void emailRoundTrip_data();
    void emailRoundTrip();
    void receivedTextsShownBoundedAndKept_data();
    void receivedTextsShownBoundedAndKept();

    void socketsForm_data();
    void socketsForm();
    void socketsRoundTrip_data();
    void socketsRoundTrip();

    void cancelChangesNothing_data();
    void cancelChangesNothing();
};

void TestActionEditors::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestActionEditors::sysCommandForm()
{
    SysCommandWindow dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Polecenie systemowe"));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.isModal());
    auto* delay = child<QSpinBox>(&dialog, "delaySpinBox");
    QCOMPARE(delay->minimum(), 0);
    QCOMPARE(delay->maximum(), 999900);
    QCOMPARE(delay->suffix(), QStringLiteral("s"));
    QCOMPARE(child<QGroupBox>(&dialog, "commandGroup")->title(), QStringLiteral("Polecenia systemowe"));
    QCOMPARE(child<QCheckBox>(&dialog, "upsOffCheckBox")->text(),
             QStringLiteral("Po wykonaniu polecenia wyłącz zasilacz UPS"));
    // The initial state an event without a command is shown with.
    QCOMPARE(dialog.commandLine(), QString());
    QCOMPARE(dialog.delayTime(), 0);
    QVERIFY(!dialog.isUpsOffChecked());
}

void TestActionEditors::sysCommandRoundTrip_data()
{
    QTest::addColumn<bool>("hasRecord");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("stanbyUps");
    QTest::addColumn<bool>("upsOffEnabled");
    QTest::addColumn<bool>("clickBox");
    QTest::addColumn<bool>("shownChecked");
    QTest::addColumn<QString>("wire");

    const auto wire = [](const char* command, const char* options, int stanby, int delay) {
        return QStringLiteral("<syscommand_action><command_line>%1</command_line><command_options>%2"
                              "</command_options><stanbyUps>%3</stanbyUps><delay_time>%4</delay_time>"
                              "</syscommand_action>")
            .arg(QString::fromUtf8(command), QString::fromUtf8(options))
            .arg(stanby)
            .arg(delay);
    };
    QTest::newRow("unchanged, UPS switched off")
        << true << "C:\\skrypty\\zamknij.bat"
        << "/s & <teraz>" << 60 << false << true << false << true
        << wire("C:\\skrypty\\zamknij.bat", "/s &amp; &lt;teraz&gt;", 0, 60);
    QTest::newRow("unchanged, UPS left on")
        << true << "a"
        << "" << 5 << true << true << false << false << wire("a", "", 1, 5);
    QTest::newRow("box checked by the user")
        << true << "a"
        << "" << 5 << true << true << true << false << wire("a", "", 0, 5);
    QTest::newRow("box unchecked by the user")
        << true << "a"
        << "" << 5 << false << true << true << true << wire("a", "", 1, 5);
    QTest::newRow("disabled box keeps its state")
        << true << "a"
        << "" << 5 << false << false << true << true << wire("a", "", 0, 5);
    QTest::newRow("delay above the range")
        << true << "a"
        << "" << 1000000 << true << true << false << false << wire("a", "", 1, 999900);
    QTest::newRow("negative delay") << true << "a"
                                    << "" << -3 << true << true << false << false << wire("a", "", 1, 0);
    QTest::newRow("no record: empty texts")
        << false << ""
        << "" << 0 << false << true << false << false << wire("", "", 1, 0);
}

void TestActionEditors::sysCommandRoundTrip()
{
    QFETCH(bool, hasRecord);
    QFETCH(QString, command);
    QFETCH(QString, options);
    QFETCH(int, delay);
    QFETCH(bool, stanbyUps);
    QFETCH(bool, upsOffEnabled);
    QFETCH(bool, clickBox);
    QFETCH(bool, shownChecked);
    QFETCH(QString, wire);

    Event event;
    if (hasRecord) {
        event.sysCommandAction.reset(new SysCommandAction);
        event.sysCommandAction->command_line = command;
        event.sysCommandAction->command_options = options;
        event.sysCommandAction->delay_time = delay;
        event.sysCommandAction->stanbyUps = stanbyUps;
    }
    const SysCommandAction* before = event.sysCommandAction.data();
    bool seenChecked = !shownChecked;
    bool seenEnabled = !upsOffEnabled;
    const bool accepted = runEditor(
        [&](QWidget* w) {
            auto* box = child<QCheckBox>(w, "upsOffCheckBox");
            seenChecked = box->isChecked();
            seenEnabled = box->isEnabled();
            if (clickBox)
                box->click();
            press(w, QDialogButtonBox::Ok);
        },
        [&] { return SysCommandWindow::editAction(event.sysCommandAction, upsOffEnabled); });
    QVERIFY(accepted);
    QCOMPARE(seenChecked, shownChecked);
    QCOMPARE(seenEnabled, upsOffEnabled);
    QVERIFY(event.sysCommandAction);
    if (hasRecord) // edited in place: every copy of the event sees it
        QCOMPARE(event.sysCommandAction.data(), before);
    QCOMPARE(onTheWire(event), wire);
}

void TestActionEditors::sysCommandFileChooser_data()
{
    QTest::addColumn<bool>("choose");
    QTest::newRow("file chosen") << true;
    QTest::newRow("chooser cancelled") << false;
}

void TestActionEditors::sysCommandFileChooser()
{
    QFETCH(bool, choose);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zamknij.sh"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    SysCommandWindow dialog;
    dialog.setCommandLine(QStringLiteral("wpisane"));
    dialog.setCommandOptions(QStringLiteral("-a"));
    dialog.show();
    QString caption;
    QString filter;
    {
        LxTest::ModalWatchdog watchdog;
        LxTest::answerNextDialog([&](QWidget* w) {
            auto* chooser = qobject_cast<QFileDialog*>(w);
            QVERIFY(chooser);
            caption = chooser->windowTitle();
            filter = chooser->nameFilters().join(QLatin1Char(';'));
            if (!choose) {
                chooser->reject();
                return;
            }
            chooser->selectFile(path);
            static_cast<QDialog*>(chooser)->accept();
        });
        child<QPushButton>(&dialog, "openButton")->click();
    }
    QCOMPARE(caption, QStringLiteral("Wybierz plik"));
    QCOMPARE(filter, QStringLiteral("Wszystkie pliki (*.*)"));
    QCOMPARE(dialog.commandLine(), choose ? path : QStringLiteral("wpisane"));
    QCOMPARE(dialog.commandOptions(), QStringLiteral("-a"));
}

void TestActionEditors::emailForm()
{
    SendEmailWindow dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Wyślij email"));
    QCOMPARE(dialog.size(), QSize(554, 553));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(child<QPlainTextEdit>(&dialog, "contentEdit"));
    // More than one receiver goes into the one field: the label says how.
    QVERIFY(child<QLabel>(&dialog, "receiverLabel")->text().contains(QStringLiteral("; ")));
}

void TestActionEditors::emailRoundTrip_data()
{
    QTest::addColumn<bool>("hasRecord");
    QTest::addColumn<QString>("typedSubject");
    QTest::addColumn<QString>("wire");

    QTest::newRow("record kept, its charCode too")
        << true << QString()
        << "<sendmail_action><charCode>utf-8</charCode><sender>UPS "
           "serwerowni</sender><subject>Awaria</subject>"
           "<body>Linia 1\n&lt;b&gt;linia 2&lt;/b&gt;</body><receipent>a@example.org; "
           "b@example.org</receipent>"
           "</sendmail_action>";
    QTest::newRow("subject typed")
        << true << "Zasilanie & bateria"
        << "<sendmail_action><charCode>utf-8</charCode><sender>UPS serwerowni</sender><subject>Zasilanie "
           "&amp; "
           "bateria</subject><body>Linia 1\n&lt;b&gt;linia 2&lt;/b&gt;</body><receipent>a@example.org; "
           "b@example.org</receipent></sendmail_action>";
    QTest::newRow("new record: empty, no charCode")
        << false << QString()
        << "<sendmail_action><charCode></charCode><sender></sender><subject></subject><body></body>"
           "<receipent></receipent></sendmail_action>";
}

void TestActionEditors::emailRoundTrip()
{
    QFETCH(bool, hasRecord);
    QFETCH(QString, typedSubject);
    QFETCH(QString, wire);

    Event event;
    if (hasRecord) {
        event.sendMailAction.reset(new SendMailAction);
        event.sendMailAction->charCode = QStringLiteral("utf-8");
        event.sendMailAction->sender = QStringLiteral("UPS serwerowni");
        event.sendMailAction->receipent = QStringLiteral("a@example.org; b@example.org");
        event.sendMailAction->subject = QStringLiteral("Awaria");
        event.sendMailAction->body = QStringLiteral("Linia 1\n<b>linia 2</b>");
    }
    QString shownBody;
    const bool accepted = runEditor(
        [&](QWidget* w) {
            shownBody = child<QPlainTextEdit>(w, "contentEdit")->toPlainText();
            if (!typedSubject.isNull())
                child<QLineEdit>(w, "subjectEdit")->setText(typedSubject);
            press(w, QDialogButtonBox::Ok);
        },
        [&] { return SendEmailWindow::editAction(event.sendMailAction); });
    QVERIFY(accepted);
    QCOMPARE(shownBody, hasRecord ? QStringLiteral("Linia 1\n<b>linia 2</b>") : QString());
    QCOMPARE(onTheWire(event), wire);
}

void TestActionEditors::receivedTextsShownBoundedAndKept_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shownCut");

    const QString longLine(1 << 20, QLatin1Char('x'));
    // Over the line edit's own limit, which would cut it silently.
    const QString overLineEditLimit(40000, QLatin1Char('s'));
    const QString manyLines = QStringLiteral("Y\n").repeated(1 << 20);
    const QString keptCharacters = QStringLiteral("a\u00a0b\r\nc");
    QTest::newRow("body: one long line") << "contentEdit" << longLine << true;
    QTest::newRow("body: many short lines") << "contentEdit" << manyLines << true;
    QTest::newRow("body: no-break space, CR LF") << "contentEdit" << keptCharacters << false;
    QTest::newRow("subject: over the line edit's limit") << "subjectEdit" << overLineEditLimit << true;
    QTest::newRow("sender: a line break") << "senderEdit" << QStringLiteral("UPS\nserwerownia") << true;
    QTest::newRow("receiver: no-break space")
        << "receiverEdit" << QStringLiteral("a@b.pl;\u00a0c@d.pl") << false;
    QTest::newRow("command: one long line") << "commandLineEdit" << longLine << true;
    QTest::newRow("options: over the line edit's limit") << "optionsEdit" << overLineEditLimit << true;
}

// A received text is shown at once and bounded; shown cut it is read-only, and
// untouched it goes back byte for byte, also where the editor changes characters.
void TestActionEditors::receivedTextsShownBoundedAndKept()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, shownCut);

    QSharedPointer<SendMailAction> mail(new SendMailAction);
    QSharedPointer<SysCommandAction> command(new SysCommandAction);
    QString* stored = nullptr;
    if (field == QLatin1String("contentEdit"))
        stored = &mail->body;
    else if (field == QLatin1String("subjectEdit"))
        stored = &mail->subject;
    else if (field == QLatin1String("senderEdit"))
        stored = &mail->sender;
    else if (field == QLatin1String("receiverEdit"))
        stored = &mail->receipent;
    else if (field == QLatin1String("commandLineEdit"))
        stored = &command->command_line;
    else
        stored = &command->command_options;
    *stored = text;
    const bool isCommand = field == QLatin1String("commandLineEdit") || field == QLatin1String("optionsEdit");

    int shownLength = -1;
    bool readOnly = false;
    const auto look = [&](QWidget* w) {
        QWidget* edit = w->findChild<QWidget*>(field);
        QVERIFY(edit);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(edit)) {
            shownLength = lines->toPlainText().size();
            readOnly = lines->isReadOnly();
        } else {
            auto* line = qobject_cast<QLineEdit*>(edit);
            shownLength = line->text().size();
            readOnly = line->isReadOnly();
        }
        press(w, QDialogButtonBox::Ok);
    };
    const bool accepted = isCommand
                              ? runEditor(look, [&] { return SysCommandWindow::editAction(command, true); })
                              : runEditor(look, [&] { return SendEmailWindow::editAction(mail); });
    QVERIFY(accepted);
    QCOMPARE(readOnly, shownCut);
    QVERIFY(shownLength <= ShownText::editor.length);
    if (shownCut)
        QVERIFY(shownLength < text.size());
    QVERIFY(*stored == text);
}

void TestActionEditors::socketsForm_data()
{
    QTest::addColumn<bool>("section2");
    QTest::newRow("two sections") << true;
    QTest::newRow("section 1 only") << false;
}

void TestActionEditors::socketsForm()
{
    QFETCH(bool, section2);
    OutputSocketWindow dialog(true, section2);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Wyjście sterowalne"));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.height(), section2 ? 312 : 210);
    for (const char* name : {"socketCheckBox2", "enableRadio2", "disableRadio2", "textLabel2", "delayTime2"})
        QCOMPARE(child<QWidget>(&dialog, name)->isVisibleTo(&dialog), section2);
    QVERIFY(child<QWidget>(&dialog, "socketCheckBox1")->isVisibleTo(&dialog));
    // The form's initial state: nothing controlled, "on" chosen, the controls off.
    for (const char* name : {"enableRadio1", "disableRadio1", "textLabel1", "delayTime1"})
        QVERIFY(!child<QWidget>(&dialog, name)->isEnabled());
    QVERIFY(dialog.isSection1SwitchOn());
    QVERIFY(dialog.isSection2SwitchOn());
    // Both delays share one range (a stored 300 s must not come back as 99).
    QCOMPARE(child<QSpinBox>(&dialog, "delayTime1")->maximum(), 999900);
    QCOMPARE(child<QSpinBox>(&dialog, "delayTime2")->maximum(), 999900);

    child<QCheckBox>(&dialog, "socketCheckBox1")->click();
    for (const char* name : {"enableRadio1", "disableRadio1", "textLabel1", "delayTime1"})
        QVERIFY(child<QWidget>(&dialog, name)->isEnabled());
}

void TestActionEditors::socketsRoundTrip_data()
{
    QTest::addColumn<bool>("section1");
    QTest::addColumn<bool>("section2");
    QTest::addColumn<bool>("hasRecord");
    QTest::addColumn<Sockets>("record");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<Sockets>("written");

    QTest::newRow("both sections unchanged")
        << true << true << true << Sockets{true, false, 120, true, true, 300} << QStringList()
        << Sockets{true, false, 120, true, true, 300};
    QTest::newRow("largest delays kept")
        << true << true << true << Sockets{true, true, 999900, true, false, 999900} << QStringList()
        << Sockets{true, true, 999900, true, false, 999900};
    QTest::newRow("delays above the range")
        << true << true << true << Sockets{true, true, 1000000, true, true, 5000000} << QStringList()
        << Sockets{true, true, 999900, true, true, 999900};
    QTest::newRow("switched by the user")
        << true << true << true << Sockets{true, true, 10, true, false, 20}
        << QStringList{"disableRadio1", "enableRadio2"} << Sockets{true, false, 10, true, true, 20};
    QTest::newRow("unchecking keeps the values")
        << true << true << true << Sockets{true, false, 30, false, false, 0} << QStringList{"socketCheckBox1"}
        << Sockets{false, false, 30, false, false, 0};
    QTest::newRow("no record, nothing checked")
        << true << true << false << Sockets{} << QStringList() << Sockets{false, true, 0, false, true, 0};
    QTest::newRow("section 1 only, no record")
        << true << false << false << Sockets{} << QStringList{"socketCheckBox1", "disableRadio1"}
        << Sockets{true, false, 0, false, true, 0};
    QTest::newRow("section 1 only, section 2 kept")
        << true << false << true << Sockets{false, true, 0, true, false, 45} << QStringList()
        << Sockets{false, true, 0, true, false, 45};
    QTest::newRow("unavailable section keeps its mark")
        << false << true << true << Sockets{true, true, 7, false, true, 0} << QStringList{"socketCheckBox1"}
        << Sockets{true, true, 7, false, true, 0};
}

void TestActionEditors::socketsRoundTrip()
{
    QFETCH(bool, section1);
    QFETCH(bool, section2);
    QFETCH(bool, hasRecord);
    QFETCH(Sockets, record);
    QFETCH(QStringList, clicks);
    QFETCH(Sockets, written);

    Event event;
    if (hasRecord)
        event.outputSocketAction = record.record();
    const bool accepted = runEditor(
        [&](QWidget* w) {
            for (const QString& name : clicks)
                child<QAbstractButton>(w, qPrintable(name))->click();
            press(w, QDialogButtonBox::Ok);
        },
        [&] { return OutputSocketWindow::editAction(event.outputSocketAction, section1, section2); });
    QVERIFY(accepted);
    QVERIFY(event.outputSocketAction);
    QCOMPARE(Sockets::of(*event.outputSocketAction), written);
    QCOMPARE(onTheWire(event), QStringLiteral("<output_sock_action><first_sock_conf>%1</first_sock_conf>"
                                              "<first_sock_ena>%2</first_sock_ena><first_sock_delay>%3"
                                              "</first_sock_delay><second_sock_conf>%4</second_sock_conf>"
                                              "<second_sock_ena>%5</second_sock_ena><second_sock_delay>%6"
                                              "</second_sock_delay></output_sock_action>")
                                   .arg(int(written.conf1))
                                   .arg(int(written.on1))
                                   .arg(written.delay1)
                                   .arg(int(written.conf2))
                                   .arg(int(written.on2))
                                   .arg(written.delay2));
}

void TestActionEditors::cancelChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("hasRecord");
    for (const char* kind : {"command", "e-mail", "sockets"}) {
        QTest::addRow("%s, with a record", kind) << kind << true;
        QTest::addRow("%s, without one", kind) << kind << false;
    }
}

// Cancel, after the fields were changed, leaves the record and its absence alone.
void TestActionEditors::cancelChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(bool, hasRecord);

    Event event;
    if (hasRecord) {
        event.sysCommandAction.reset(new SysCommandAction);
        event.sysCommandAction->command_line = QStringLiteral("a");
        event.sendMailAction.reset(new SendMailAction);
        event.sendMailAction->subject = QStringLiteral("b");
        event.outputSocketAction = Sockets{true, true, 5, false, false, 0}.record();
    }
    const QString before = onTheWire(event);
    const auto changeAndCancel = [](QWidget* w) {
        for (QLineEdit* edit : w->findChildren<QLineEdit*>())
            edit->setText(QStringLiteral("zmienione"));
        for (QCheckBox* box : w->findChildren<QCheckBox*>())
            box->click();
        press(w, QDialogButtonBox::Cancel);
    };
    bool accepted = true;
    if (kind == QLatin1String("command"))
        accepted = runEditor(changeAndCancel,
                             [&] { return SysCommandWindow::editAction(event.sysCommandAction, true); });
    else if (kind == QLatin1String("e-mail"))
        accepted =
            runEditor(changeAndCancel, [&] { return SendEmailWindow::editAction(event.sendMailAction); });
    else
        accepted = runEditor(changeAndCancel, [&] {
            return OutputSocketWindow::editAction(event.outputSocketAction, true, true);
        });
    QVERIFY(!accepted);
    QCOMPARE(onTheWire(event), before);
}

LX_TEST_MAIN(TestActionEditors)
#include "tst_actioneditors.moc"
