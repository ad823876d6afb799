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
        addGeneratorSetExtras();
        messages = QStringList{QStringLiteral("27")};
        configuration = generatorSetParameters();
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
    if (!isVirtual())
        addUpsExtras();
    messages = QStringList{QStringLiteral("27"), QStringLiteral("59")};
    events = QStringLiteral("62;2;14;8;3;12|63;2;14;8;4;40|50;2;15;10;0;5|51;2;15;10;2;9");
    configuration = upsParameters();
}

// Extended measurements: what the extended information view shows besides the
// values of the main window.
void SimDevice::addUpsExtras()
{
    const bool three = isThreePhase();
    const QList<double> phases = three ? QList<double>{1, 1, 1} : QList<double>{1};
    auto perPhase = [&](double value) {
        QList<double> list;
        for (double p : phases)
            list.append(p * value);
        return list;
    };
    addMeasurement(QStringLiteral("output_active_power"), perPhase(three ? 1500 : 480), 0.05);
    addMeasurement(QStringLiteral("output_spurious_power"), perPhase(three ? 1600 : 510), 0.05);
    addMeasurement(QStringLiteral("input_current"), perPhase(three ? 7.2 : 2.3), 0.05, 1);
    addMeasurement(QStringLiteral("battery_current"), {0.4}, 0.1, 1);
    if (three)
        addMeasurement(QStringLiteral("bypass_voltage"), perPhase(230), 0.01);
    fixedState.append({QStringLiteral("counter_overload"), QStringLiteral("3")});
    fixedState.append({QStringLiteral("counter_discharge"), QStringLiteral("12")});
    fixedState.append({QStringLiteral("ups_serial_number"), QStringLiteral("UPS-%1-2026").arg(id)});
}

void SimDevice::addGeneratorSetExtras()
{
    addMeasurement(QStringLiteral("input_voltage"), {230, 230, 230}, 0.02);
    addMeasurement(QStringLiteral("input_frequency"), {50}, 0.004, 1);
    addMeasurement(QStringLiteral("d_plus"), {27.4}, 0.01, 1);
    fixedState.append({QStringLiteral("e_stops"), QStringLiteral("2")});
    fixedState.append({QStringLiteral("maintenance"), QStringLiteral("188")});
}

// Settable parameters by model. Radio and combo values are "current;choice;...";
// a few report a current setting that is none of their choices, as devices do.
QMap<QString, QString> SimDevice::upsParameters() const
{
    QMap<QString, QString> p = {{QStringLiteral("output_voltage_option"), QStringLiteral("230;220;230;240")},
                                {QStringLiteral("output_frequency_option"), QStringLiteral("50;50;60")},
                                {QStringLiteral("screen_save_time_option"), QStringLiteral("45;30;60;120")},
                                {QStringLiteral("sound_alarm"), QStringLiteral("1")},
                                {QStringLiteral("eco_mode"), QStringLiteral("0")},
                                {QStringLiteral("battery_test_time"), QStringLiteral("10")},
                                {QStringLiteral("battery_short_test"), QStringLiteral("0")},
                                {QStringLiteral("shutdown_delay"), QStringLiteral("2")},
                                {QStringLiteral("restore_delay"), QStringLiteral("1")},
                                {QStringLiteral("auto_reboot"), QStringLiteral("1")},
                                {QStringLiteral("over_temperature_point"), QStringLiteral("45")}};
    if (isThreePhase()) {
        p.insert(QStringLiteral("epo"), QStringLiteral("0"));
        p.insert(QStringLiteral("bypass"), QStringLiteral("0"));
        p.insert(QStringLiteral("input_phase_config_options"), QStringLiteral("3;1;3"));
    }
    if (checksNetworkCardSettings(model_name)) {
        p.insert(QStringLiteral("reset_battery_error"), QStringLiteral("0"));
        p.insert(QStringLiteral("standby_delay"), QStringLiteral("30"));
        p.insert(QStringLiteral("ethernet_enable"), QStringLiteral("1"));
        p.insert(QStringLiteral("dhcp_enable"), QStringLiteral("0"));
        p.insert(QStringLiteral("snmp_agent_ip"), QStringLiteral("192.168.1.50"));
        p.insert(QStringLiteral("network_mask"), QStringLiteral("255.255.255.0"));
        p.insert(QStringLiteral("default_gateway"), QStringLiteral("192.168.1.1"));
        p.insert(QStringLiteral("http_service_user"), QStringLiteral("admin"));
        p.insert(QStringLiteral("read_community"), QStringLiteral("public"));
        p.insert(QStringLiteral("snmp_syslocation"), QStringLiteral("R&D room"));
        p.insert(QStringLiteral("access_code"), QStringLiteral("1234"));
    }
    return p;
}

QMap<QString, QString> SimDevice::generatorSetParameters() const
{
    return {{QStringLiteral("shutdown_delay"), QStringLiteral("5")},
            {QStringLiteral("sound_alarm"), QStringLiteral("1")},
            {QStringLiteral("remote_turn_on_genset"), QStringLiteral("0")},
            {QStringLiteral("remote_turn_off_genset"), QStringLiteral("0")},
            {QStringLiteral("reset_statistics"), QStringLiteral("0")},
            {QStringLiteral("auth_time_m_low_battery"), QStringLiteral("10")},
            {QStringLiteral("access_code"), QStringLiteral("0000")},
            // Run from the remote panel: a mode none of the buttons selects.
            {QStringLiteral("controller_mode_option"), QStringLiteral("REMOTE;OFF;MAN;AUTO;TEST")}};
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
