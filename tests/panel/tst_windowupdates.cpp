// The window's update check: the menu action asks the checker in its thread, the
// answers reach the user as boxes, an accepted offer lands in the user's folder,
// and the checker goes with its thread when the window goes, also when that thread
// is stuck.
#include "common/localsettings.h"
#include "link/upssocketcontroller.h"
#include "panel/core/updatechecker.h"
#include "panel/luminorixwindow.h"
#include "testhttpsserver.h"
#include "tests/support/loopback.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QPointer>
#include <QSemaphore>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <memory>

namespace {
const QByteArray descriptorPath = "/LX/update.xml";
const QByteArray debInstallerPath = "/LX/luminorix_Professional-x86-64-deb.bin";
const QByteArray installerScript = "#!/bin/sh\nexit 0\n";

QByteArray descriptor(const QByteArray& version)
{
    return "<update><versionNumber>" + version + "</versionNumber></update>";
}

// A window whose controller knocks on a port nobody listens on, and whose update
// check waits for the test server as long as a loaded run needs.
std::unique_ptr<LuminorixWindow> makeWindow()
{
    LocalSettings().setServerAddress(QStringLiteral("127.0.0.1"));
    auto window = std::make_unique<LuminorixWindow>();
    window->findChild<Luminorix::UpsSocketController*>(QStringLiteral("controller"))->setPort(1);
    UpdateChecker* checker = window->versionChecker();
    QMetaObject::invokeMethod(
        checker, [checker] { checker->setAnswerTimeout(TestHttpsServer::patientAnswerTimeoutMs); },
        Qt::BlockingQueuedConnection);
    return window;
}

QAction* checkAction(LuminorixWindow& window)
{
    return window.findChild<QAction*>(QStringLiteral("actionCheckForUpdates"));
}

bool hasTopLevel(const char* className)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qstrcmp(w->metaObject()->className(), className) == 0)
            return true;
    }
    return false;
}

// Flags of the checker's notifications, heard in the GUI thread after the window's.
struct Heard : QObject
{
    QList<bool> offers;
    int unavailable = 0;
};

// Installers the checker would have started. The real start forks, and a fork beside
// this test's threads can leave the child stuck in a lock one of them held; it has a
// test of its own, alone in its process.
struct Launches
{
    QMutex lock;
    QStringList paths;
    QStringList taken()
    {
        QMutexLocker locker(&lock);
        return paths;
    }
};

void recordLaunches(UpdateChecker* checker, Launches& launches)
{
    // In the checker's thread, so no download can be reading the launcher meanwhile.
    QMetaObject::invokeMethod(
        checker,
        [checker, &launches] {
            checker->setInstallerLauncher([&launches](const QString& path) {
                QMutexLocker locker(&launches.lock);
                launches.paths.append(path);
                return true;
            });
        },
        Qt::BlockingQueuedConnection);
}

void listen(UpdateChecker* checker, Heard& heard)
{
    QObject::connect(checker, &UpdateChecker::updateAvailable, &heard,
                     [&heard](bool flag, const QString&) { heard.offers.append(flag); });
    QObject::connect(checker, &UpdateChecker::networkUnavailable, &heard, [&heard] { ++heard.unavailable; });
}
} // namespace

class TestWindowUpdates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void checkerRunsInItsOwnThread();
    void noCheckAtStart_data();
    void noCheckAtStart();
    void answers_data();
    void answers();
    void acceptedOfferSavedForTheUser();
    void shutDownDeletesCheckerInItsThread();
    void stuckCheckerDoesNotHoldTheWindow();

private:
    TestHttpsServer* server = nullptr;
};

void TestWindowUpdates::initTestCase()
{
    // The checker takes the default TLS settings: trust the test authority only.
    QSslConfiguration::setDefaultConfiguration(TestHttpsServer::trustingClientConfiguration());
}

void TestWindowUpdates::init()
{
    QFile::remove(LocalSettings::filePath());
    server = new TestHttpsServer;
    QVERIFY2(server->start(), qPrintable(server->errorString()));
    qputenv("LX_MAKER_HOST", server->hostAndPort().toUtf8());
}

void TestWindowUpdates::cleanup()
{
    qunsetenv("LX_MAKER_HOST");
    delete server;
    server = nullptr;
    LxTest::closeAllMessageBoxes();
}

void TestWindowUpdates::checkerRunsInItsOwnThread()
{
    auto window = makeWindow();
    UpdateChecker* checker = window->versionChecker();
    QVERIFY(checker);
    QVERIFY(checker->thread() != QThread::currentThread());
    QVERIFY(checker->thread()->isRunning());
    QVERIFY(checkAction(*window)->isEnabled());
}

void TestWindowUpdates::noCheckAtStart_data()
{
    QTest::addColumn<QString>("checkUpdates");
    QTest::newRow("check_updates true") << "true";
    QTest::newRow("check_updates false") << "false";
}

// The setting is only edited by the settings dialog; it never starts a check.
void TestWindowUpdates::noCheckAtStart()
{
    QFETCH(QString, checkUpdates);
    LocalSettings();
    QSettings(LocalSettings::filePath(), QSettings::IniFormat)
        .setValue(QStringLiteral("check_updates"), checkUpdates);
    TestHttpsServer::Response response;
    response.body = descriptor("9.9.9");
    server->setResponse(descriptorPath, response);
    auto window = makeWindow();
    QTest::qWait(300);
    QVERIFY(server->requestedPaths().isEmpty());
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
}

void TestWindowUpdates::answers_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("current, from the menu") << true << QByteArray("2.6.0") << true << "Aktualizacja"
                                            << "Brak dostępnych aktualizacji";
    QTest::newRow("older, from the menu") << true << QByteArray("2.5.9") << true << "Aktualizacja"
                                          << "Brak dostępnych aktualizacji";
    QTest::newRow("current, not asked by the user") << true << QByteArray("2.6.0") << false << ""
                                                    << "";
    QTest::newRow("newer, from the menu")
        << true << QByteArray("2.7.0") << true << "Aktualizacja oprogramowania"
        << "Dostępna jest nowa wersja Luminorix!";
    QTest::newRow("newer, not asked by the user")
        << true << QByteArray("2.6.1") << false << "Aktualizacja oprogramowania"
        << "Dostępna jest nowa wersja Luminorix!";
    QTest::newRow("site unreachable, from the menu") << false << QByteArray() << true << "Błąd połączenia"
                                                     << "Nie można połączyć się z witryną %1";
}

void TestWindowUpdates::answers()
{
    QFETCH(bool, reachable);
    QFETCH(QByteArray, version);
    QFETCH(bool, fromMenu);
    QFETCH(QString, title);
    QFETCH(QString, text);

    if (!reachable)
        qputenv("LX_MAKER_HOST", LxTest::closedLoopbackHost().toUtf8());
    TestHttpsServer::Response response;
    response.body = descriptor(version);
    server->setResponse(descriptorPath, response);

    LxTest::ModalWatchdog watchdog;
    auto window = makeWindow();
    Heard heard;
    listen(window->versionChecker(), heard);

    QSharedPointer<LxTest::SeenBox> seen;
    if (!title.isEmpty()) {
        seen = LxTest::answerNextDialog(
            [](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                // No download: refuse an offer, acknowledge anything else.
                QAbstractButton* button = box->button(QMessageBox::No);
                if (!button)
                    button = box->button(QMessageBox::Ok);
                QVERIFY(button);
                button->click();
            },
            TestHttpsServer::answerWaitMs);
    }
    if (fromMenu)
        checkAction(*window)->trigger();
    else
        window->checkForUpdates();

    QTRY_VERIFY_WITH_TIMEOUT(heard.offers.size() + heard.unavailable > 0, TestHttpsServer::answerWaitMs);
    if (reachable) {
        QCOMPARE(heard.offers, QList<bool>{fromMenu});
        QCOMPARE(heard.unavailable, 0);
    }
    if (seen) {
        QTRY_VERIFY_WITH_TIMEOUT(seen->seen, TestHttpsServer::answerWaitMs);
        QCOMPARE(seen->windowTitle, title);
        QCOMPARE(seen->text,
                 QString(text).replace(QLatin1String("%1"), QString::fromUtf8(qgetenv("LX_MAKER_HOST"))));
    } else {
        QTest::qWait(50);
        QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
    }
    // Only the descriptor is fetched: nothing was downloaded.
    QCOMPARE(server->requestedPaths(), reachable ? QList<QByteArray>{descriptorPath} : QList<QByteArray>{});
}

void TestWindowUpdates::acceptedOfferSavedForTheUser()
{
    TestHttpsServer::Response offer;
    offer.body = descriptor("3.0.0");
    server->setResponse(descriptorPath, offer);
    TestHttpsServer::Response installer;
    installer.body = installerScript;
    server->setResponse(debInstallerPath, installer);
    LocalSettings();
    QSettings(LocalSettings::filePath(), QSettings::IniFormat)
        .setValue(QStringLiteral("platform"), QStringLiteral("x86-64-deb"));

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QVERIFY(!folder.isEmpty());
    const QString saved = QDir(folder).filePath(QStringLiteral("update.exe"));
    QVERIFY(!QFile::exists(saved));

    // The progress dialog stays open for the whole download, which a loaded machine
    // under the sanitizers can stretch past the usual limit.
    LxTest::ModalWatchdog watchdog(60000);
    Launches launches; // outlives the checker that holds it
    auto window = makeWindow();
    recordLaunches(window->versionChecker(), launches);
    // Yes: the progress dialog follows and closes by itself once the file is there.
    auto seen = LxTest::answerNextDialog(
        [](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); },
        TestHttpsServer::answerWaitMs);
    checkAction(*window)->trigger();

    QTRY_VERIFY_WITH_TIMEOUT(seen->seen, TestHttpsServer::answerWaitMs);
    QCOMPARE(seen->windowTitle, QStringLiteral("Aktualizacja oprogramowania"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), TestHttpsServer::answerWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(server->requestedPaths().contains(debInstallerPath),
                             TestHttpsServer::answerWaitMs);
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), installerScript);
    // Finished, not failed: the dialog is gone and no error box came.
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTRY_VERIFY(!hasTopLevel("UpdateDownloadWindow"));
    QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    QCOMPARE(launches.taken(), QStringList{saved});
    QVERIFY(QFile::remove(saved));
}

void TestWindowUpdates::shutDownDeletesCheckerInItsThread()
{
    auto window = makeWindow();
    UpdateChecker* checker = window->versionChecker();
    QThread* thread = checker->thread();

    // Check something first, so the checker holds a network manager to let go of.
    TestHttpsServer::Response response;
    response.body = descriptor("2.6.0");
    server->setResponse(descriptorPath, response);
    Heard heard;
    listen(checker, heard);
    window->checkForUpdates();
    QTRY_COMPARE_WITH_TIMEOUT(heard.offers.size(), 1, TestHttpsServer::answerWaitMs);

    QMutex lock;
    QStringList events;
    const auto note = [&lock, &events](const QString& event) {
        QMutexLocker locker(&lock);
        events.append(event);
    };
    QObject::connect(
        checker, &QObject::destroyed, checker,
        [&note, thread] {
            note(QThread::currentThread() == thread ? QStringLiteral("checker in its thread")
                                                    : QStringLiteral("checker elsewhere"));
        },
        Qt::DirectConnection);
    QObject::connect(
        thread, &QObject::destroyed, thread, [&note] { note(QStringLiteral("thread object")); },
        Qt::DirectConnection);

    window.reset();
    QMutexLocker locker(&lock);
    QCOMPARE(events, (QStringList{"checker in its thread", "thread object"}));
}

// A checker thread that never comes back (a launch that hangs) delays the window's
// end by a bounded time only; the thread and the checker still go once it returns.
void TestWindowUpdates::stuckCheckerDoesNotHoldTheWindow()
{
    auto window = makeWindow();
    QPointer<UpdateChecker> checker = window->versionChecker();
    QPointer<QThread> thread = checker->thread();

    QSemaphore entered;
    QSemaphore release;
    bool gaveUp = false;
    // Far past the window's limit: only a window that waits without one gets here.
    QMetaObject::invokeMethod(checker, [&entered, &release, &gaveUp] {
        entered.release();
        gaveUp = !release.tryAcquire(1, 120000);
    });
    QVERIFY(entered.tryAcquire(1, 60000));

    window.reset();
    release.release();
    QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 60000);
    QVERIFY(checker.isNull());
    QVERIFY2(!gaveUp, "the window waited for the stuck thread without a limit");
}

LX_TEST_MAIN(TestWindowUpdates)
#include "tst_windowupdates.moc"
