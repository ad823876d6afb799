// Hostile replies of growing size through the whole receive path (frame,
// decipher, bounds, reader, records): time and peak memory per reply, to show
// that both grow linearly with the reply and that what cannot be read so is
// refused at once. Each measurement runs in a fresh process of this program,
// so that one reply's heap does not hide the next one's peak.
//
//   bench_hostile                  the whole table
//   bench_hostile FILE             one framed reply, as the table runs each
#include "benchsupport.h"
#include "cipherwrappers.h"
#include "framing.h"
#include "upssocketcontroller.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <QTextStream>
#include <functional>

namespace {
struct Kind
{
    const char* name;
    const char* what;
    // XML of about `bytes` bytes.
    std::function<QString(int bytes)> build;
};

QString repeatedUpTo(const QString& head, const QString& unit, const QString& tail, int bytes)
{
    const int count = qMax(1, (bytes - head.size() - tail.size()) / unit.size());
    return head + unit.repeated(count) + tail;
}

QString attributes(int bytes)
{
    QString xml = QStringLiteral("<ups_device_state");
    for (int i = 0; xml.size() < bytes; ++i)
        xml += QStringLiteral(" a%1=\"1\"").arg(i);
    return xml + QStringLiteral("></ups_device_state>");
}

QString deep(int bytes)
{
    const int levels = bytes / 9;
    return QStringLiteral("<ups_device_state>") + QStringLiteral("<a>1").repeated(levels) +
           QStringLiteral("</a>").repeated(levels) + QStringLiteral("</ups_device_state>");
}

QString children(int bytes, bool declaration)
{
    QString xml = declaration ? QStringLiteral("<?xml version=\"1.0\"?>") : QString();
    xml += QStringLiteral("<ups_device_state isUpsFound=\"1\" isProperDevice=\"1\">");
    for (int i = 0; xml.size() < bytes; ++i)
        xml += QStringLiteral("<p%1>%1</p%1>").arg(i);
    return xml + QStringLiteral("</ups_device_state>");
}

const Kind kinds[] = {
    {"attributes", "one element, ever more attributes (refused)", attributes},
    {"deep", "parameters nested ever deeper (refused)", deep},
    {"entities", "a document type whose entity every reference expands (refused)",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<!DOCTYPE r [<!ENTITY e \"") + QString(4000, QLatin1Char('x')) +
                                 QStringLiteral("\">]><service_version>"),
                             QStringLiteral("&e;"), QStringLiteral("</service_version>"), bytes);
     }},
    {"text", "one parameter of ever longer text, plain reader",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<ups_device_state><a>"), QStringLiteral("x"),
                             QStringLiteral("</a></ups_device_state>"), bytes);
     }},
    {"text-stream", "the same through QXmlStreamReader",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<?xml version=\"1.0\"?><ups_device_state><a>"),
                             QStringLiteral("x"), QStringLiteral("</a></ups_device_state>"), bytes);
     }},
    {"children", "device state of ever more parameters, plain reader",
     [](int bytes) { return children(bytes, false); }},
    {"children-stream", "the same through QXmlStreamReader", [](int bytes) { return children(bytes, true); }},
    {"chain", "parameters nested 200 deep, again and again",
     [](int bytes) {
         const QString chain = QStringLiteral("<p>1").repeated(200) + QStringLiteral("</p>").repeated(200);
         return repeatedUpTo(QStringLiteral("<ups_configuration>"), chain,
                             QStringLiteral("</ups_configuration>"), bytes);
     }},
    {"models", "model list of ever more empty entries (one record each)",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<ups_model_list>"), QStringLiteral("<log_params/>"),
                             QStringLiteral("</ups_model_list>"), bytes);
     }},
    {"events", "event list of ever more empty events (one record each)",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<events>"), QStringLiteral("<event/>"),
                             QStringLiteral("</events>"), bytes);
     }},
    {"statuses", "status list of ever more one-field entries",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<ups_current_status_list>"),
                             QStringLiteral("<ups_shutdown_supported>1</ups_shutdown_supported>"),
                             QStringLiteral("</ups_current_status_list>"), bytes);
     }},
    {"logs", "log page of ever more lines",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<ups_logs>"), QStringLiteral("<log_1>2024-03-01;230.4</log_1>"),
                             QStringLiteral("</ups_logs>"), bytes);
     }},
    {"vms", "host VMs of ever more machines",
     [](int bytes) {
         return repeatedUpTo(QStringLiteral("<virtualization_center_hostvmsinfo>"), QStringLiteral("<vms/>"),
                             QStringLiteral("</virtualization_center_hostvmsinfo>"), bytes);
     }},
};

// Measures the reply framed in `path`; prints "frameBytes ms peakKb dropped
// signalCount". The frame is built by the parent, so that no free memory left
// from building it hides part of the peak here.
int measure(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 2;
    const QByteArray frame = file.readAll();
    Luminorix::UpsSocketController controller;
    int signalsSeen = 0;
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsDeviceState,
                     [&](const QMap<QString, QString>&) { ++signalsSeen; });
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsConfiguration,
                     [&](const QMap<QString, QString>&) { ++signalsSeen; });
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsModelMessageReceived,
                     [&](const QVector<Luminorix::Utils::Ups>&) { ++signalsSeen; });
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsCurrentStatusListReceived,
                     [&](const QVector<Luminorix::Utils::currentDeviceStatus>&) { ++signalsSeen; });
    QObject::connect(&controller, &Luminorix::UpsSocketController::eventsReceived,
                     [&](const QVector<Event>&) { ++signalsSeen; });
    QObject::connect(&controller, &Luminorix::UpsSocketController::upsLogs,
                     [&](const QStringList&) { ++signalsSeen; });
    QObject::connect(&controller, &Luminorix::UpsSocketController::serviceVersionReceived,
                     [&](const QString&) { ++signalsSeen; });
    QObject::connect(&controller, &Luminorix::UpsSocketController::virtualizationCenterHostVmsInfoReceived,
                     [&](const VirtualizationCenterHostVmsInfo&) { ++signalsSeen; });
    QBuffer buffer;
    buffer.setData(frame);
    buffer.open(QIODevice::ReadOnly);

    // Peak resident size from here on: the inputs are already built.
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    const long before = Bench::statusKb("VmRSS");
    QElapsedTimer timer;
    timer.start();
    controller.readMessagesFrom(buffer);
    const qint64 ns = timer.nsecsElapsed();
    const long peak = Bench::statusKb("VmHWM");
    const bool dropped = buffer.pos() == frame.size() && signalsSeen == 0;
    QTextStream(stdout) << frame.size() << ' ' << double(ns) / 1e6 << ' ' << (peak - before) << ' '
                        << (dropped ? 1 : 0) << ' ' << signalsSeen << '\n';
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2)
        return measure(args.at(1));

    QTextStream out(stdout);
    out << "Each reply read once in a fresh process. peak: resident memory gained while reading;\n"
           "ms/MB and peak/xml stay flat when time and memory grow linearly with the reply.\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
               .arg(QStringLiteral("kind"), -16)
               .arg(QStringLiteral("xml KB"), 9)
               .arg(QStringLiteral("frame KB"), 9)
               .arg(QStringLiteral("ms"), 9)
               .arg(QStringLiteral("ms/MB"), 7)
               .arg(QStringLiteral("peak MB"), 8)
               .arg(QStringLiteral("peak/xml"), 8)
               .arg(QStringLiteral("result"));
    out.flush();
    // Up to just below the frame bound, which holds for the deciphered text too.
    const int sizes[] = {1 << 20, 2 << 20, 4 << 20, 8 << 20, 15 << 20};
    for (const Kind& kind : kinds) {
        for (const int bytes : sizes) {
            const QByteArray xml = kind.build(bytes).toUtf8();
            QTemporaryFile frameFile;
            if (!frameFile.open())
                return 1;
            frameFile.write(Luminorix::buildFrame(encryptMessage(xml)));
            frameFile.close();
            QProcess child;
            child.start(app.applicationFilePath(), {frameFile.fileName()});
            if (!child.waitForFinished(600000) || child.exitCode() != 0) {
                out << kind.name << ": the measurement failed\n";
                break;
            }
            const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
            if (f.size() != 5)
                break;
            const double xmlMb = double(xml.size()) / (1 << 20);
            const double ms = f[1].toDouble();
            const double peakMb = f[2].toDouble() / 1024;
            out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
                       .arg(QLatin1String(kind.name), -16)
                       .arg(xml.size() / 1024, 9)
                       .arg(f[0].toLong() / 1024, 9)
                       .arg(ms, 9, 'f', 1)
                       .arg(ms / xmlMb, 7, 'f', 1)
                       .arg(peakMb, 8, 'f', 1)
                       .arg(peakMb / xmlMb, 8, 'f', 1)
                       .arg(f[3] == "1"
                                ? QStringLiteral("dropped")
                                : QStringLiteral("read, %1 signal(s)").arg(QString::fromLatin1(f[4])));
            out.flush();
        }
        out << kind.what << "\n\n";
    }
    return 0;
}
