// The window's shell, without a service: start-up steps, translations, the tray,
// hiding and quitting, waking a first instance, online help and the end of a session.
#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/endofsession.h"
#include "panel/luminorixwindow.h"
#include "panel/panelstartup.h"
#include "panel/upstreewidget.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <memory>

namespace {
// A part of the window, found by its object name.
template <class Part> Part* part(const LuminorixWindow& window, const char* name)
{
    return window.findChild<Part*>(QLatin1String(name));
}

// A window whose controller knocks on a port nobody listens on.
std::unique_ptr<LuminorixWindow> makeWindow()
{
    LocalSettings().setServerAddress(QStringLiteral("127.0.0.1"));
    auto window = std::make_unique<LuminorixWindow>();
    if (part<Luminorix::UpsSocketController>(*window, "controller"))
        part<Luminorix::UpsSocketController>(*window, "controller")->setPort(1);
    return window;
}

// Runs the application's event loop until something quits it; -1 when nothing did.
int runUntilQuit(const std::function<void()>& trigger)
{
    QTimer::singleShot(0, trigger);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(5000);
    return QCoreApplication::exec();
}
} // namespace

class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestWindowShell : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void translationCodes_data();
    void translationCodes();
    void hideArgument_data();
    void hideArgument();
    void firstStartSettingsGiveEnglish();
    void polishShowsQtDialogsInPolish();
    void englishPanelFollowsItsCatalogue();
    void styleSheetApplied();

    void freshWindow();
    void closeHidesToTray();
    void trayQuitEndsEventLoop();
    void secondInstanceWakesFirst();
    void sessionEndRestoresWindowThenQuits();
    void sessionMessagesWithoutWindow();
    void onlineHelpOpensManual_data();
    void onlineHelpOpensManual();
    void emptyListPromptAsksForLogin();
    void sessionQueryAnswersAnyway();
};

void TestWindowShell::cleanup()
{
    LxTest::closeAllMessageBoxes();
}

void TestWindowShell::translationCodes_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("code");
    const QString system = QLocale::system().name();
    QTest::newRow("polish") << "polish"
                            << "pl";
    QTest::newRow("english") << "english"
                             << "en_US";
    QTest::newRow("czech") << "chech"
                           << "cs";
    QTest::newRow("slovak") << "slovak"
                            << "sk";
    QTest::newRow("capital") << "Polish" << system;
    QTest::newRow("empty") << "" << system;
    QTest::newRow("other") << "german" << system;
}

void TestWindowShell::translationCodes()
{
    QFETCH(QString, setting);
    QFETCH(QString, code);
    QCOMPARE(translationCode(setting), code);
}

void TestWindowShell::hideArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("none") << QStringList{"orvendesk"} << false;
    QTest::newRow("hide") << QStringList{"orvendesk", "--hide"} << true;
    QTest::newRow("capitals") << QStringList{"orvendesk", "--HIDE"} << false;
    QTest::newRow("one dash") << QStringList{"orvendesk", "-hide"} << false;
    QTest::newRow("other") << QStringList{"orvendesk", "--show"} << false;
    QTest::newRow("two") << QStringList{"orvendesk", "--hide", "--hide"} << false;
}

void TestWindowShell::hideArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, hidden);
    QCOMPARE(startsHidden(arguments), hidden);
}

void TestWindowShell::firstStartSettingsGiveEnglish()
{
    QVERIFY(!QFile::exists(LocalSettings::filePath()));
    QCOMPARE(translationCode(LocalSettings().language()), QStringLiteral("en_US"));
    QVERIFY(QFile::exists(LocalSettings::filePath()));
    QCOMPARE(LocalSettings().serverAddress(), QStringLiteral("localhost"));
}

void TestWindowShell::polishShowsQtDialogsInPolish()
{
    QTranslator qt;
    QTranslator own;
    installTranslators(translationCode(QStringLiteral("polish")), qt, own);
    QVERIFY(!qt.isEmpty());
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QString yes = box.button(QMessageBox::Yes)->text();
    QString cancel = box.button(QMessageBox::Cancel)->text();
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&own);
    QCOMPARE(yes.remove(QLatin1Char('&')), QStringLiteral("Tak"));
    QCOMPARE(cancel.remove(QLatin1Char('&')), QStringLiteral("Anuluj"));
}

void TestWindowShell::englishPanelFollowsItsCatalogue()
{
    QTranslator qt;
    QTranslator own;
    installTranslators(translationCode(QStringLiteral("english")), qt, own);
    // The program's English catalogue is compiled in; Qt's own texts need none.
    QVERIFY(QFile::exists(QStringLiteral(":/translation/luminorix_en_US.qm")));
    auto window = makeWindow();
    const auto expect = [&own](const char* context, const char* source) {
        const QString english = own.translate(context, source);
        return english.isEmpty() ? QString::fromUtf8(source) : english;
    };
    const QString load = window->findChild<QLabel*>(QStringLiteral("loadLabel"))->text();
    const QString statusTitle = window->findChild<QGroupBox*>(QStringLiteral("statusBox"))->title();
    const QString trayQuit = part<QAction>(*window, "quitAction")->text();
    window.reset();
    QCoreApplication::removeTranslator(&qt);
    QCoreApplication::removeTranslator(&own);
    QCOMPARE(load, expect("LuminorixWindow", "Obciążenie"));
    QCOMPARE(statusTitle, expect("LuminorixWindow", "Status"));
    QCOMPARE(trayQuit, expect("PanelTray", "&Zakończ"));
}

void TestWindowShell::styleSheetApplied()
{
    QApplication* app = qApp;
    const QString before = app->styleSheet();
    applyStyleSheet(*app);
    const QString applied = app->styleSheet();
    app->setStyleSheet(before);
    QFile file(QStringLiteral(":/styles/global.qss"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(applied, QString::fromLatin1(file.readAll()));
}

void TestWindowShell::freshWindow()
{
    auto window = makeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Luminorix Professional v. 2.6.0"));
    QCOMPARE(window->height(), 629);
    QVERIFY(part<QAction>(*window, "quitAction"));
    QCOMPARE(part<QAction>(*window, "toggleAction")->text(), QStringLiteral("&Ukryj"));
    QVERIFY(part<QSystemTrayIcon>(*window, "trayIcon")->contextMenu());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("serviceCaptionLabel"))->text(),
             QStringLiteral("Trwa łączenie z usługą:"));
    // Logging in is open to everybody; what it unlocks is not, and neither is any door
    // whose dialog the program does not have yet.
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionActAsAdministrator"))->isEnabled());
    for (const char* name : {"actionLogout", "actionChangePassword", "actionApplicationConfiguration",
                             "actionVirtualizationCenter", "actionExtendInformation",
                             "actionUpsConfiguration", "actionLoggingConfiguration"})
        QVERIFY2(!window->findChild<QAction*>(QLatin1String(name))->isEnabled(), name);
    for (const char* name : {"exInfoButton", "upsConfigurationButton", "aplicationConfigurationButton",
                             "networkConfigurationButton", "loggingConfigurationButton", "upsEventsButton"})
        QVERIFY2(!window->findChild<QPushButton*>(QLatin1String(name))->isEnabled(), name);
    for (const char* name : {"actionOnlineHelp", "actionAbout", "actionConnectWithService"})
        QVERIFY2(window->findChild<QAction*>(QLatin1String(name))->isEnabled(), name);
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());

    // As the login dialog does it: the session first, then the controls.
    part<Luminorix::UpsSocketController>(*window, "controller")
        ->setPassword(QStringLiteral("0123456789abcdef0123456789abcdef"));
    window->enableAdministratorButtons();
    QCOMPARE(window->windowTitle(), QStringLiteral("Luminorix Professional v. 2.6.0 (Administrator)"));
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionLogout"))->isEnabled());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionActAsAdministrator"))->isEnabled());
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionApplicationConfiguration"))->isEnabled());
    QVERIFY(window->findChild<QPushButton*>(QStringLiteral("aplicationConfigurationButton"))->isEnabled());
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionChangePassword"))->isEnabled());
    QVERIFY(window->findChild<QPushButton*>(QStringLiteral("networkConfigurationButton"))->isEnabled());
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionNetworkConfiguration"))->isEnabled());
    QVERIFY(window->findChild<QPushButton*>(QStringLiteral("loggingConfigurationButton"))->isEnabled());
    QVERIFY(window->findChild<QAction*>(QStringLiteral("actionLoggingConfiguration"))->isEnabled());
    // No virtualization centre reported: its entry stays off for the administrator too.
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionVirtualizationCenter"))->isEnabled());
    window->findChild<QAction*>(QStringLiteral("actionLogout"))->trigger();
    QVERIFY(!part<QAction>(*window, "actionLogout")->isEnabled());
    QCOMPARE(window->windowTitle(), QStringLiteral("Luminorix Professional v. 2.6.0"));
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionApplicationConfiguration"))->isEnabled());
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("networkConfigurationButton"))->isEnabled());
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("loggingConfigurationButton"))->isEnabled());
    QVERIFY(!window->findChild<QAction*>(QStringLiteral("actionLoggingConfiguration"))->isEnabled());
}

void TestWindowShell::closeHidesToTray()
{
    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(!window->close());
    QVERIFY(window->isHidden());
    QCOMPARE(part<QAction>(*window, "toggleAction")->text(), QStringLiteral("&Pokaż"));

    // A single click shows it once the double-click time has passed; which other
    // clicks do nothing is the tray's own test.
    emit part<QSystemTrayIcon>(*window, "trayIcon")->activated(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(part<QAction>(*window, "toggleAction")->text(), QStringLiteral("&Ukryj"));

    part<QAction>(*window, "toggleAction")->trigger();
    QVERIFY(window->isHidden());
    QCOMPARE(part<QAction>(*window, "toggleAction")->text(), QStringLiteral("&Pokaż"));
    part<QAction>(*window, "toggleAction")->trigger();
    QVERIFY(window->isVisible());
}

void TestWindowShell::trayQuitEndsEventLoop()
{
    for (const char* which : {"tray", "menu"}) {
        auto window = makeWindow();
        window->hide();
        QAction* quit = qstrcmp(which, "tray") == 0
                            ? part<QAction>(*window, "quitAction")
                            : window->findChild<QAction*>(QStringLiteral("actionExit"));
        QCOMPARE(runUntilQuit([quit] { quit->trigger(); }), 0);
        // Once quitting, closing really closes.
        QVERIFY(window->close());
    }
}

void TestWindowShell::secondInstanceWakesFirst()
{
    auto first = makeWindow();
    QVERIFY(first->isHidden());
    auto second = makeWindow();
    QVERIFY(second->isSecondInstance());
    QVERIFY(!part<QSystemTrayIcon>(*second, "trayIcon"));
    QVERIFY(!part<Luminorix::UpsSocketController>(*second, "controller"));
    QVERIFY(!first->isSecondInstance());
    QTRY_VERIFY(first->isVisible());
    QCOMPARE(part<QAction>(*first, "toggleAction")->text(), QStringLiteral("&Ukryj"));
    second.reset();

    // A visible first instance stays as it is.
    auto third = makeWindow();
    QVERIFY(third->isSecondInstance());
    QTest::qWait(50);
    QVERIFY(first->isVisible());
    third.reset();

    // With the first gone, the next one runs on its own.
    first.reset();
    auto fourth = makeWindow();
    QVERIFY(!fourth->isSecondInstance());
}

void TestWindowShell::sessionEndRestoresWindowThenQuits()
{
    auto window = makeWindow();
    QVERIFY(window->isHidden());
    SessionAnswer answer;
    QCOMPARE(runUntilQuit([&] { answer = answerSessionMessage(SessionMessage::QueryEnd, window.get()); }), 0);
    QVERIFY(answer.answered);
    QCOMPARE(answer.result, 1L);
    QVERIFY(window->isVisible());
    QVERIFY(window->close());
}

void TestWindowShell::sessionMessagesWithoutWindow()
{
    SessionAnswer end = answerSessionMessage(SessionMessage::End, nullptr);
    QVERIFY(end.answered);
    QCOMPARE(end.result, 1L);
    QVERIFY(!answerSessionMessage(SessionMessage::Other, nullptr).answered);
}

void TestWindowShell::sessionQueryAnswersAnyway()
{
    // No window: nothing to restore or quit, and the session may still end.
    SessionAnswer query = answerSessionMessage(SessionMessage::QueryEnd, nullptr);
    QVERIFY(query.answered);
    QCOMPARE(query.result, 1L);

    // The end itself does nothing to a window.
    auto window = makeWindow();
    answerSessionMessage(SessionMessage::End, window.get());
    QVERIFY(window->isHidden());
}

void TestWindowShell::onlineHelpOpensManual_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("url");
    QTest::newRow("polish") << "polish"
                            << "http://manuals.test/LX/user_manual_pl.pdf";
    QTest::newRow("english") << "english"
                             << "http://manuals.test/LX/user_manual_en.pdf";
    QTest::newRow("capital") << "Polish"
                             << "http://manuals.test/LX/user_manual_en.pdf";
}

void TestWindowShell::onlineHelpOpensManual()
{
    QFETCH(QString, language);
    QFETCH(QString, url);
    LocalSettings();
    QSettings(LocalSettings::filePath(), QSettings::IniFormat).setValue(QStringLiteral("language"), language);
    qputenv("LX_MAKER_HOST", "manuals.test");
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    auto window = makeWindow();
    window->findChild<QAction*>(QStringLiteral("actionOnlineHelp"))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    qunsetenv("LX_MAKER_HOST");
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(url)});
}

void TestWindowShell::emptyListPromptAsksForLogin()
{
    auto window = makeWindow();
    // Yes while not an administrator: the login comes first; cancelled, nothing follows.
    auto prompt = LxTest::answerNextDialog([](QWidget* w) {
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
        LxTest::answerNextDialog([](QWidget* login) {
            QCOMPARE(QString::fromLatin1(login->metaObject()->className()), QStringLiteral("LogiInWindow"));
            qobject_cast<QDialog*>(login)->reject();
        });
    });
    QVERIFY(QMetaObject::invokeMethod(window.get(), "slotEmptyUpsList"));
    QVERIFY(prompt->seen);
    QCOMPARE(prompt->windowTitle, QStringLiteral("Brak zasilaczy UPS"));
    QVERIFY(!part<QAction>(*window, "actionLogout")->isEnabled());
    QVERIFY(!LocalSettings().dontShowAddUpsPrompt());
}

LX_TEST_MAIN(TestWindowShell)
#include "tst_windowshell.moc"
