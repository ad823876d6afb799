#include "common/localsettings.h"
#include "link/replybounds.h"
#include "panel/core/updatechecker.h"
#include "panel/updatedownloadwindow.h"
#include "panel/updateprompt.h"
#include "testhttpsserver.h"
#include "tests/support/loopback.h"
#include "tests/support/lxtest.h"
#include "tests/support/modalanswerer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMutex>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

namespace {
const QByteArray descriptorPath = "/LX/update.xml";
const QByteArray debInstallerPath = "/LX/luminorix_Professional-x86-64-deb.bin";

QByteArray descriptor(const QString& version)
{
    return "<update><product>panel</product><versionNumber>" + version.toUtf8() + "</versionNumber></update>";
}

// Bytes no text codec would leave alone, so a lossy copy shows.
QByteArray installerBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + i / 257) & 0xff);
    return bytes;
}

void setPlatform(const QString& platform)
{
    LocalSettings(); // writes the first-start file
    QSettings settings(LocalSettings::filePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("platform"), platform);
}

// What the checker reported, collected in the GUI thread.
struct Heard : QObject
{
    QList<QPair<bool, QString>> offers;
    int unavailable = 0;
    QList<int> progress;
    int finished = 0;
    QStringList errors;
};

// The checker in a worker thread of its own, set up like the main window does it.
struct CheckerRig
{
    QThread thread;
    UpdateChecker* checker;
    Heard heard;
    QTemporaryDir folder;
    QMutex launchLock;
    QStringList launched;
    bool launchSucceeds = true;

    explicit CheckerRig(const QString& host, qint64 sizeLimit = UpdateChecker::defaultInstallerSizeLimit,
                        int answerTimeoutMs = TestHttpsServer::patientAnswerTimeoutMs)
    {
        checker = new UpdateChecker(host);
        checker->setInstallerSizeLimit(sizeLimit);
        checker->setAnswerTimeout(answerTimeoutMs);
        checker->setSslConfiguration(TestHttpsServer::trustingClientConfiguration());
        checker->setDownloadDirectory(folder.path());
        checker->setInstallerLauncher([this](const QString& path) {
            QMutexLocker lock(&launchLock);
            launched.append(path);
            return launchSucceeds;
        });
        QObject::connect(checker, &UpdateChecker::updateAvailable, &heard,
                         [this](bool flag, const QString& version) {
                             heard.offers.append({flag, version});
                         });
        QObject::connect(checker, &UpdateChecker::networkUnavailable, &heard,
                         [this] { ++heard.unavailable; });
        QObject::connect(checker, &UpdateChecker::updateDownloadProgress, &heard,
                         [this](int value) { heard.progress.append(value); });
        QObject::connect(checker, &UpdateChecker::updateDownloadFinished, &heard,
                         [this] { ++heard.finished; });
        QObject::connect(checker, &UpdateChecker::updateDownloadError, &heard,
                         [this](const QString& text) { heard.errors.append(text); });
        QObject::connect(&thread, &QThread::finished, checker, &QObject::deleteLater);
        checker->moveToThread(&thread);
        thread.start();
    }
    ~CheckerRig()
    {
        thread.quit();
        thread.wait();
    }
    void check(bool asked = true)
    {
        QMetaObject::invokeMethod(checker, "checkForUpdate", Qt::QueuedConnection, Q_ARG(bool, asked));
    }
    void download()
    {
        QMetaObject::invokeMethod(checker, "startDownloadingNewVersion", Qt::QueuedConnection);
    }
    void cancel() { QMetaObject::invokeMethod(checker, "cancelDownloadingNewVersion", Qt::QueuedConnection); }
    QStringList launches()
    {
        QMutexLocker lock(&launchLock);
        return launched;
    }
    QString installerPath() const { return folder.filePath(QStringLiteral("update.exe")); }
    QStringList folderEntries() const
    {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

} // namespace

class TestUpdateChecker : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void installerNames_data();
    void installerNames();
    void offeredVersions_data();
    void offeredVersions();
    void versionShownAsText();
    void descriptorShapes_data();
    void descriptorShapes();
    void unasked();
    void unreachable_data();
    void unreachable();
    void silentSite();
    void downloadSucceeds();
    void downloadFails_data();
    void downloadFails();
    void cancelMidway();
    void offerAndDownload_data();
    void offerAndDownload();
    void downloadWindow();

private:
    TestHttpsServer* server = nullptr;
};

void TestUpdateChecker::init()
{
    server = new TestHttpsServer;
    QVERIFY2(server->start(), qPrintable(server->errorString()));
    setPlatform(QStringLiteral("x86-64-deb"));
}

void TestUpdateChecker::cleanup()
{
    delete server;
    server = nullptr;
    LxTest::closeAllMessageBoxes();
}

void TestUpdateChecker::installerNames_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("name");
    QTest::newRow("Windows") << "Windows"
                             << "Luminorix_Professional.exe";
    QTest::newRow("windows, lower case") << "windows"
                                         << "Luminorix_Professional.exe";
    QTest::newRow("Windows within a text") << "MS-Windows-10"
                                           << "Luminorix_Professional.exe";
    QTest::newRow("i386-rpm") << "i386-rpm"
                              << "luminorix_Professional-i386-rpm.bin";
    QTest::newRow("x86-64-rpm") << "x86-64-rpm"
                                << "luminorix_Professional-x86-64-rpm.bin";
    QTest::newRow("i386-deb") << "i386-deb"
                              << "luminorix_Professional-i386-deb.bin";
    QTest::newRow("x86-64-deb") << "x86-64-deb"
                                << "luminorix_Professional-x86-64-deb.bin";
    QTest::newRow("capitals") << "I386-RPM"
                              << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("path in the value") << "../x86-64-deb"
                                       << "";
}

void TestUpdateChecker::installerNames()
{
    QFETCH(QString, platform);
    QFETCH(QString, name);
    QCOMPARE(UpdateChecker::installerName(platform), name);
}

void TestUpdateChecker::offeredVersions_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("newer");
    QTest::newRow("2.6.1") << "2.6.1" << true;
    QTest::newRow("2.7.0") << "2.7.0" << true;
    QTest::newRow("3.0.0") << "3.0.0" << true;
    QTest::newRow("2.6.10") << "2.6.10" << true;
    QTest::newRow("2..6.1, empty part dropped") << "2..6.1" << true;
    QTest::newRow("same") << "2.6.0" << false;
    QTest::newRow("2.5.9") << "2.5.9" << false;
    QTest::newRow("1.9.9") << "1.9.9" << false;
    QTest::newRow("1.6.1") << "1.6.1" << false;
    QTest::newRow("two parts") << "2.6" << false;
    QTest::newRow("four parts") << "2.6.0.1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("words") << "two.six.one" << false;
}

// The whole road: descriptor over HTTPS, the checker's notification, the offer.
void TestUpdateChecker::offeredVersions()
{
    QFETCH(QString, offered);
    QFETCH(bool, newer);

    TestHttpsServer::Response response;
    response.body = descriptor(offered);
    server->setResponse(descriptorPath, response);
    CheckerRig rig(server->hostAndPort());
    rig.check();
    QTRY_COMPARE_WITH_TIMEOUT(rig.heard.offers.size(), 1, TestHttpsServer::answerWaitMs);
    QCOMPARE(rig.heard.offers.at(0), qMakePair(true, offered));
    QCOMPARE(rig.heard.unavailable, 0);
    QCOMPARE(isNewerVersion(offered, QStringLiteral("2.6.0")), newer);

    LxTest::ModalWatchdog watchdog;
    UpdateDownloadWindow* downloadWindow = nullptr;
    if (newer) {
        QString informative;
        auto seen = LxTest::answerNextDialog([&informative](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            informative = box->informativeText();
            box->button(QMessageBox::No)->click();
        });
        offerUpdate(rig.checker, true, offered, downloadWindow);
        QVERIFY(seen->seen);
        QCOMPARE(seen->windowTitle, QStringLiteral("Aktualizacja oprogramowania"));
        QCOMPARE(seen->text, QStringLiteral("Dostępna jest nowa wersja Luminorix!"));
        QCOMPARE(informative, QStringLiteral(" Czy chcesz pobrać Luminorix ") + offered + "?");
        // No: nothing is fetched.
        QTest::qWait(50);
        QCOMPARE(server->requestedPaths(), QList<QByteArray>{descriptorPath});
    } else {
        offerUpdate(rig.checker, true, offered, downloadWindow);
        const QList<QMessageBox*> boxes = LxTest::visibleMessageBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0)->windowTitle(), QStringLiteral("Aktualizacja"));
        QCOMPARE(boxes.at(0)->text(), QStringLiteral("Brak dostępnych aktualizacji"));
        LxTest::closeAllMessageBoxes();
        // Unasked, an old version is not worth a word.
        offerUpdate(rig.checker, false, offered, downloadWindow);
        QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    }
    QVERIFY(!downloadWindow);
}

void TestUpdateChecker::versionShownAsText()
{
    const QString offered = QStringLiteral("3.0.0<b>bold</b>");
    QVERIFY(isNewerVersion(offered, QStringLiteral("2.6.0")));
    LxTest::ModalWatchdog watchdog;
    UpdateChecker checker;
    UpdateDownloadWindow* downloadWindow = nullptr;
    Qt::TextFormat format = Qt::RichText;
    LxTest::answerNextDialog([&format](QWidget* w) {
        auto* label = w->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"));
        QVERIFY(label);
        format = label->textFormat();
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
    });
    offerUpdate(&checker, true, offered, downloadWindow);
    QCOMPARE(format, Qt::PlainText);
}

static QByteArray manyAttributes(int count)
{
    QByteArray attributes;
    for (int i = 0; i < count; ++i)
        attributes += " a" + QByteArray::number(i) + "=''";
    return attributes;
}

void TestUpdateChecker::descriptorShapes_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<bool>("unavailable");

    QTest::newRow("two versions") << 200
                                  << QByteArray("<u><versionNumber>2.6.1</versionNumber>"
                                                "<versionNumber>2.7.0</versionNumber></u>")
                                  << QStringList{"2.6.1", "2.7.0"} << false;
    QTest::newRow("deep, any root") << 200
                                    << QByteArray("<a><b><c><versionNumber>2.6.2</versionNumber></c></b></a>")
                                    << QStringList{"2.6.2"} << false;
    QTest::newRow("stops at a NUL") << 200
                                    << QByteArray("<u><versionNumber>2.6.1</versionNumber></u>") +
                                           QByteArray(1, '\0') +
                                           QByteArray("<x><versionNumber>9.9.9</versionNumber></x>")
                                    << QStringList{"2.6.1"} << false;
    QTest::newRow("no version element")
        << 200 << QByteArray("<u><version>2.6.1</version></u>") << QStringList{} << false;
    QTest::newRow("broken before the version")
        << 200 << QByteArray("<u><a></b><versionNumber>2.6.1</versionNumber></u>") << QStringList{} << false;
    QTest::newRow("name is case-sensitive")
        << 200 << QByteArray("<u><VersionNumber>2.6.1</VersionNumber></u>") << QStringList{} << false;
    QTest::newRow("attributes past the bound")
        << 200
        << QByteArray("<u><v") + manyAttributes(Luminorix::kMaxReplyAttributes + 1) +
               "/><versionNumber>2.6.1</versionNumber></u>"
        << QStringList{} << false;
    QTest::newRow("not found") << 404 << descriptor(QStringLiteral("2.6.1")) << QStringList{} << true;
    QTest::newRow("redirect") << 302 << descriptor(QStringLiteral("2.6.1")) << QStringList{} << true;
    QTest::newRow("server error") << 500 << QByteArray() << QStringList{} << true;
    QTest::newRow("over 64 KiB") << 200 << descriptor(QStringLiteral("2.6.1")) + QByteArray(64 * 1024, ' ')
                                 << QStringList{} << true;
}

void TestUpdateChecker::descriptorShapes()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QStringList, versions);
    QFETCH(bool, unavailable);

    TestHttpsServer::Response response;
    response.status = status;
    response.reason = status == 200 ? "OK" : "Other";
    response.body = body;
    if (status == 302)
        response.headers.append({"Location", "https://" + server->hostAndPort().toUtf8() + "/elsewhere"});
    server->setResponse(descriptorPath, response);

    CheckerRig rig(server->hostAndPort());
    rig.check();
    QTRY_VERIFY_WITH_TIMEOUT(server->requestedPaths().size() == 1, TestHttpsServer::answerWaitMs);
    if (unavailable)
        QTRY_COMPARE_WITH_TIMEOUT(rig.heard.unavailable, 1, TestHttpsServer::answerWaitMs);
    else
        QTRY_COMPARE_WITH_TIMEOUT(rig.heard.offers.size(), versions.size(), TestHttpsServer::answerWaitMs);
    // Settle: no further notification, no late "unavailable" from the answer timer.
    QTest::qWait(100);
    QStringList heardVersions;
    for (const auto& offer : rig.heard.offers) {
        QVERIFY(offer.first);
        heardVersions.append(offer.second);
    }
    QCOMPARE(heardVersions, versions);
    QCOMPARE(rig.heard.unavailable, unavailable ? 1 : 0);
    QCOMPARE(server->requestedPaths(), QList<QByteArray>{descriptorPath});
}

// A check nobody asked for reports what it finds with the flag off, and a
// failure not at all.
void TestUpdateChecker::unasked()
{
    TestHttpsServer::Response response;
    response.body = descriptor(QStringLiteral("2.6.0"));
    server->setResponse(descriptorPath, response);
    CheckerRig rig(server->hostAndPort());
    rig.check(false);
    QTRY_COMPARE_WITH_TIMEOUT(rig.heard.offers.size(), 1, TestHttpsServer::answerWaitMs);
    QCOMPARE(rig.heard.offers.at(0), qMakePair(false, QStringLiteral("2.6.0")));

    CheckerRig nowhere(LxTest::closedLoopbackHost());
    nowhere.check(false);
    QTest::qWait(200);
    QCOMPARE(nowhere.heard.unavailable, 0);
    QVERIFY(nowhere.heard.offers.isEmpty());
}

void TestUpdateChecker::unreachable_data()
{
    QTest::addColumn<bool>("strangerCertificate");
    QTest::newRow("nobody listening") << false;
    QTest::newRow("untrusted certificate") << true;
}

void TestUpdateChecker::unreachable()
{
    QFETCH(bool, strangerCertificate);

    TestHttpsServer stranger(QStringLiteral("stranger"));
    QString host = LxTest::closedLoopbackHost();
    if (strangerCertificate) {
        QVERIFY(stranger.start());
        TestHttpsServer::Response response;
        response.body = descriptor(QStringLiteral("9.0.0"));
        stranger.setResponse(descriptorPath, response);
        host = stranger.hostAndPort();
    }
    CheckerRig rig(host);
    rig.check();
    QTRY_COMPARE_WITH_TIMEOUT(rig.heard.unavailable, 1, TestHttpsServer::answerWaitMs);
    QTest::qWait(50);
    QVERIFY(rig.heard.offers.isEmpty());
    if (strangerCertificate) {
        // Refused at the handshake: the descriptor was never asked for.
        QVERIFY(stranger.requestedPaths().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(stranger.failedHandshakes(), 1, TestHttpsServer::answerWaitMs);
    }
}

// A site that takes the request and never finishes its answer is unreachable once
// the wait runs out, and only once.
void TestUpdateChecker::silentSite()
{
    TestHttpsServer::Response response;
    response.body = descriptor(QStringLiteral("9.0.0"));
    response.sentLength = 0;
    response.holdOpen = true;
    server->setResponse(descriptorPath, response);
    CheckerRig rig(server->hostAndPort(), UpdateChecker::defaultInstallerSizeLimit, 200);
    rig.check();
    QTRY_COMPARE_WITH_TIMEOUT(rig.heard.unavailable, 1, TestHttpsServer::answerWaitMs);
    // Under valgrind the wait may run out before the request is through; it still comes.
    QTRY_COMPARE_WITH_TIMEOUT(server->requestedPaths(), QList<QByteArray>{descriptorPath},
                              TestHttpsServer::answerWaitMs);
    QTest::qWait(300);
    QCOMPARE(rig.heard.unavailable, 1);
    QVERIFY(rig.heard.offers.isEmpty());
}

void TestUpdateChecker::downloadSucceeds()
{
    const QByteArray bytes = installerBytes(300 * 1024);
    TestHttpsServer::Response response;
    response.body = bytes;
    server->setResponse(debInstallerPath, response);

    CheckerRig rig(server->hostAndPort());
    rig.download();
    QTRY_COMPARE_WITH_TIMEOUT(rig.heard.finished, 1, TestHttpsServer::answerWaitMs);
    QCOMPARE(rig.heard.errors, QStringList());
    QCOMPARE(server->requestedPaths(), QList<QByteArray>{debInstallerPath});

    QFile file(rig.installerPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() == bytes);
    QVERIFY(QFileInfo(rig.installerPath()).permission(QFileDevice::ExeOwner));
    QCOMPARE(rig.launches(), QStringList{rig.installerPath()});
    QCOMPARE(rig.folderEntries(), QStringList{QStringLiteral("update.exe")});

    QVERIFY(!rig.heard.progress.isEmpty());
    QCOMPARE(rig.heard.progress.last(), 100);
    for (int i = 1; i < rig.heard.progress.size(); ++i)
        QVERIFY(rig.heard.progress.at(i - 1) <= rig.heard.progress.at(i));
}

void TestUpdateChecker::downloadFails_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<int>("status");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<qint64>("sent");
    QTest::addColumn<qint64>("sizeLimit");
    QTest::addColumn<bool>("launchSucceeds");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<QString>("errorPart");

    const qint64 all = -1;
    const qint64 noLimit = UpdateChecker::defaultInstallerSizeLimit;
    QTest::newRow("not found") << "x86-64-deb" << 404 << all << all << noLimit << true << true << "404";
    QTest::newRow("redirect page") << "x86-64-deb" << 302 << all << all << noLimit << true << true << "302";
    QTest::newRow("body shorter than announced")
        << "x86-64-deb" << 200 << qint64(40000) << qint64(20000) << noLimit << true << true << "";
    QTest::newRow("announced over the limit")
        << "x86-64-deb" << 200 << all << all << qint64(10000) << true << true << "10000";
    QTest::newRow("unknown platform")
        << "I386-RPM" << 200 << all << all << noLimit << true << false << "I386-RPM";
    QTest::newRow("installer does not start")
        << "x86-64-deb" << 200 << all << all << noLimit << false << true << "update.exe";
}

void TestUpdateChecker::downloadFails()
{
    QFETCH(QString, platform);
    QFETCH(int, status);
    QFETCH(qint64, announced);
    QFETCH(qint64, sent);
    QFETCH(qint64, sizeLimit);
    QFETCH(bool, launchSucceeds);
    QFETCH(bool, requested);
    QFETCH(QString, errorPart);

    setPlatform(platform);
    TestHttpsServer::Response response;
    response.status = status;
    response.reason = "Whatever";
    response.body = installerBytes(40000);
    response.announcedLength = announced;
    response.sentLength = sent;
    if (status == 302)
        response.headers.append({"Location", "https://" + server->hostAndPort().toUtf8() + "/moved"});
    server->setResponse(debInstallerPath, response);

    CheckerRig rig(server->hostAndPort(), sizeLimit);
    rig.launchSucceeds = launchSucceeds;
    // An older download in the folder must survive a failed one.
    {
        QFile old(rig.installerPath());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old installer");
    }
    rig.download();
    QTRY_COMPARE_WITH_TIMEOUT(rig.heard.errors.size(), 1, TestHttpsServer::answerWaitMs);
    QVERIFY2(rig.heard.errors.at(0).contains(errorPart), qPrintable(rig.heard.errors.at(0)));
    QTest::qWait(50);
    QCOMPARE(rig.heard.finished, 0);
    QCOMPARE(server->requestedPaths().size(), requested ? 1 : 0);

    if (launchSucceeds) {
        QVERIFY(rig.launches().isEmpty());
        QFile old(rig.installerPath());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old installer"));
    } else {
        // Written whole, only the start failed.
        QCOMPARE(rig.launches().size(), 1);
        QCOMPARE(QFileInfo(rig.installerPath()).size(), qint64(40000));
    }
    QCOMPARE(rig.folderEntries(), QStringList{QStringLiteral("update.exe")});
}

void TestUpdateChecker::cancelMidway()
{
    TestHttpsServer::Response response;
    response.body = installerBytes(1024 * 1024);
    response.sentLength = 200 * 1024;
    response.holdOpen = true;
    server->setResponse(debInstallerPath, response);

    CheckerRig rig(server->hostAndPort());
    rig.download();
    // A second start while the first runs is refused.
    rig.download();
    QTRY_COMPARE_WITH_TIMEOUT(server->requestedPaths().size(), 1, TestHttpsServer::answerWaitMs);
    // The network layer reports progress at most every 100 ms.
    QTest::qWait(150);
    server->sendToHeld(installerBytes(100 * 1024));
    QTRY_VERIFY_WITH_TIMEOUT(!rig.heard.progress.isEmpty() && rig.heard.progress.last() > 0,
                             TestHttpsServer::answerWaitMs);
    QVERIFY(rig.heard.progress.last() < 100);
    QCOMPARE(server->requestedPaths().size(), 1);
    rig.cancel();
    QTest::qWait(150);
    QCOMPARE(rig.heard.errors, QStringList());
    QCOMPARE(rig.heard.finished, 0);
    QVERIFY(rig.launches().isEmpty());
    QCOMPARE(rig.folderEntries(), QStringList());

    // A cancel with nothing running changes nothing; a new download works.
    rig.cancel();
    TestHttpsServer::Response whole;
    whole.body = installerBytes(5000);
    server->setResponse(debInstallerPath, whole);
    rig.download();
    QTRY_COMPARE_WITH_TIMEOUT(rig.heard.finished, 1, TestHttpsServer::answerWaitMs);
    QCOMPARE(rig.launches().size(), 1);
}

void TestUpdateChecker::offerAndDownload_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("installer served") << 200;
    QTest::newRow("installer missing") << 404;
}

// Yes in the offer runs the progress dialog wired to the checker until the
// download ends; a failure is told in an error box ("Błąd").
void TestUpdateChecker::offerAndDownload()
{
    QFETCH(int, status);
    TestHttpsServer::Response response;
    response.status = status;
    response.body = installerBytes(100 * 1024);
    server->setResponse(debInstallerPath, response);

    LxTest::ModalWatchdog watchdog;
    CheckerRig rig(server->hostAndPort());
    UpdateDownloadWindow* downloadWindow = nullptr;
    LxTest::answerNextMessageBox(QMessageBox::Yes);
    offerUpdate(rig.checker, true, QStringLiteral("2.7.0"), downloadWindow);
    QVERIFY(!downloadWindow);
    if (status == 200) {
        QCOMPARE(rig.heard.finished, 1);
        QCOMPARE(rig.launches().size(), 1);
        QVERIFY(LxTest::visibleMessageBoxes().isEmpty());
    } else {
        QCOMPARE(rig.heard.errors.size(), 1);
        QVERIFY(rig.launches().isEmpty());
        const QList<QMessageBox*> boxes = LxTest::visibleMessageBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0)->windowTitle(), QStringLiteral("Błąd"));
        QCOMPARE(boxes.at(0)->text(), rig.heard.errors.at(0));
    }
}

void TestUpdateChecker::downloadWindow()
{
    UpdateDownloadWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Trwa pobieranie aktualizacji"));
    auto* bar = window.findChild<QProgressBar*>(QStringLiteral("downloadProgressBar"));
    QVERIFY(bar);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    window.updateDownloadProgress(42);
    QCOMPARE(bar->value(), 42);
    // An unknown total gives no value; the bar keeps the last one.
    window.updateDownloadProgress(-1);
    QCOMPARE(bar->value(), 42);

    QSignalSpy cancelled(&window, &UpdateDownloadWindow::downloadUpdateCanceled);
    window.show();
    window.updateDownloadFinished();
    QVERIFY(!window.isVisible());
    QCOMPARE(cancelled.count(), 0);

    window.show();
    window.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Cancel)
        ->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(cancelled.count(), 1);
}

LX_TEST_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
