// luminorix-sim: the stand-in service with its demo world, for manual runs of
// the control panel against a service that is not there.
#include "panel/core/unixsignalwatcher.h"
#include "replybuilder.h"
#include "simdiscovery.h"
#include "simoptions.h"
#include "simscript.h"
#include "simserver.h"
#include "simworld.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTextStream>
#include <QTimer>

using namespace LxSim;

namespace {
// How long a restart keeps the port closed: long enough for a client to see
// its connection refused once.
constexpr int restartDownMs = 500;
constexpr int defaultTrickleMs = 1000;

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// What the command line asks for; -1 for a time not given.
struct Options
{
    QHostAddress address;
    quint16 port = 12323;
    QString password;
    int driftMs = 0;
    bool debugging = false;
    bool verbose = false;
    QString scene;
    QStringList statuses;
    QStringList countdowns;
    QString smtpTest;
    ReplyLayout layout = ReplyLayout::ValueAfter;
    QString firstStateFile;
    QStringList discoverable;
    QStringList fails;
    QStringList delays;
    QString vcHosts;
    int restartAfter = -1;
    int hangAfter = -1;
    int trickleAfter = -1;
    int trickleMs = defaultTrickleMs;
    int statusChurn = 0;
};

// Reports a bad option; the caller ends with 2.
bool refuse(const QString& message)
{
    err() << "luminorix-sim: " << message << Qt::endl;
    return false;
}

// A time in ms of at least `least`; `*ms` keeps its value when the option is not given.
bool readTime(const QCommandLineParser& parser, const QCommandLineOption& option, int* ms, int least = 0)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < least)
        return refuse(QStringLiteral("--%1 %2: expected a time in ms")
                          .arg(option.names().constFirst(), parser.value(option)));
    *ms = value;
    return true;
}

bool parseOptions(const QCoreApplication& app, Options* options)
{
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
        QStringLiteral("Administrator password (default %1).").arg(SimWorld::defaultAdminPassword),
        QStringLiteral("password"), SimWorld::defaultAdminPassword);
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
            .arg(SimScript::defaultFailure, SimScript::refusalForms()),
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
    const QCommandLineOption hangOption(
        QStringLiteral("hang-after"),
        QStringLiteral("Hang MS after it starts listening: read, answer and send nothing and accept no "
                       "client, while every connection stays open (kill -STOP does the same by hand)."),
        QStringLiteral("MS"));
    const QCommandLineOption trickleOption(
        QStringLiteral("trickle-after"),
        QStringLiteral("MS after it starts listening, the next reply to each client goes out as its frame "
                       "header, then one byte every --trickle-ms, never its last byte; later replies wait "
                       "behind it."),
        QStringLiteral("MS"));
    const QCommandLineOption trickleMsOption(
        QStringLiteral("trickle-ms"),
        QStringLiteral("Pause between the bytes of a trickled reply (default %1).").arg(defaultTrickleMs),
        QStringLiteral("MS"), QString::number(defaultTrickleMs));
    const QCommandLineOption churnOption(
        QStringLiteral("status-churn"),
        QStringLiteral("On every status poll K devices change their status, round the states on_power_line, "
                       "on_battery, bypass and no_communication (default 0)."),
        QStringLiteral("K"), QStringLiteral("0"));
    parser.addOptions({failOption, delayOption, vcHostsOption, restartOption, hangOption, trickleOption,
                       trickleMsOption, churnOption});
    parser.process(app);

    if (!options->address.setAddress(parser.value(addressOption)))
        return refuse(QStringLiteral("not an address: %1").arg(parser.value(addressOption)));
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535)
        return refuse(QStringLiteral("not a port: %1").arg(parser.value(portOption)));
    options->port = quint16(port);
    bool driftOk = false;
    options->driftMs = parser.value(driftOption).toInt(&driftOk);
    if (!driftOk || options->driftMs < 0)
        return refuse(QStringLiteral("not an interval: %1").arg(parser.value(driftOption)));
    if (!ReplyBuilder::parseLayout(parser.value(layoutOption), &options->layout))
        return refuse(QStringLiteral("--reply-layout %1: expected flat, indented, nested or value-after")
                          .arg(parser.value(layoutOption)));
    bool churnOk = false;
    options->statusChurn = parser.value(churnOption).toInt(&churnOk);
    if (!churnOk || options->statusChurn < 0)
        return refuse(
            QStringLiteral("--status-churn %1: expected a number of devices").arg(parser.value(churnOption)));
    if (!readTime(parser, restartOption, &options->restartAfter) ||
        !readTime(parser, hangOption, &options->hangAfter) ||
        !readTime(parser, trickleOption, &options->trickleAfter) ||
        !readTime(parser, trickleMsOption, &options->trickleMs, 1))
        return false;
    options->password = parser.value(passwordOption);
    options->debugging = parser.isSet(debugOption);
    options->verbose = parser.isSet(verboseOption);
    options->scene = parser.value(sceneOption);
    options->statuses = parser.values(statusOption);
    options->countdowns = parser.values(countdownOption);
    options->smtpTest = parser.value(smtpTestOption);
    options->firstStateFile = parser.value(firstStateOption);
    options->discoverable = parser.values(discoverableOption);
    options->fails = parser.values(failOption);
    options->delays = parser.values(delayOption);
    options->vcHosts = parser.value(vcHostsOption);
    return true;
}

bool buildWorld(const Options& options, SimWorld& world)
{
    if (!SimOptions::applyScene(world, options.scene))
        return refuse(QStringLiteral("--scene %1: expected %2").arg(options.scene, SimOptions::sceneNames()));
    world.setAdminPassword(options.password);
    world.setDebugging(options.debugging);
    world.setReplyLayout(options.layout);
    world.setDriftInterval(options.driftMs);
    world.setStatusChurn(options.statusChurn);
    const QString error = SimOptions::apply(world, options.statuses, options.countdowns, options.smtpTest);
    return error.isEmpty() || refuse(error);
}

bool applyScripts(const Options& options, SimWorld& world)
{
    const QString error = SimScript::apply(world, options.fails, options.delays, options.vcHosts);
    return error.isEmpty() || refuse(error);
}

// Every connection, request and bad frame to stderr; with --verbose every reply too.
void logTraffic(SimServer& server, const SimWorld& world, const Options& options)
{
    QObject::connect(&server, &SimServer::clientConnected,
                     [](int id) { err() << "[" << id << "] connected" << Qt::endl; });
    QObject::connect(&server, &SimServer::clientDisconnected,
                     [](int id) { err() << "[" << id << "] disconnected" << Qt::endl; });
    QObject::connect(&server, &SimServer::badFrame, [](int id, const QString& reason) {
        err() << "[" << id << "] bad frame: " << reason << Qt::endl;
    });
    QObject::connect(&server, &SimServer::requestReceived, [&world](const SimRequest& r) {
        err() << "[" << r.connection << "] << " << r.raw << Qt::endl;
        err() << "[" << r.connection << "]    " << r.describe();
        if (r.hasPass && !r.pass.isEmpty() && r.pass != world.adminDigest())
            err() << " (pass is not the administrator digest)";
        const QString failure = world.requestFailure(r.name);
        if (!failure.isEmpty())
            err() << " (refused: " << failure << ")";
        err() << Qt::endl;
    });
    if (!options.firstStateFile.isEmpty()) {
        // For measuring the panel's start: when did it get its first device state?
        QObject::connect(
            &server, &SimServer::replyQueued, &server,
            [file = options.firstStateFile, written = false](int, const QByteArray& text) mutable {
                if (written || !text.startsWith("<ups_device_state"))
                    return;
                written = true;
                QFile out(file);
                if (out.open(QIODevice::WriteOnly))
                    out.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
            });
    }
    if (options.verbose) {
        QObject::connect(&server, &SimServer::replyQueued, [](int id, const QByteArray& text) {
            err() << "[" << id << "] >> " << QString::fromUtf8(text) << Qt::endl;
        });
    }
}

bool listen(SimServer& server, const SimWorld& world, const Options& options, SimDiscovery& discovery)
{
    if (!server.listen(options.address, options.port)) {
        err() << "luminorix-sim: cannot listen on " << options.address.toString() << ":" << options.port
              << ": " << server.errorString() << Qt::endl;
        return false;
    }
    if (!options.discoverable.isEmpty() && !discovery.listen())
        err() << "luminorix-sim: cannot listen for discovery on UDP port 12322" << Qt::endl;
    err() << "luminorix-sim: listening on " << options.address.toString() << ":" << server.port()
          << ", administrator password digest " << world.adminDigest() << Qt::endl;
    return true;
}

// The restart, the hang and the trickle, each at its time after listening.
void scheduleMishaps(SimServer& server, const Options& options)
{
    if (options.restartAfter >= 0) {
        QTimer::singleShot(options.restartAfter, &server, [&server] {
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
    if (options.hangAfter >= 0) {
        QTimer::singleShot(options.hangAfter, &server, [&server] {
            err() << "luminorix-sim: hanging" << Qt::endl;
            server.freeze();
        });
    }
    if (options.trickleAfter >= 0) {
        QTimer::singleShot(options.trickleAfter, &server, [&server, ms = options.trickleMs] {
            err() << "luminorix-sim: trickling the next reply, a byte every " << ms << " ms" << Qt::endl;
            server.trickleNextReply(ms);
        });
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("luminorix-sim"));

    Options options;
    if (!parseOptions(app, &options))
        return 2;
    SimServer server;
    SimWorld world;
    if (!buildWorld(options, world) || !applyScripts(options, world))
        return 2;
    world.install(server.responder());
    logTraffic(server, world, options);

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

    SimDiscovery discovery(server, options.discoverable);
    if (!listen(server, world, options, discovery))
        return 1;
    scheduleMishaps(server, options);
    return app.exec();
}
