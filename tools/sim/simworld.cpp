#include "simworld.h"

#include "helpers.h"
#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"

#include <QTimer>

namespace LxSim {

const QString SimWorld::defaultAdminPassword = QStringLiteral("Quillmarberon");

namespace {
SimDevice makeDevice(const QString& id, const QString& model, const QString& communication,
                     const QString& name)
{
    SimDevice d;
    d.id = id;
    d.model_name = model;
    d.communication = communication;
    d.user_defined_name = name;
    d.log_params = QStringLiteral("output_load;input_voltage;battery_capacity");
    return d;
}
} // namespace

SimWorld::SimWorld(QObject* parent)
    : QObject(parent), portNames({QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                                  QStringLiteral("COM4")}),
      adminPasswordDigest(hashPassword(defaultAdminPassword)), driftTimer(new QTimer(this)), random(2323)
{
    appConfiguration = {
        {QStringLiteral("smtp2_security_type"), QStringLiteral("tls")},
        {QStringLiteral("smtp2_server"), QStringLiteral("mail.example.org")},
        {QStringLiteral("smtp2_port"), QStringLiteral("587")},
        {QStringLiteral("smtp2_timeout"), QStringLiteral("30")},
        {QStringLiteral("smtp2_sender_address"), QStringLiteral("ups@example.org")},
        {QStringLiteral("smtp2_authentication"), QStringLiteral("1")},
        {QStringLiteral("smtp2_user"), QStringLiteral("ups")},
        {QStringLiteral("smtp2_pass"), QStringLiteral("secret")},
        {QStringLiteral("log_files_path"), QStringLiteral("C:\\ProgramData\\Luminorix\\logs")},
        {QStringLiteral("run_on_boot"), QStringLiteral("1")}};
    connect(driftTimer, &QTimer::timeout, this, &SimWorld::drift);
}

void SimWorld::loadDemo()
{
    QList<SimDevice> demo;

    SimDevice three = makeDevice(QStringLiteral("1"), QStringLiteral("Harrier33_SNMP"),
                                 QStringLiteral("snmp"), QStringLiteral("Server room"));
    three.ip = QStringLiteral("192.168.10.21");
    three.read = QStringLiteral("public");
    three.write = QStringLiteral("private");
    three.snmp_ver = QStringLiteral("v2c");
    three.serial_no = QStringLiteral("H33-0042117");
    three.power_compensation = true;
    demo.append(three);

    for (int unit = 1; unit <= 2; ++unit) {
        SimDevice member = makeDevice(QString::number(unit + 1), QStringLiteral("HarrierRT_6_10_USB"),
                                      QStringLiteral("usb"), QString());
        member.parallel_unit = true;
        member.unit_address = QString::number(unit);
        member.master = unit == 1;
        member.output_socket1 = true;
        demo.append(member);
    }

    SimDevice virtualUps =
        makeDevice(QStringLiteral("4"), QStringLiteral("Virtual_Device"), QString(), QString());
    virtualUps.phy_ids = QStringList{QStringLiteral("2"), QStringLiteral("3")};
    virtualUps.log_params.clear();
    demo.append(virtualUps);

    SimDevice generator = makeDevice(QStringLiteral("5"), QStringLiteral("Ibis_SNMP"), QStringLiteral("snmp"),
                                     QStringLiteral("Generator yard"));
    generator.ip = QStringLiteral("192.168.10.40");
    generator.read = QStringLiteral("public");
    generator.write = QStringLiteral("private");
    generator.snmp_ver = QStringLiteral("v1");
    generator.ups_shutdown_supported = false;
    demo.append(generator);

    SimDevice serial = makeDevice(QStringLiteral("6"), QStringLiteral("KitePro_Rack_RS232"),
                                  QStringLiteral("rs232"), QStringLiteral("Reception"));
    serial.com_port = QStringLiteral("COM3");
    serial.output_socket1 = true;
    serial.output_socket2 = true;
    demo.append(serial);

    setDevices(demo);
}

void SimWorld::setDevices(const QList<SimDevice>& devices)
{
    deviceList = devices;
    for (SimDevice& d : deviceList) {
        if (d.measurements.isEmpty() && d.fixedState.isEmpty())
            d.fillDefaults();
    }
}

SimDevice* SimWorld::device(const QString& id)
{
    for (SimDevice& d : deviceList) {
        if (d.id == id)
            return &d;
    }
    return nullptr;
}

QString SimWorld::currentDeviceId(int connection) const
{
    // A client that chose nothing, or chose a device removed since, sees the first.
    const QString chosen = selections.value(connection);
    for (const SimDevice& d : deviceList) {
        if (d.id == chosen)
            return chosen;
    }
    return deviceList.isEmpty() ? QString() : deviceList.first().id;
}

SimDevice* SimWorld::currentDevice(const SimRequest& request)
{
    return device(currentDeviceId(request.connection));
}

QString SimWorld::nextFreeId() const
{
    int highest = 0;
    for (const SimDevice& d : deviceList)
        highest = qMax(highest, d.id.toInt());
    return QString::number(highest + 1);
}

QList<QPair<QString, bool>> SimWorld::ports() const
{
    QList<QPair<QString, bool>> out;
    for (const QString& name : portNames) {
        bool free = true;
        for (const SimDevice& d : deviceList)
            free = free && d.com_port != name;
        out.append({name, free});
    }
    return out;
}

void SimWorld::setAdminPassword(const QString& plain)
{
    adminPasswordDigest = hashPassword(plain);
}

bool SimWorld::setDeviceStatus(const QString& id, const QString& status)
{
    SimDevice* d = device(id);
    if (!d)
        return false;
    d->status = status;
    return true;
}

void SimWorld::setDriftInterval(int ms)
{
    if (ms <= 0)
        driftTimer->stop();
    else
        driftTimer->start(ms);
}

void SimWorld::drift()
{
    for (SimDevice& d : deviceList)
        d.drift(random);
}

void SimWorld::install(SimResponder& responder)
{
    using Member = SimReplies (SimWorld::*)(const SimRequest&);
    using ConstMember = SimReplies (SimWorld::*)(const SimRequest&) const;
    const auto add = [this, &responder](const char* name, Member member) {
        responder.setHandler(QLatin1String(name),
                             [this, member](const SimRequest& r) { return (this->*member)(r); });
    };
    const auto addConst = [this, &responder](const char* name, ConstMember member) {
        responder.setHandler(QLatin1String(name),
                             [this, member](const SimRequest& r) { return (this->*member)(r); });
    };
    // Start-up series.
    addConst("get_ups_model_list", &SimWorld::modelList);
    addConst("get_available_ports", &SimWorld::availablePorts);
    addConst("get_debugging_status", &SimWorld::debuggingStatus);
    addConst("get_service_version", &SimWorld::serviceVersion);
    addConst("get_shutdown_timers", &SimWorld::shutdownTimersReply);
    addConst("get_virtualization_center_enabled", &SimWorld::vcEnabledReply);
    addConst("get_virtualization_center_version", &SimWorld::vcVersion);
    // Poll.
    add("get_ups_configuration", &SimWorld::configuration);
    addConst("get_ups_current_status_list", &SimWorld::statusList);
    add("get_ups_device_state", &SimWorld::deviceState);
    // Devices.
    add("change_device_on_interface", &SimWorld::changeDeviceOnInterface);
    add("set_ups_configuration", &SimWorld::setUpsConfiguration);
    add("set_new_ups", &SimWorld::setNewUps);
    add("change_ups", &SimWorld::changeUps);
    add("change_log_config", &SimWorld::changeLogConfig);
    add("remove_ups", &SimWorld::removeUps);
    // Passwords.
    addConst("get_password", &SimWorld::password);
    add("change_password", &SimWorld::changePassword);
    addConst("get_netclient_pass", &SimWorld::netclientPassword);
    add("change_netclient_password", &SimWorld::changeNetclientPassword);
    // Settings and network configuration.
    addConst("get_application_configuration", &SimWorld::applicationConfiguration);
    add("application_configuration", &SimWorld::storeApplicationConfiguration);
    addConst("get_network_configuration", &SimWorld::networkConfiguration);
    add("groups", &SimWorld::storeGroups);
    add("events", &SimWorld::storeEvents);
    add("all_computers", &SimWorld::storeComputers);
    add("set_virtualization_center_enabled", &SimWorld::setVcEnabled);
    // Mail.
    addConst("smtp2_send_test_mail", &SimWorld::sendTestMail);
}

SimReplies SimWorld::modelList(const SimRequest&) const
{
    return {ReplyBuilder::modelList(deviceList)};
}

SimReplies SimWorld::availablePorts(const SimRequest&) const
{
    return {ReplyBuilder::availablePorts(ports())};
}

SimReplies SimWorld::debuggingStatus(const SimRequest&) const
{
    return {ReplyBuilder::debugging(debugging)};
}

SimReplies SimWorld::serviceVersion(const SimRequest&) const
{
    return {ReplyBuilder::serviceVersion(serviceVersionText)};
}

SimReplies SimWorld::shutdownTimersReply(const SimRequest&) const
{
    return {ReplyBuilder::showCountdown(shutdownTimers)};
}

SimReplies SimWorld::vcEnabledReply(const SimRequest&) const
{
    return {ReplyBuilder::virtualizationCenterEnabled(vcEnabled)};
}

SimReplies SimWorld::vcVersion(const SimRequest&) const
{
    return {ReplyBuilder::virtualizationCenterVersion(QStringLiteral("1"))};
}

SimReplies SimWorld::configuration(const SimRequest& request)
{
    SimDevice::Entries entries;
    if (const SimDevice* d = currentDevice(request)) {
        for (auto it = d->configuration.constBegin(); it != d->configuration.constEnd(); ++it)
            entries.append({it.key(), it.value()});
    }
    return {ReplyBuilder::configuration(entries, parameterLayout)};
}

SimReplies SimWorld::statusList(const SimRequest&) const
{
    return {ReplyBuilder::statusList(deviceList)};
}

SimReplies SimWorld::deviceState(const SimRequest& request)
{
    const SimDevice* d = currentDevice(request);
    if (!d)
        return {ReplyBuilder::deviceState({}, false, false, parameterLayout)};
    return {ReplyBuilder::deviceState(d->deviceState(), d->connected, true, parameterLayout)};
}

SimReplies SimWorld::changeDeviceOnInterface(const SimRequest& request)
{
    const QString id = request.value(QStringLiteral("id"));
    if (device(id))
        selections.insert(request.connection, id);
    return {};
}

SimReplies SimWorld::setUpsConfiguration(const SimRequest& request)
{
    SimDevice* d = currentDevice(request);
    if (!d)
        return {};
    for (const SimRequest::Child& c : request.children)
        d->configuration.insert(c.name, c.text);
    emit changed(request.name);
    return {};
}

SimReplies SimWorld::setNewUps(const SimRequest& request)
{
    SimDevice d;
    d.applyRecord(request);
    d.applyLogSettings(request);
    // Identifiers are the service's to give.
    d.id = nextFreeId();
    d.fillDefaults();
    deviceList.append(d);
    emit changed(request.name);
    return {ReplyBuilder::modelList(deviceList)};
}

SimReplies SimWorld::changeUps(const SimRequest& request)
{
    SimDevice* d = device(request.value(QStringLiteral("id")));
    if (!d)
        return {};
    const QString oldModel = d->model_name;
    const QString oldCommunication = d->communication;
    d->applyRecord(request);
    if (d->model_name != oldModel || d->communication != oldCommunication)
        d->fillDefaults();
    emit changed(request.name);
    return {ReplyBuilder::modelList(deviceList)};
}

SimReplies SimWorld::changeLogConfig(const SimRequest& request)
{
    SimDevice* d = device(request.value(QStringLiteral("id")));
    if (!d)
        return {};
    d->applyLogSettings(request);
    emit changed(request.name);
    return {ReplyBuilder::modelList(deviceList)};
}

SimReplies SimWorld::removeUps(const SimRequest& request)
{
    const QString id = request.value(QStringLiteral("id"));
    bool removed = false;
    for (int i = 0; i < deviceList.size(); ++i) {
        if (deviceList[i].id == id) {
            deviceList.removeAt(i);
            removed = true;
            break;
        }
    }
    if (!removed)
        return {};
    // A removed unit is no longer a member of any virtual UPS.
    for (SimDevice& d : deviceList)
        d.phy_ids.removeAll(id);
    groupsByUps.remove(id);
    eventsByUps.remove(id);
    emit changed(request.name);
    return {ReplyBuilder::modelList(deviceList)};
}

SimReplies SimWorld::password(const SimRequest&) const
{
    return {ReplyBuilder::password(adminPasswordDigest)};
}

SimReplies SimWorld::changePassword(const SimRequest& request)
{
    adminPasswordDigest = hashPassword(request.value(QStringLiteral("new_password")));
    emit changed(request.name);
    return {ReplyBuilder::adminPasswordChanged()};
}

SimReplies SimWorld::netclientPassword(const SimRequest& request) const
{
    const QString address = request.value(QStringLiteral("netclient_address"));
    return {ReplyBuilder::netclientPassword(hashPassword(netclientPasswords.value(address)))};
}

SimReplies SimWorld::changeNetclientPassword(const SimRequest& request)
{
    netclientPasswords.insert(request.value(QStringLiteral("netclient_address")),
                              request.value(QStringLiteral("password")));
    emit changed(request.name);
    return {ReplyBuilder::netclientPasswordChanged()};
}

SimReplies SimWorld::applicationConfiguration(const SimRequest&) const
{
    return {ReplyBuilder::flat(QStringLiteral("application_configuration"), appConfiguration)};
}

SimReplies SimWorld::storeApplicationConfiguration(const SimRequest& request)
{
    for (auto& entry : appConfiguration) {
        const QStringList sent = request.values(entry.first);
        if (!sent.isEmpty())
            entry.second = sent.last();
    }
    emit changed(request.name);
    return {};
}

SimReplies SimWorld::networkConfiguration(const SimRequest& request) const
{
    // Sent back as the panel stored them: the reply trees are the request trees.
    const QString id = request.value(QStringLiteral("id"));
    const QString idElement =
        QStringLiteral("<ups_id>%1</ups_id>").arg(QString::fromUtf8(ReplyBuilder::escape(id)));
    return {QByteArray("<groups>") + groupsByUps.value(id, idElement).toUtf8() + "</groups>",
            QByteArray("<events>") + eventsByUps.value(id, idElement).toUtf8() + "</events>",
            QByteArray("<all_computers>") + computers.toUtf8() + "</all_computers>"};
}

SimReplies SimWorld::storeGroups(const SimRequest& request)
{
    groupsByUps.insert(request.value(QStringLiteral("ups_id")), request.payload());
    emit changed(request.name);
    return {};
}

SimReplies SimWorld::storeEvents(const SimRequest& request)
{
    eventsByUps.insert(request.value(QStringLiteral("ups_id")), request.payload());
    emit changed(request.name);
    return {};
}

SimReplies SimWorld::storeComputers(const SimRequest& request)
{
    computers = request.payload();
    emit changed(request.name);
    return {};
}

SimReplies SimWorld::setVcEnabled(const SimRequest& request)
{
    vcEnabled = request.text == QLatin1String("1");
    emit changed(request.name);
    return {ReplyBuilder::virtualizationCenterEnabled(vcEnabled)};
}

SimReplies SimWorld::sendTestMail(const SimRequest& request) const
{
    if (smtpOutcome == SmtpTestOutcome::Silence)
        return {};
    const QString server = request.value(QStringLiteral("smtp2_server"));
    const QString port = request.value(QStringLiteral("smtp2_port"));
    const SimReply testing =
        ReplyBuilder::smtpTestStatus(1, {QStringLiteral("Connecting to %1:%2").arg(server, port)});
    if (smtpOutcome == SmtpTestOutcome::Success) {
        const QString sender = request.value(QStringLiteral("smtp2_sender_address"));
        return {testing,
                SimReply(ReplyBuilder::smtpTestStatus(
                             100, {QStringLiteral("250 2.0.0 OK: test message sent to %1").arg(sender)}),
                         smtpTestReportDelayMs)};
    }
    return {testing, SimReply(ReplyBuilder::smtpTestStatus(
                                  3, {QStringLiteral("535 5.7.8 Authentication credentials invalid")}),
                              smtpTestReportDelayMs)};
}

} // namespace LxSim
