#include "loghandlers.h"

#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

#include <QDateTime>

namespace LxSim {

namespace {
// The bits of log_params.
const int parametersLog = 1;
const int messagesLog = 2;
const int compensationLog = 4;

// The newest entry of every log; older entries go back by the log interval.
const QDateTime newestEntry(QDate(2025, 2, 1), QTime(12, 0, 0), Qt::UTC);

QString dateOf(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd"));
}
QString timeOf(const QDateTime& t)
{
    return t.toString(QStringLiteral("HH:mm:ss"));
}

// Entry `age` counts back from the newest (0).
QDateTime entryTime(const SimDevice& d, int age)
{
    return newestEntry.addSecs(-qint64(age) * qMax(1, d.log_time_interval.toInt()));
}

QString parametersHeader(const SimDevice& d)
{
    QStringList keys{QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("device_status")};
    for (const SimDevice::Measurement& m : d.measurements) {
        if (m.nominal.size() == 1) {
            keys << m.key;
        } else {
            for (int phase = 1; phase <= m.nominal.size(); ++phase)
                keys << QStringLiteral("%1_L%2").arg(m.key).arg(phase);
        }
    }
    return keys.join(QLatin1Char(';'));
}

// A value near the nominal that changes from entry to entry, the same every run.
QString sample(const SimDevice::Measurement& m, int phase, int age)
{
    const double swing = ((age * 37 + phase * 11) % 21 - 10) / 10.0;
    return QString::number(m.nominal[phase] * (1.0 + m.spread * swing), 'f', m.decimals);
}

QString parametersLine(const SimDevice& d, int age)
{
    const QDateTime t = entryTime(d, age);
    QStringList cells{dateOf(t), timeOf(t), age % 9 == 4 ? QStringLiteral("on_battery") : d.status};
    for (const SimDevice::Measurement& m : d.measurements) {
        for (int phase = 0; phase < m.nominal.size(); ++phase)
            cells << sample(m, phase, age);
    }
    return cells.join(QLatin1Char(';'));
}

QString messagesLine(const SimDevice& d, int age)
{
    const QDateTime t = entryTime(d, age);
    QStringList fields{dateOf(t), timeOf(t)};
    fields << (d.messages.isEmpty() ? QStringList{QStringLiteral("27")} : d.messages);
    if (age % 5 == 2)
        fields << QStringLiteral("no_communication");
    return fields.join(QLatin1Char(','));
}

QString compensationLine(const SimDevice& d, int age)
{
    const QDateTime t = entryTime(d, age);
    QStringList fields{dateOf(t), timeOf(t)};
    for (int i = 0; i < 6; ++i)
        fields << QString::number(0.9 + ((age + i * 3) % 10) / 100.0, 'f', 2);
    return fields.join(QLatin1Char(';'));
}

// The lines of one page: the header line (parameters, compensation) and the
// entries from `firstAge` on, newest first.
QStringList page(const SimDevice& d, const QString& type, int firstAge, int count)
{
    QStringList lines;
    if (type == QLatin1String("parameters"))
        lines << parametersHeader(d);
    else if (type == QLatin1String("compensation"))
        lines << QStringLiteral("date;time;base_L1;base_L2;base_L3;factor_L1;factor_L2;factor_L3");
    for (int age = firstAge; age < firstAge + count; ++age) {
        if (type == QLatin1String("parameters"))
            lines << parametersLine(d, age);
        else if (type == QLatin1String("messages"))
            lines << messagesLine(d, age);
        else
            lines << compensationLine(d, age);
    }
    return lines;
}

int logBit(const QString& type)
{
    if (type == QLatin1String("parameters"))
        return parametersLog;
    if (type == QLatin1String("messages"))
        return messagesLog;
    if (type == QLatin1String("compensation"))
        return compensationLog;
    return 0;
}
} // namespace

void installLogHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    responder.setHandler(QStringLiteral("get_ups_logs"), [w](const SimRequest& request) -> SimReplies {
        const QString type = request.value(QStringLiteral("type"));
        const QString age = request.value(QStringLiteral("age"));
        const SimDevice* d = w->currentDevice(request);
        const int bit = logBit(type);
        // A log the device does not keep has no lines.
        if (!d || !bit || !(d->log_params.toInt() & bit) ||
            (bit == compensationLog && !d->power_compensation))
            return {ReplyBuilder::upsLogs({})};

        const int pages = qMax(1, (w->logEntries + w->logPageLines - 1) / w->logPageLines);
        int& position = w->logPositions[{request.connection, type}];
        if (age == QLatin1String("first"))
            position = 0;
        else if (age == QLatin1String("older"))
            position = qMin(position + 1, pages - 1);
        else if (age == QLatin1String("newer"))
            position = qMax(position - 1, 0);
        const int firstAge = position * w->logPageLines;
        const int count = qMax(0, qMin(w->logPageLines, w->logEntries - firstAge));
        return {ReplyBuilder::upsLogs(page(*d, type, firstAge, count))};
    });
    responder.setHandler(QStringLiteral("clear_logs_cache"), [w](const SimRequest& request) -> SimReplies {
        ++w->logsCacheClears;
        for (auto it = w->logPositions.begin(); it != w->logPositions.end();) {
            if (it.key().first == request.connection)
                it = w->logPositions.erase(it);
            else
                ++it;
        }
        emit w->changed(request.name);
        return {};
    });
}

} // namespace LxSim
