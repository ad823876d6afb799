// Hostile replies through the whole receive path (frame, decipher, bounds,
// reader, records): what cannot be read in linear time and memory must be
// refused at once.
#include "cipher/cipherwrappers.h"
#include "hostilekind.h"
#include "link/framing.h"
#include "link/upssocketcontroller.h"

#include <QBuffer>
#include <memory>

namespace {

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

// The controller reading one framed reply, counting the signals it gives.
struct Reader
{
    QByteArray frame;
    QBuffer buffer;
    Luminorix::UpsSocketController controller;
    int signalsSeen = 0;

    explicit Reader(const QByteArray& framed) : frame(framed)
    {
        using C = Luminorix::UpsSocketController;
        auto count = [this] { ++signalsSeen; };
        QObject::connect(&controller, &C::upsDeviceState, &controller, count);
        QObject::connect(&controller, &C::upsConfiguration, &controller, count);
        QObject::connect(&controller, &C::upsModelMessageReceived, &controller, count);
        QObject::connect(&controller, &C::upsCurrentStatusListReceived, &controller, count);
        QObject::connect(&controller, &C::eventsReceived, &controller, count);
        QObject::connect(&controller, &C::upsLogs, &controller, count);
        QObject::connect(&controller, &C::serviceVersionReceived, &controller, count);
        QObject::connect(&controller, &C::virtualizationCenterHostVmsInfoReceived, &controller, count);
        buffer.setData(frame);
        buffer.open(QIODevice::ReadOnly);
    }

    QString read()
    {
        controller.readMessagesFrom(buffer);
        const bool dropped = buffer.pos() == frame.size() && signalsSeen == 0;
        return (dropped ? QStringLiteral("dropped") : QStringLiteral("read, %1 signal(s)").arg(signalsSeen)) +
               QStringLiteral("; frame %1 KB").arg(frame.size() / 1024);
    }
};

// Up to just below the frame bound, which holds for the deciphered text too.
HostileKind linkKind(const char* name, const char* what, std::function<QString(int bytes)> build)
{
    HostileKind kind{name, what, "MB", {1, 2, 4, 8, 15}, [](double, const QByteArray& frame) {
                         auto reader = std::make_shared<Reader>(frame);
                         return HostileKind::Input{0, {{"read", [reader] { return reader->read(); }}}};
                     }};
    kind.give = [build](double mb) {
        const QByteArray xml = build(int(mb * (1 << 20))).toUtf8();
        return HostileKind::Given{double(xml.size()) / (1 << 20), Luminorix::buildFrame(encryptMessage(xml))};
    };
    return kind;
}

} // namespace

QVector<HostileKind> linkHostileKinds()
{
    return {
        linkKind("attributes", "one element, ever more attributes (refused)", attributes),
        linkKind("deep", "parameters nested ever deeper (refused)", deep),
        linkKind("entities", "a document type whose entity every reference expands (refused)",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<!DOCTYPE r [<!ENTITY e \"") +
                                             QString(4000, QLatin1Char('x')) +
                                             QStringLiteral("\">]><service_version>"),
                                         QStringLiteral("&e;"), QStringLiteral("</service_version>"), bytes);
                 }),
        linkKind("text", "one parameter of ever longer text, plain reader",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<ups_device_state><a>"), QStringLiteral("x"),
                                         QStringLiteral("</a></ups_device_state>"), bytes);
                 }),
        linkKind("text-stream", "the same through QXmlStreamReader",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<?xml version=\"1.0\"?><ups_device_state><a>"),
                                         QStringLiteral("x"), QStringLiteral("</a></ups_device_state>"),
                                         bytes);
                 }),
        linkKind("children", "device state of ever more parameters, plain reader",
                 [](int bytes) { return children(bytes, false); }),
        linkKind("children-stream", "the same through QXmlStreamReader",
                 [](int bytes) { return children(bytes, true); }),
        linkKind("chain", "parameters nested 200 deep, again and again",
                 [](int bytes) {
                     const QString chain =
                         QStringLiteral("<p>1").repeated(200) + QStringLiteral("</p>").repeated(200);
                     return repeatedUpTo(QStringLiteral("<ups_configuration>"), chain,
                                         QStringLiteral("</ups_configuration>"), bytes);
                 }),
        linkKind("models", "model list of ever more empty entries (one record each)",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<ups_model_list>"), QStringLiteral("<log_params/>"),
                                         QStringLiteral("</ups_model_list>"), bytes);
                 }),
        linkKind("events", "event list of ever more empty events (one record each)",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<events>"), QStringLiteral("<event/>"),
                                         QStringLiteral("</events>"), bytes);
                 }),
        linkKind("statuses", "status list of ever more one-field entries",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<ups_current_status_list>"),
                                         QStringLiteral("<ups_shutdown_supported>1</ups_shutdown_supported>"),
                                         QStringLiteral("</ups_current_status_list>"), bytes);
                 }),
        linkKind("logs", "log page of ever more lines",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<ups_logs>"),
                                         QStringLiteral("<log_1>2024-03-01;230.4</log_1>"),
                                         QStringLiteral("</ups_logs>"), bytes);
                 }),
        linkKind("vms", "host VMs of ever more machines",
                 [](int bytes) {
                     return repeatedUpTo(QStringLiteral("<virtualization_center_hostvmsinfo>"),
                                         QStringLiteral("<vms/>"),
                                         QStringLiteral("</virtualization_center_hostvmsinfo>"), bytes);
                 }),
    };
}
