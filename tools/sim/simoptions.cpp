#include "simoptions.h"

#include <QRegularExpression>

namespace LxSim {

namespace {
// Fixes one measurement, all phases, nominal and current alike.
void fixMeasurement(SimDevice& d, const QString& key, double value)
{
    for (SimDevice::Measurement& m : d.measurements) {
        if (m.key != key)
            continue;
        for (double& v : m.nominal)
            v = value;
        for (double& v : m.value)
            v = value;
    }
}
} // namespace

bool SimOptions::parseStatus(const QString& text, QString* id, QString* status)
{
    static const QRegularExpression form(QStringLiteral("^([^=\\s]+)=(\\w+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    *id = match.captured(1);
    *status = match.captured(2);
    return true;
}

bool SimOptions::parseCountdown(const QString& text, QPair<int, int>* timer)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+):(\\d+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    bool idOk = false;
    bool secondsOk = false;
    const int id = match.captured(1).toInt(&idOk);
    const int seconds = match.captured(2).toInt(&secondsOk);
    // No seconds left is no countdown to show.
    if (!idOk || !secondsOk || seconds < 1)
        return false;
    *timer = {id, seconds};
    return true;
}

bool SimOptions::parseSmtpTestOutcome(const QString& text, SimWorld::SmtpTestOutcome* outcome)
{
    if (text == QLatin1String("success"))
        *outcome = SimWorld::SmtpTestOutcome::Success;
    else if (text == QLatin1String("failure"))
        *outcome = SimWorld::SmtpTestOutcome::Failure;
    else if (text == QLatin1String("silence"))
        *outcome = SimWorld::SmtpTestOutcome::Silence;
    else
        return false;
    return true;
}

QString SimOptions::sceneNames()
{
    return QStringLiteral("demo, single, battery or many:N (N from 1 to 10000)");
}

bool SimOptions::applyScene(SimWorld& world, const QString& scene)
{
    if (scene == QLatin1String("demo")) {
        world.loadDemo();
    } else if (scene == QLatin1String("single")) {
        world.setDevices({SimDevice::named(QStringLiteral("1"), QStringLiteral("KitePro_USB"),
                                           QStringLiteral("usb"), QStringLiteral("Office"))});
    } else if (scene == QLatin1String("battery")) {
        SimDevice three = SimDevice::named(QStringLiteral("1"), QStringLiteral("Harrier33_SNMP"),
                                           QStringLiteral("snmp"), QStringLiteral("Server room"));
        three.ip = QStringLiteral("192.168.10.21");
        three.fillDefaults();
        three.status = QStringLiteral("on_battery");
        three.messages = QStringList{QStringLiteral("61"), QStringLiteral("27")};
        fixMeasurement(three, QStringLiteral("battery_capacity"), 76);
        fixMeasurement(three, QStringLiteral("autonomy_time"), 18);
        SimDevice serial = SimDevice::named(QStringLiteral("3"), QStringLiteral("KitePro_Rack_RS232"),
                                            QStringLiteral("rs232"), QStringLiteral("Reception"));
        serial.status = QStringLiteral("no_communication");
        world.setDevices({three,
                          SimDevice::named(QStringLiteral("2"), QStringLiteral("Ibis_SNMP"),
                                           QStringLiteral("snmp"), QStringLiteral("Generator yard")),
                          serial,
                          SimDevice::named(QStringLiteral("4"), QStringLiteral("OspreyRT_USB"),
                                           QStringLiteral("usb"), QString())});
        world.setShutdownTimers({{1, 540}});
    } else if (scene.startsWith(QLatin1String("many:"))) {
        // A large site for measuring the panel: N single-phase UPSes on mains.
        bool ok = false;
        const int count = scene.mid(5).toInt(&ok);
        if (!ok || count < 1 || count > 10000)
            return false;
        QList<SimDevice> devices;
        devices.reserve(count);
        for (int i = 1; i <= count; ++i)
            devices.append(SimDevice::named(QString::number(i), QStringLiteral("KitePro_USB"),
                                            QStringLiteral("usb"), QStringLiteral("Rack %1").arg(i)));
        world.setDevices(devices);
    } else {
        return false;
    }
    return true;
}

QString SimOptions::apply(SimWorld& world, const QStringList& statuses, const QStringList& countdowns,
                          const QString& smtpTest)
{
    for (const QString& text : statuses) {
        QString id;
        QString status;
        if (!parseStatus(text, &id, &status))
            return QStringLiteral("--status %1: expected ID=KEYWORD, e.g. 1=on_battery").arg(text);
        if (!world.setDeviceStatus(id, status))
            return QStringLiteral("--status %1: there is no device %2").arg(text, id);
    }

    QList<QPair<int, int>> timers;
    for (const QString& text : countdowns) {
        QPair<int, int> timer;
        if (!parseCountdown(text, &timer))
            return QStringLiteral("--countdown %1: expected ID:SECONDS with SECONDS at least 1, e.g. 1:540")
                .arg(text);
        for (const auto& earlier : qAsConst(timers)) {
            // The panel keeps one countdown per id; a second one would be lost.
            if (earlier.first == timer.first)
                return QStringLiteral("--countdown %1: timer %2 is given twice").arg(text).arg(timer.first);
        }
        timers.append(timer);
    }
    if (!timers.isEmpty())
        world.setShutdownTimers(timers);

    if (!smtpTest.isEmpty()) {
        SimWorld::SmtpTestOutcome outcome;
        if (!parseSmtpTestOutcome(smtpTest, &outcome))
            return QStringLiteral("--smtp-test %1: expected success, failure or silence").arg(smtpTest);
        world.setSmtpTestOutcome(outcome);
    }
    return QString();
}

} // namespace LxSim
