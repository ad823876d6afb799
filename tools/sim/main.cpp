// luminorix-sim: the stand-in service with its demo world, for manual runs of
// the control panel against a service that is not there.
#include "replybuilder.h"
#include "simdiscovery.h"
#include "simoptions.h"
#include "simscript.h"
#include "simserver.h"
#include "simworld.h"
#include "unixsignalwatcher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTextStream>
#include <QTimer>

namespace {
// How long a restart keeps the port closed: long enough for a client to see
// its connection refused once.
constexpr int restartDownMs = 500;

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("luminorix-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Stand-in for the monitoring service: answers the control panel's protocol from a "
                       "small demo world and logs every request to stderr. Stop it with Ctrl+C."));
    parser.addHelpOption();
    const QCommandLineOption addressOption(QStringLiteral("address"),
                                           QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                           QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("TCP port (default 12323)."),
                                        QStringLiteral("port"), QStringLiteral("12323"));
    const QCommandLineOption passwordOption(
        QStringLiteral("password"),
        QStringLiteral("Administrator password (default %1).").arg(LxSim::SimWorld::defaultAdminPassword),
        QStringLiteral("password"), LxSim::SimWorld::defaultAdminPassword);
    const QCommandLineOption driftOption(QStringLiteral("drift-ms"),
                                         QStringLiteral("Interval of the measured values' drift, 0 to freeze "
                                                        "them (default 2000)."),
                                         QStringLiteral("ms"), QStringLiteral("2000"));
    const QCommandLineOption debugOption(QStringLiteral("debugging"),
                                         QStringLiteral("Report the service's debug mode as on."));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Also log every reply that is sent."));
    const QCommandLineOption statusOption(
        QStringLiteral("status"),
        QStringLiteral("Status keyword of a demo device, as ID=KEYWORD (e.g. 1=on_battery for the "
                       "three-phase UPS); may be repeated."),
        QStringLiteral("ID=KEYWORD"));
    const QCommandLineOption countdownOption(
        QStringLiteral("countdown"),
        QStringLiteral("A pending shutdown timer, as ID:SECONDS (e.g. 1:540); may be repeated."),
        QStringLiteral("ID:SECONDS"));
    const QCommandLineOption smtpTestOption(
        QStringLiteral("smtp-test"),
        QStringLiteral("How a test mail ends: success, failure (authentication refused) or silence (no "
                       "report at all). Default success."),
        QStringLiteral("outcome"));
    const QCommandLineOption layoutOption(
        QStringLiteral("reply-layout"),
        QStringLiteral("How the device state and the configuration lay out their parameters: flat, indented, "
                       "nested (each parameter holds the next) or value-after (the value once more as bare "
                       "text after each element). Default value-after."),
        QStringLiteral("layout"), QStringLiteral("value-after"));
    const QCommandLineOption sceneOption(
        QStringLiteral("scene"),
        QStringLiteral(
            "The devices to start with: demo (default), single (one UPS on mains) or battery (a "
            "three-phase UPS on battery with a shutdown counting down) or many:N (N UPSes on mains)."),
        QStringLiteral("name"), QStringLiteral("demo"));
    const QCommandLineOption firstStateOption(
        QStringLiteral("first-state-file"),
        QStringLiteral("Write the wall-clock time (ms since the epoch) of the first device state sent."),
        QStringLiteral("file"));
    const QCommandLineOption discoverableOption(
        QStringLiteral("discoverable"),
        QStringLiteral("A networked computer that answers the panel's discovery datagram (UDP port 12322), "
                       "reported as discovered; may be repeated."),
        QStringLiteral("address"));
    parser.addOptions({addressOption, portOption, passwordOption, driftOption, debugOption, verboseOption,
                       statusOption, countdownOption, smtpTestOption, layoutOption, sceneOption,
                       firstStateOption, discoverableOption});
    const QCommandLineOption failOption(
        QStringLiteral("fail"),
        QStringLiteral("Refuse a request the way the service refuses it, TEXT (default \"%1\") "
                       "telling why, e.g. set_virtualization_center_host_management=Denied; may be "
                       "repeated. %2")
            .arg(LxSim::SimScript::defaultFailure, LxSim::SimScript::refusalForms()),
        QStringLiteral("REQUEST[=TEXT]"));
    const QCommandLineOption delayOption(
        QStringLiteral("delay"),
        QStringLiteral("Every answer to a request comes MS late, e.g. get_ups_device_state=3000 or "
                       "get_virtualization_center_host_list=3000; may be repeated."),
        QStringLiteral("REQUEST=MS"));
    const QCommandLineOption vcHostsOption(
        QStringLiteral("vc-hosts"),
        QStringLiteral("The virtualization centre holds N ESXi hosts with M machines each in place of the "
                       "demo hosts, as N\u00d7M or NxM (e.g. 100000x0, 1x30000)."),
        QStringLiteral("NxM"));
    const QCommandLineOption restartOption(
        QStringLiteral("restart-after"),
        QStringLiteral("Restart the service side once, MS after it starts listening: every client is "
                       "dropped, and the port is closed for %1 ms and then listened on again.")
            .arg(restartDownMs),
        QStringLiteral("MS"));
    parser.addOptions({failOption, delayOption, vcHostsOption, restartOption});
    parser.process(app);

    QHostAddress address;
    if (!address.setAddress(parser.value(addressOption))) {
        err() << "luminorix-sim: not an address: " << parser.value(addressOption) << Qt::endl;
        return 2;
    }
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535) {
        err() << "luminorix-sim: not a port: " << parser.value(portOption) << Qt::endl;
        return 2;
    }
    bool driftOk = false;
    const int drift = parser.value(driftOption).toInt(&driftOk);
    if (!driftOk || drift < 0) {
        err() << "luminorix-sim: not an interval: " << parser.value(driftOption) << Qt::endl;
        return 2;
    }

    LxSim::SimServer server;
    LxSim::SimWorld world;
    if (!LxSim::SimOptions::applyScene(world, parser.value(sceneOption))) {
        err() << "luminorix-sim: --scene " << parser.value(sceneOption)
              << ": expected demo, single or battery" << Qt::endl;
        return 2;
    }
    world.setAdminPassword(parser.value(passwordOption));
    world.setDebugging(parser.isSet(debugOption));
    const QString optionError = LxSim::SimOptions::apply(
        world, parser.values(statusOption), parser.values(countdownOption), parser.value(smtpTestOption));
    if (!optionError.isEmpty()) {
        err() << "luminorix-sim: " << optionError << Qt::endl;
        return 2;
    }
    const QString scriptError = LxSim::SimScript::apply(
        world, parser.values(failOption), parser.values(delayOption), parser.value(vcHostsOption));
    if (!scriptError.isEmpty()) {
        err() << "luminorix-sim: " << scriptError << Qt::endl;
        return 2;
    }
    int restartAfter = -1;
    if (parser.isSet(restartOption)) {
        bool ok = false;
        restartAfter = parser.value(restartOption).toInt(&ok);
        if (!ok || restartAfter < 0) {
            err() << "luminorix-sim: --restart-after " << parser.value(restartOption)
                  << ": expected a time in ms" << Qt::endl;
            return 2;
        }
    }
    LxSim::ReplyLayout layout;
    if (!LxSim::ReplyBuilder::parseLayout(parser.value(layoutOption), &layout)) {
        err() << "luminorix-sim: --reply-layout " << parser.value(layoutOption)
              << ": expected flat, indented, nested or value-after" << Qt::endl;
        return 2;
    }
    world.setReplyLayout(layout);
    world.setDriftInterval(drift);
    world.install(server.responder());

    const bool verbose = parser.isSet(verboseOption);
    QObject::connect(&server, &LxSim::SimServer::clientConnected,
                     [](int id) { err() << "[" << id << "] connected" << Qt::endl; });
    QObject::connect(&server, &LxSim::SimServer::clientDisconnected,
                     [](int id) { err() << "[" << id << "] disconnected" << Qt::endl; });
    QObject::connect(&server, &LxSim::SimServer::badFrame, [](int id, const QString& reason) {
        err() << "[" << id << "] bad frame: " << reason << Qt::endl;
    });
    QObject::connect(&server, &LxSim::SimServer::requestReceived, [&world](const LxSim::SimRequest& r) {
        err() << "[" << r.connection << "] << " << r.raw << Qt::endl;
        err() << "[" << r.connection << "]    " << r.describe();
        if (r.hasPass && !r.pass.isEmpty() && r.pass != world.adminDigest())
            err() << " (pass is not the administrator digest)";
        err() << Qt::endl;
    });
    const QString firstStateFile = parser.value(firstStateOption);
    if (!firstStateFile.isEmpty()) {
        // For measuring the panel's start: when did it get its first device state?
        QObject::connect(&server, &LxSim::SimServer::replyQueued, &app,
                         [firstStateFile, written = false](int, const QByteArray& text) mutable {
                             if (written || !text.startsWith("<ups_device_state"))
                                 return;
                             written = true;
                             QFile file(firstStateFile);
                             if (file.open(QIODevice::WriteOnly))
                                 file.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
                         });
    }
    if (verbose) {
        QObject::connect(&server, &LxSim::SimServer::replyQueued, [](int id, const QByteArray& text) {
            err() << "[" << id << "] >> " << QString::fromUtf8(text) << Qt::endl;
        });
    }

    UnixSignalWatcher signalWatcher;
    if (!signalWatcher.isWatching()) {
        err() << "luminorix-sim: cannot set up signal handling" << Qt::endl;
        return 1;
    }
    QObject::connect(&signalWatcher, &UnixSignalWatcher::terminationRequested, &app, [&] {
        err() << "luminorix-sim: stopping" << Qt::endl;
        server.stop();
        app.quit();
    });

    if (!server.listen(address, quint16(port))) {
        err() << "luminorix-sim: cannot listen on " << address.toString() << ":" << port << ": "
              << server.errorString() << Qt::endl;
        return 1;
    }
    LxSim::SimDiscovery discovery(server, parser.values(discoverableOption));
    if (parser.isSet(discoverableOption) && !discovery.listen())
        err() << "luminorix-sim: cannot listen for discovery on UDP port 12322" << Qt::endl;
    err() << "luminorix-sim: listening on " << address.toString() << ":" << server.port()
          << ", administrator "
          << "password digest " << world.adminDigest() << Qt::endl;
    if (restartAfter >= 0) {
        QTimer::singleShot(restartAfter, &server, [&server] {
            err() << "luminorix-sim: restarting" << Qt::endl;
            server.stop();
            QTimer::singleShot(restartDownMs, &server, [&server] {
                if (server.restart())
                    err() << "luminorix-sim: listening again on " << server.address().toString() << ":"
                          << server.port() << Qt::endl;
                else
                    err() << "luminorix-sim: cannot listen again: " << server.errorString() << Qt::endl;
            });
        });
    }
    return app.exec();
}
