#include "simworld.h"

#include "common/helpers.h"
#include "devicehandlers.h"
#include "linkhandlers.h"
#include "loghandlers.h"
#include "networkhandlers.h"
#include "settingshandlers.h"
#include "simrequest.h"
#include "simresponder.h"
#include "virtualizationhandlers.h"

#include <QSet>
#include <QTimer>

namespace LxSim {

const QString SimWorld::defaultAdminPassword = QStringLiteral("Quillmarberon");

namespace {
SimDevice makeDevice(const QString& id, const QString& model, const QString& communication,
                     const QString& name)
{
    SimDevice d = SimDevice::named(id, model, communication, name);
    d.log_params = QStringLiteral("3"); // the parameters and messages logs
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
    ReplyBuilder::Action hosts;
    hosts.id = 1;
    hosts.name = QStringLiteral("Power off host A");
    hosts.powerOffHostsAfterVmShutdown = true;
    hosts.targets = {{1, 1, {-1}}};
    ReplyBuilder::Action files;
    files.id = 2;
    files.name = QStringLiteral("Suspend the file server");
    files.type = QStringLiteral("suspend");
    files.targets = {{1, 2, {5}}};
    vcActions = {hosts, files};
    connect(driftTimer, &QTimer::timeout, this, &SimWorld::drift);
    loadVcHosts();
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
    three.log_params = QStringLiteral("7");
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

    // The networked computers: this machine and an office PC, each UPS's
    // Default group holding the first.
    computers = QStringLiteral(
        "<computer><computer_name>Server</computer_name><computer_address>127.0.0.1</computer_address>"
        "<computer_password></computer_password><computer_configId>0</computer_configId></computer>"
        "<computer><computer_name>Office</computer_name><computer_address>192.168.10.60</computer_address>"
        "<computer_password>netclient</computer_password>"
        "<computer_configId>1</computer_configId></computer>");
    netclientPasswords.insert(QStringLiteral("192.168.10.60"), QStringLiteral("netclient"));
    for (const SimDevice& device : qAsConst(deviceList)) {
        groupsByUps.insert(
            device.id,
            QStringLiteral("<ups_id>%1</ups_id><group><group_name>Default</group_name>"
                           "<group_configId>0</group_configId><computers><computer>"
                           "<computer_configId>0</computer_configId></computer></computers></group>")
                .arg(device.id));
    }
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

void SimWorld::churnStatuses()
{
    static const QStringList round{QStringLiteral("on_power_line"), QStringLiteral("on_battery"),
                                   QStringLiteral("bypass"), QStringLiteral("no_communication")};
    const int count = qMin(statusChurn, deviceList.size());
    for (int i = 0; i < count; ++i) {
        churnCursor %= deviceList.size();
        SimDevice& d = deviceList[churnCursor++];
        // A status outside the round starts it.
        d.status = round.at((round.indexOf(d.status) + 1) % round.size());
    }
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

void SimWorld::loadVcHosts()
{
    using Machine = ReplyBuilder::Machine;
    VcHost a;
    a.id = 1;
    a.name = QStringLiteral("Host A");
    a.address = QStringLiteral("esxi-a.lab.local");
    a.userName = QStringLiteral("root");
    a.version = QStringLiteral("VMware ESXi 7.0.3");
    a.machines = {
        Machine{1, QStringLiteral("Luminorix manager"), QStringLiteral("ps_powered_on"),
                QStringLiteral("pa_no_action")},
        Machine{2, QStringLiteral("Mail"), QStringLiteral("ps_powered_on"), QStringLiteral("pa_no_action")},
        Machine{3, QStringLiteral("Build"), QStringLiteral("ps_powered_off"),
                QStringLiteral("pa_no_action")}};
    VcHost b;
    b.id = 2;
    b.name = QStringLiteral("Host B");
    b.address = QStringLiteral("10.0.40.12");
    b.port = 2222;
    b.userName = QStringLiteral("ops");
    b.version = QStringLiteral("VMware ESXi 8.0.1");
    b.machines = {Machine{5, QStringLiteral("File server"), QStringLiteral("ps_suspended"),
                          QStringLiteral("pa_power_on")}};
    // A host of another type: listed, but neither loaded nor tested by the panel.
    VcHost c;
    c.type = 2;
    c.id = 1;
    c.name = QStringLiteral("Cluster C");
    c.status = QStringLiteral("hs_host_invalid");
    c.errorInfo = QStringLiteral("certificate expired");
    vcHosts = {a, b, c};
    vcSettings = {{QStringLiteral("email_notifications_enabled"), QStringLiteral("1")},
                  {QStringLiteral("email_notifications_recipients"), QStringLiteral("admin@example.com")},
                  {QStringLiteral("forced_poweroff_timeout_vms"), QStringLiteral("600")},
                  {QStringLiteral("master_shutdown_delay"), QStringLiteral("180")}};
}

SimWorld::VcHost* SimWorld::vcHost(int type, int id)
{
    for (VcHost& h : vcHosts) {
        if (h.type == type && h.id == id)
            return &h;
    }
    return nullptr;
}

SimWorld::Refusal SimWorld::refusalOf(const QString& request)
{
    static const QSet<QString> withResult{QStringLiteral("set_virtualization_center_add_new_esxisshhost"),
                                          QStringLiteral("set_virtualization_center_edit_host"),
                                          QStringLiteral("set_virtualization_center_test_esxisshhost"),
                                          QStringLiteral("set_virtualization_center_host_management"),
                                          QStringLiteral("set_virtualization_center_action_list_add"),
                                          QStringLiteral("set_virtualization_center_action_list_edit"),
                                          QStringLiteral("set_virtualization_center_action_list_delete"),
                                          QStringLiteral("set_virtualization_center_action_run"),
                                          QStringLiteral("smtp2_send_test_mail")};
    // What only the administrator may change.
    static const QSet<QString> administrative{QStringLiteral("set_new_ups"),
                                              QStringLiteral("change_ups"),
                                              QStringLiteral("remove_ups"),
                                              QStringLiteral("change_log_config"),
                                              QStringLiteral("set_ups_configuration"),
                                              QStringLiteral("change_password"),
                                              QStringLiteral("change_netclient_password"),
                                              QStringLiteral("application_configuration"),
                                              QStringLiteral("groups"),
                                              QStringLiteral("events"),
                                              QStringLiteral("all_computers"),
                                              QStringLiteral("remove_computer"),
                                              QStringLiteral("set_virtualization_center_enabled"),
                                              QStringLiteral("set_virtualization_center_settings"),
                                              QStringLiteral("set_virtualization_center_remove_host")};
    if (withResult.contains(request))
        return Refusal::ErrorResult;
    if (administrative.contains(request))
        return Refusal::WrongPassword;
    return Refusal::NoAnswer;
}

QStringList SimWorld::handledRequests()
{
    SimWorld world;
    SimResponder responder;
    world.install(responder);
    return responder.handledRequests();
}

void SimWorld::failRequest(const QString& request, const QString& text)
{
    if (text.isEmpty())
        failures.remove(request);
    else
        failures.insert(request, text);
}

void SimWorld::delayRequest(const QString& request, int ms)
{
    if (ms <= 0)
        delays.remove(request);
    else
        delays.insert(request, ms);
}

SimReplies SimWorld::gate(const SimRequest& request,
                          const std::function<SimReplies(const SimRequest&)>& handler)
{
    // A result that reports the error is the handler's to build; the other
    // refusals leave the world untouched and say nothing.
    if (failures.contains(request.name) && refusalOf(request.name) != Refusal::ErrorResult)
        return {};
    SimReplies replies = handler(request);
    const int delay = delays.value(request.name);
    for (SimReply& reply : replies)
        reply.delayMs += delay;
    return replies;
}

void SimWorld::install(SimResponder& responder)
{
    installLinkHandlers(*this, responder);
    installDeviceHandlers(*this, responder);
    installSettingsHandlers(*this, responder);
    installNetworkHandlers(*this, responder);
    installVirtualizationHandlers(*this, responder);
    installLogHandlers(*this, responder);
    responder.setGate([this](const SimRequest& request, const SimResponder::Handler& handler) {
        return gate(request, handler);
    });
}

} // namespace LxSim
