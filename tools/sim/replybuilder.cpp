#include "replybuilder.h"

namespace LxSim {

namespace {
QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QByteArray ReplyBuilder::escape(const QString& text)
{
    return text.toHtmlEscaped().toUtf8();
}

QByteArray ReplyBuilder::element(const QString& name, const QString& text)
{
    const QByteArray tag = name.toUtf8();
    return "<" + tag + ">" + escape(text) + "</" + tag + ">";
}

QByteArray ReplyBuilder::flat(const QString& root, const SimDevice::Entries& children)
{
    QByteArray body;
    for (const auto& child : children)
        body += element(child.first, child.second);
    const QByteArray tag = root.toUtf8();
    return "<" + tag + ">" + body + "</" + tag + ">";
}

QByteArray ReplyBuilder::parameterMap(const QString& root, const SimDevice::Entries& parameters,
                                      const QString& attributes, ReplyLayout layout)
{
    QByteArray out = "<" + root.toUtf8();
    if (!attributes.isEmpty())
        out += " " + attributes.toUtf8();
    out += ">";
    QByteArray closing; // of the nested chain, innermost first
    for (const auto& p : parameters) {
        if (p.second.isEmpty())
            continue;
        const QByteArray tag = p.first.toUtf8();
        switch (layout) {
        case ReplyLayout::Flat:
            out += element(p.first, p.second);
            break;
        case ReplyLayout::Indented:
            out += "\n  " + element(p.first, p.second);
            break;
        case ReplyLayout::NestedChain:
            out += "<" + tag + ">" + escape(p.second);
            closing = "</" + tag + ">" + closing;
            break;
        case ReplyLayout::ValueAfter:
            out += element(p.first, p.second) + escape(p.second);
            break;
        }
    }
    out += closing;
    if (layout == ReplyLayout::Indented)
        out += "\n";
    return out + "</" + root.toUtf8() + ">";
}

QByteArray ReplyBuilder::deviceState(const SimDevice::Entries& parameters, bool upsFound, bool properDevice,
                                     ReplyLayout layout)
{
    return parameterMap(
        QStringLiteral("ups_device_state"), parameters,
        QStringLiteral("isUpsFound=\"%1\" isProperDevice=\"%2\"").arg(flag(upsFound), flag(properDevice)),
        layout);
}

QByteArray ReplyBuilder::configuration(const SimDevice::Entries& parameters, ReplyLayout layout)
{
    return parameterMap(QStringLiteral("ups_configuration"), parameters, QString(), layout);
}

namespace {
const struct
{
    ReplyLayout layout;
    const char* name;
} layoutNames[] = {{ReplyLayout::Flat, "flat"},
                   {ReplyLayout::Indented, "indented"},
                   {ReplyLayout::NestedChain, "nested"},
                   {ReplyLayout::ValueAfter, "value-after"}};
} // namespace

bool ReplyBuilder::parseLayout(const QString& text, ReplyLayout* layout)
{
    for (const auto& entry : layoutNames) {
        if (text == QLatin1String(entry.name)) {
            *layout = entry.layout;
            return true;
        }
    }
    return false;
}

QString ReplyBuilder::layoutName(ReplyLayout layout)
{
    for (const auto& entry : layoutNames) {
        if (entry.layout == layout)
            return QLatin1String(entry.name);
    }
    return QString();
}

QByteArray ReplyBuilder::modelList(const QList<SimDevice>& devices)
{
    QByteArray body;
    for (const SimDevice& d : devices) {
        // Every field in every entry: the panel's reader carries a missing field
        // over from the entry before, and log_params closes each entry.
        SimDevice::Entries fields = {{QStringLiteral("model_name"), d.model_name}};
        for (const QString& phy : d.phy_ids)
            fields.append({QStringLiteral("phy_id"), phy});
        fields += SimDevice::Entries{{QStringLiteral("id"), d.id},
                                     {QStringLiteral("communication"), d.communication},
                                     {QStringLiteral("com_port"), d.com_port},
                                     {QStringLiteral("ip"), d.ip},
                                     {QStringLiteral("read"), d.read},
                                     {QStringLiteral("write"), d.write},
                                     {QStringLiteral("snmp_ver"), d.snmp_ver},
                                     {QStringLiteral("serial_no"), d.serial_no},
                                     {QStringLiteral("log_file_size"), d.log_file_size},
                                     {QStringLiteral("log_time_interval"), d.log_time_interval},
                                     {QStringLiteral("user_defined_name"), d.user_defined_name},
                                     {QStringLiteral("log_params"), d.log_params}};
        body += flat(QStringLiteral("ups"), fields);
    }
    return "<ups_model_list>" + body + "</ups_model_list>";
}

QByteArray ReplyBuilder::statusList(const QList<SimDevice>& devices)
{
    QByteArray body;
    for (const SimDevice& d : devices) {
        body += flat(QStringLiteral("device"),
                     {{QStringLiteral("id"), d.id},
                      {QStringLiteral("status"), d.status},
                      {QStringLiteral("connected"), flag(d.connected)},
                      {QStringLiteral("parallel_unit"), flag(d.parallel_unit)},
                      {QStringLiteral("unit_address"), d.unit_address},
                      {QStringLiteral("master"), flag(d.master)},
                      {QStringLiteral("power_compensation"), flag(d.power_compensation)},
                      {QStringLiteral("output_socket1"), flag(d.output_socket1)},
                      {QStringLiteral("output_socket2"), flag(d.output_socket2)},
                      {QStringLiteral("ups_shutdown_supported"), flag(d.ups_shutdown_supported)}});
    }
    return "<ups_current_status_list>" + body + "</ups_current_status_list>";
}

QByteArray ReplyBuilder::availablePorts(const QList<QPair<QString, bool>>& ports)
{
    // is_port_free must follow its com_port directly.
    SimDevice::Entries fields;
    for (const auto& port : ports) {
        fields.append({QStringLiteral("com_port"), port.first});
        fields.append({QStringLiteral("is_port_free"), flag(port.second)});
    }
    return flat(QStringLiteral("available_ports"), fields);
}

QByteArray ReplyBuilder::showMessage(const QStringList& messages)
{
    SimDevice::Entries fields;
    for (const QString& m : messages)
        fields.append({QStringLiteral("message"), m});
    return flat(QStringLiteral("show_message"), fields);
}

QByteArray ReplyBuilder::showCountdown(const QList<QPair<int, int>>& timers)
{
    SimDevice::Entries fields;
    for (const auto& t : timers) {
        fields.append({QStringLiteral("timer_id"), QString::number(t.first)});
        fields.append({QStringLiteral("time"), QString::number(t.second)});
    }
    return flat(QStringLiteral("show_countdown"), fields);
}

QByteArray ReplyBuilder::smtpTestStatus(int status, const QStringList& messages)
{
    SimDevice::Entries fields = {{QStringLiteral("current_status"), QString::number(status)}};
    for (int i = 0; i < messages.size(); ++i)
        fields.append({QStringLiteral("msg_%1").arg(i + 1), messages[i]});
    return flat(QStringLiteral("smtp2_test_status"), fields);
}

QByteArray ReplyBuilder::upsLogs(const QStringList& lines)
{
    SimDevice::Entries fields;
    for (int i = 0; i < lines.size(); ++i)
        fields.append({QStringLiteral("log_%1").arg(i + 1), lines[i]});
    return flat(QStringLiteral("ups_logs"), fields);
}

QByteArray ReplyBuilder::discovered(const QString& address)
{
    return element(QStringLiteral("discovered_message"), address);
}

QByteArray ReplyBuilder::password(const QString& digest)
{
    return element(QStringLiteral("get_password"), digest);
}

QByteArray ReplyBuilder::netclientPassword(const QString& digest)
{
    return element(QStringLiteral("netclient_password"), digest);
}

QByteArray ReplyBuilder::adminPasswordChanged()
{
    return element(QStringLiteral("admin_password_changed"));
}

QByteArray ReplyBuilder::netclientPasswordChanged()
{
    return element(QStringLiteral("netclient_password_changed"));
}

QByteArray ReplyBuilder::daemonBusy(bool busy)
{
    return element(busy ? QStringLiteral("daemon_is_busy") : QStringLiteral("daemon_is_ready"));
}

QByteArray ReplyBuilder::debugging(bool enabled)
{
    return element(enabled ? QStringLiteral("debugging_enabled") : QStringLiteral("debugging_disabled"));
}

QByteArray ReplyBuilder::serviceVersion(const QString& version)
{
    return element(QStringLiteral("service_version"), version);
}

QByteArray ReplyBuilder::virtualizationCenterVersion(const QString& version)
{
    return element(QStringLiteral("virtualization_center_version"), version);
}

QByteArray ReplyBuilder::virtualizationCenterEnabled(bool enabled)
{
    return element(enabled ? QStringLiteral("virtualization_center_enabled")
                           : QStringLiteral("virtualization_center_disabled"));
}

QByteArray ReplyBuilder::resultPair(const QString& root, bool hasError, const QString& errorText)
{
    return flat(root,
                {{QStringLiteral("has_error"), flag(hasError)}, {QStringLiteral("error_str"), errorText}});
}

QByteArray ReplyBuilder::virtualizationCenterSettings(const SimDevice::Entries& settings)
{
    return flat(QStringLiteral("virtualization_center_settings"), settings);
}

QByteArray ReplyBuilder::hostList(const QList<Host>& hosts)
{
    QByteArray body;
    for (const Host& h : hosts) {
        body += flat(QStringLiteral("host"),
                     {{QStringLiteral("type"), QString::number(h.type)},
                      {QStringLiteral("id"), QString::number(h.id)},
                      {QStringLiteral("name"), h.name},
                      {QStringLiteral("is_disabled"), flag(h.disabled)},
                      {QStringLiteral("is_disabled_logfail"), flag(h.disabledByLoginFailures)}});
    }
    return "<virtualization_center_host_list>" + body + "</virtualization_center_host_list>";
}

QByteArray ReplyBuilder::hostResult(const QString& root, int type, int id, bool hasError,
                                    const QString& errorText)
{
    return flat(root, {{QStringLiteral("type"), QString::number(type)},
                       {QStringLiteral("id"), QString::number(id)},
                       {QStringLiteral("has_error"), flag(hasError)},
                       {QStringLiteral("error_str"), errorText}});
}

QByteArray ReplyBuilder::hostManagement(const HostManagement& m)
{
    return flat(QStringLiteral("virtualization_center_host_management"),
                {{QStringLiteral("is_managed_from_internal_vm"), flag(m.managedFromInternalVm)},
                 {QStringLiteral("host_type"), QString::number(m.hostType)},
                 {QStringLiteral("host_id"), QString::number(m.hostId)},
                 {QStringLiteral("vm_id"), QString::number(m.vmId)},
                 {QStringLiteral("shutdown_ups_with_master_vm"), flag(m.shutdownUpsWithMasterVm)}});
}

QByteArray ReplyBuilder::actionList(const QList<Action>& actions)
{
    QByteArray body;
    for (const Action& a : actions) {
        body += "<action_parameters>" + element(QStringLiteral("action_id"), QString::number(a.id)) +
                element(QStringLiteral("name"), a.name) + element(QStringLiteral("action_type"), a.type) +
                element(QStringLiteral("apply_to_all_running_vm"), flag(a.applyToAllRunningVm)) +
                element(QStringLiteral("power_off_selected_hosts_after_vm_shutdown"),
                        flag(a.powerOffHostsAfterVmShutdown));
        for (const Action::Target& t : a.targets) {
            body += "<selected_items>" + element(QStringLiteral("host_type"), QString::number(t.hostType)) +
                    element(QStringLiteral("host_id"), QString::number(t.hostId)) + "<vm_ids>";
            for (int vm : t.vmIds)
                body += element(QStringLiteral("vm_id"), QString::number(vm));
            body += "</vm_ids></selected_items>";
        }
        body += "</action_parameters>";
    }
    return "<virtualization_center_action_list>" + body + "</virtualization_center_action_list>";
}

QByteArray ReplyBuilder::hostVmsInfo(int hostType, int hostId, const QString& status, const QString& name,
                                     const QList<Machine>& machines)
{
    QByteArray body = element(QStringLiteral("host_type"), QString::number(hostType)) +
                      element(QStringLiteral("host_id"), QString::number(hostId)) +
                      element(QStringLiteral("status"), status) + element(QStringLiteral("name"), name);
    for (const Machine& m : machines) {
        body += flat(QStringLiteral("vms"), {{QStringLiteral("vm_id"), QString::number(m.id)},
                                             {QStringLiteral("vm_name"), m.name},
                                             {QStringLiteral("vm_state"), m.state},
                                             {QStringLiteral("vm_pending_st"), m.pending}});
    }
    return "<virtualization_center_hostvmsinfo>" + body + "</virtualization_center_hostvmsinfo>";
}

} // namespace LxSim
