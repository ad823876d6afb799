#include "simdevice.h"

#include "simrequest.h"

#include <QRandomGenerator>

namespace LxSim {

SimDevice SimDevice::named(const QString& id, const QString& model, const QString& communication,
                           const QString& name)
{
    SimDevice d;
    d.id = id;
    d.model_name = model;
    d.communication = communication;
    d.user_defined_name = name;
    return d;
}

void SimDevice::addMeasurement(const QString& key, const QList<double>& nominal, double spread, int decimals)
{
    Measurement m;
    m.key = key;
    m.nominal = nominal;
    m.value = nominal;
    m.spread = spread;
    m.decimals = decimals;
    measurements.append(m);
}

void SimDevice::fillDefaults()
{
    fixedState.clear();
    measurements.clear();
    configuration.clear();
    messages.clear();
    events.clear();
    if (isGenerator()) {
        status = QStringLiteral("genset_on");
        fixedState = {{QStringLiteral("firmware_version"), QStringLiteral("IC-200")},
                      {QStringLiteral("serial_number"), QStringLiteral("GS%1").arg(id, 6, QLatin1Char('0'))},
                      {QStringLiteral("tot_fuel_consum"), QStringLiteral("1284")},
                      {QStringLiteral("run_time"), QStringLiteral("412")},
                      {QStringLiteral("num_starts"), QStringLiteral("57")}};
        addMeasurement(QStringLiteral("fuel_level"), {78}, 0.02);
        addMeasurement(QStringLiteral("output_voltage"), {400, 400, 400}, 0.02);
        addMeasurement(QStringLiteral("output_frequency"), {50}, 0.004, 1);
        addMeasurement(QStringLiteral("battery_voltage"), {27.6}, 0.01, 1);
        messages = QStringList{QStringLiteral("27")};
        configuration = {{QStringLiteral("shutdown_delay"), QStringLiteral("5")},
                         {QStringLiteral("sound_alarm"), QStringLiteral("1")}};
        return;
    }
    status = QStringLiteral("on_power_line");
    const bool three = isThreePhase();
    const double power = isVirtual() ? 20000 : three ? 10000 : 1500;
    fixedState = {{QStringLiteral("nominal_active_power"), QString::number(int(power))},
                  {QStringLiteral("nominal_spurious_power"), QString::number(int(power))}};
    if (!isVirtual())
        fixedState.append({QStringLiteral("firmware_version"), QStringLiteral("03.%1.1").arg(id)});
    if (communication.compare(QLatin1String("snmp"), Qt::CaseInsensitive) == 0) {
        fixedState.append({QStringLiteral("snmp_sys_name"), QStringLiteral("ups-%1").arg(id)});
        fixedState.append({QStringLiteral("snmp_sys_location"), QStringLiteral("Server room")});
    }
    if (three) {
        addMeasurement(QStringLiteral("output_load"), {45, 50, 47}, 0.05);
        addMeasurement(QStringLiteral("input_voltage"), {230, 230, 230}, 0.02);
        addMeasurement(QStringLiteral("output_voltage"), {230, 230, 230}, 0.005);
        addMeasurement(QStringLiteral("output_current"), {6.8, 7.5, 7.1}, 0.05, 1);
    } else {
        addMeasurement(QStringLiteral("output_load"), {32}, 0.05);
        addMeasurement(QStringLiteral("input_voltage"), {230}, 0.02);
        addMeasurement(QStringLiteral("output_voltage"), {230}, 0.005);
    }
    addMeasurement(QStringLiteral("input_frequency"), {50}, 0.004, 1);
    addMeasurement(QStringLiteral("output_frequency"), {50}, 0.002, 1);
    addMeasurement(QStringLiteral("battery_capacity"), {100}, 0.0);
    addMeasurement(QStringLiteral("autonomy_time"), {three ? 42.0 : 18.0}, 0.03);
    addMeasurement(QStringLiteral("temperature"), {31}, 0.03);
    addMeasurement(QStringLiteral("battery_voltage"), {three ? 432.0 : 27.3}, 0.01, 1);
    messages = QStringList{QStringLiteral("27"), QStringLiteral("59")};
    events = QStringLiteral("62;2;14;8;3;12|63;2;14;8;4;40|50;2;15;10;0;5|51;2;15;10;2;9");
    configuration = {{QStringLiteral("output_voltage_option"), QStringLiteral("230;220;230;240")},
                     {QStringLiteral("sound_alarm"), QStringLiteral("1")},
                     {QStringLiteral("eco_mode"), QStringLiteral("0")},
                     {QStringLiteral("battery_test_time"), QStringLiteral("10")},
                     {QStringLiteral("shutdown_delay"), QStringLiteral("2")},
                     {QStringLiteral("restore_delay"), QStringLiteral("1")},
                     {QStringLiteral("auto_reboot"), QStringLiteral("1")},
                     {QStringLiteral("over_temperature_point"), QStringLiteral("45")}};
}

namespace {
void takeField(const QMap<QString, QString>& fields, const char* name, QString& field)
{
    const auto it = fields.constFind(QLatin1String(name));
    if (it != fields.constEnd())
        field = it.value();
}
} // namespace

void SimDevice::applyRecord(const SimRequest& request)
{
    const QMap<QString, QString> fields = request.toMap();
    takeField(fields, "model_name", model_name);
    takeField(fields, "communication", communication);
    takeField(fields, "com_port", com_port);
    takeField(fields, "ip", ip);
    takeField(fields, "read", read);
    takeField(fields, "write", write);
    takeField(fields, "snmp_ver", snmp_ver);
    takeField(fields, "serial_no", serial_no);
    takeField(fields, "user_defined_name", user_defined_name);
    // The record always carries its whole member list, so none means none.
    if (fields.contains(QStringLiteral("model_name")))
        phy_ids = request.values(QStringLiteral("phy_id"));
}

void SimDevice::applyLogSettings(const SimRequest& request)
{
    const QMap<QString, QString> fields = request.toMap();
    takeField(fields, "log_file_size", log_file_size);
    takeField(fields, "log_time_interval", log_time_interval);
    takeField(fields, "log_params", log_params);
}

SimDevice::Entries SimDevice::deviceState() const
{
    Entries out;
    if (!status.isEmpty())
        out.append({QStringLiteral("device_status"), status});
    for (const auto& entry : fixedState) {
        if (!entry.second.isEmpty())
            out.append(entry);
    }
    for (const Measurement& m : measurements) {
        QStringList phases;
        for (double v : m.value)
            phases << QString::number(v, 'f', m.decimals);
        out.append({m.key, phases.join(QLatin1Char(';'))});
    }
    if (!messages.isEmpty())
        out.append({QStringLiteral("messages"), messages.join(QLatin1Char('\n'))});
    if (!events.isEmpty())
        out.append({QStringLiteral("events"), events});
    return out;
}

void SimDevice::drift(QRandomGenerator& random)
{
    for (Measurement& m : measurements) {
        for (int i = 0; i < m.value.size(); ++i) {
            const double range = m.nominal[i] * m.spread;
            const double step = (random.generateDouble() - 0.5) * range / 2.0;
            m.value[i] = qBound(m.nominal[i] - range, m.value[i] + step, m.nominal[i] + range);
        }
    }
}

} // namespace LxSim
