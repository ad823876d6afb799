// lx-scene: the stand-in service set up for a picture or a measurement.
//   battery  a three-phase UPS running on battery with a shutdown counting down,
//            beside a generator set and two single-phase UPSes
//   idle     one UPS on mains, for measuring the panel while it polls
#include "simserver.h"
#include "simworld.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTextStream>

namespace {
LxSim::SimDevice device(const QString& id, const QString& model, const QString& communication,
                        const QString& name)
{
    LxSim::SimDevice d;
    d.id = id;
    d.model_name = model;
    d.communication = communication;
    d.user_defined_name = name;
    return d;
}

void setMeasurement(LxSim::SimDevice& d, const QString& key, double value)
{
    for (LxSim::SimDevice::Measurement& m : d.measurements) {
        if (m.key == key) {
            for (double& v : m.nominal)
                v = value;
            for (double& v : m.value)
                v = value;
        }
    }
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Stand-in service with a fixed scene."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("TCP port (default 12323)."),
                                        QStringLiteral("port"), QStringLiteral("12323"));
    const QCommandLineOption sceneOption(QStringLiteral("scene"), QStringLiteral("battery or idle."),
                                         QStringLiteral("scene"), QStringLiteral("battery"));
    const QCommandLineOption firstStateOption(
        QStringLiteral("first-state-file"),
        QStringLiteral("Write the wall-clock time (ms since the epoch) of the first device state sent."),
        QStringLiteral("file"));
    parser.addOptions({portOption, sceneOption, firstStateOption});
    parser.process(app);

    LxSim::SimServer server;
    LxSim::SimWorld world;
    const QString scene = parser.value(sceneOption);
    if (scene == QLatin1String("idle")) {
        world.setDevices({device(QStringLiteral("1"), QStringLiteral("KitePro_USB"), QStringLiteral("usb"),
                                 QStringLiteral("Office"))});
    } else {
        LxSim::SimDevice three = device(QStringLiteral("1"), QStringLiteral("Harrier33_SNMP"),
                                        QStringLiteral("snmp"), QStringLiteral("Server room"));
        three.ip = QStringLiteral("192.168.10.21");
        QList<LxSim::SimDevice> devices = {
            three,
            device(QStringLiteral("2"), QStringLiteral("Ibis_SNMP"), QStringLiteral("snmp"),
                   QStringLiteral("Generator yard")),
            device(QStringLiteral("3"), QStringLiteral("KitePro_Rack_RS232"), QStringLiteral("rs232"),
                   QStringLiteral("Reception")),
            device(QStringLiteral("4"), QStringLiteral("OspreyRT_USB"), QStringLiteral("usb"), QString())};
        world.setDevices(devices);
        LxSim::SimDevice* ups = world.device(QStringLiteral("1"));
        ups->status = QStringLiteral("on_battery");
        ups->messages = QStringList{QStringLiteral("61"), QStringLiteral("27")};
        setMeasurement(*ups, QStringLiteral("battery_capacity"), 76);
        setMeasurement(*ups, QStringLiteral("autonomy_time"), 18);
        world.device(QStringLiteral("3"))->status = QStringLiteral("no_communication");
        world.setShutdownTimers({{1, 540}});
    }
    world.setDriftInterval(2000);
    world.install(server.responder());
    const QString firstStateFile = parser.value(firstStateOption);
    if (!firstStateFile.isEmpty()) {
        QObject::connect(&server, &LxSim::SimServer::replyQueued, &app,
                         [firstStateFile](int, const QByteArray& text) {
                             static bool written = false;
                             if (written || !text.startsWith("<ups_device_state"))
                                 return;
                             written = true;
                             QFile file(firstStateFile);
                             if (file.open(QIODevice::WriteOnly))
                                 file.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
                         });
    }
    if (!server.listen(QHostAddress::LocalHost, quint16(parser.value(portOption).toUInt()))) {
        QTextStream(stderr) << "lx-scene: " << server.errorString() << Qt::endl;
        return 1;
    }
    return app.exec();
}
