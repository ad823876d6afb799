#include "virtualizationhandlers.h"

#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

#include <QSet>
#include <QXmlStreamReader>
#include <functional>

namespace LxSim {

namespace {
QByteArray flag(bool on)
{
    return on ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

QByteArray hostVmsInfo(const SimWorld::VcHost& host)
{
    QByteArray body = ReplyBuilder::element(QStringLiteral("host_type"), QString::number(host.type)) +
                      ReplyBuilder::element(QStringLiteral("host_id"), QString::number(host.id)) +
                      ReplyBuilder::element(QStringLiteral("status"), host.status) +
                      ReplyBuilder::element(QStringLiteral("name"), host.name) +
                      ReplyBuilder::element(QStringLiteral("version"), host.version) +
                      ReplyBuilder::element(QStringLiteral("error_info"), host.errorInfo);
    for (const ReplyBuilder::Machine& m : host.machines) {
        body += ReplyBuilder::flat(QStringLiteral("vms"), {{QStringLiteral("vm_id"), QString::number(m.id)},
                                                           {QStringLiteral("vm_name"), m.name},
                                                           {QStringLiteral("vm_state"), m.state},
                                                           {QStringLiteral("vm_pending_st"), m.pending}});
    }
    return "<virtualization_center_hostvmsinfo>" + body + "</virtualization_center_hostvmsinfo>";
}

QByteArray hostDetails(const SimWorld::VcHost* host)
{
    if (!host)
        return ReplyBuilder::flat(
            QStringLiteral("virtualization_center_esxisshhost_details"),
            {{QStringLiteral("type"), QStringLiteral("-1")}, {QStringLiteral("id"), QStringLiteral("-1")}});
    return ReplyBuilder::flat(
        QStringLiteral("virtualization_center_esxisshhost_details"),
        {{QStringLiteral("type"), QString::number(host->type)},
         {QStringLiteral("id"), QString::number(host->id)},
         {QStringLiteral("is_enabled"), QString::fromLatin1(flag(host->enabled))},
         {QStringLiteral("is_disabled_logfail"), QString::fromLatin1(flag(host->disabledByLoginFailures))},
         {QStringLiteral("name"), host->name},
         {QStringLiteral("address"), host->address},
         {QStringLiteral("port"), QString::number(host->port)},
         {QStringLiteral("user_name"), host->userName},
         {QStringLiteral("auth_method_password"), QStringLiteral("1")}});
}

QByteArray hostList(const QList<SimWorld::VcHost>& hosts)
{
    QList<ReplyBuilder::Host> listed;
    for (const SimWorld::VcHost& h : hosts)
        listed.append({h.type, h.id, h.name, !h.enabled, h.disabledByLoginFailures});
    return ReplyBuilder::hostList(listed);
}

int number(const SimRequest& request, const char* child)
{
    return request.value(QLatin1String(child)).toInt();
}

// The host edits and additions of the panel: every field the request carries.
void applyHostFields(SimWorld::VcHost& host, const SimRequest& request)
{
    const QMap<QString, QString> fields = request.toMap();
    if (fields.contains(QStringLiteral("is_enabled"))) {
        host.enabled = fields.value(QStringLiteral("is_enabled")) == QLatin1String("1");
        if (host.enabled)
            host.disabledByLoginFailures = false;
    }
    if (fields.contains(QStringLiteral("name")))
        host.name = fields.value(QStringLiteral("name"));
    if (fields.contains(QStringLiteral("address")))
        host.address = fields.value(QStringLiteral("address"));
    if (fields.contains(QStringLiteral("port")))
        host.port = fields.value(QStringLiteral("port")).toInt();
    if (fields.contains(QStringLiteral("user_name")))
        host.userName = fields.value(QStringLiteral("user_name"));
    if (fields.contains(QStringLiteral("password")))
        host.password = fields.value(QStringLiteral("password"));
}

// What a run leaves pending on each machine it names, resolved by the next
// report of its host.
QString pendingOf(const QString& actionType)
{
    if (actionType == QLatin1String("power_on"))
        return QStringLiteral("pa_power_on");
    if (actionType == QLatin1String("suspend"))
        return QStringLiteral("pa_power_suspend");
    if (actionType == QLatin1String("reset"))
        return QStringLiteral("pa_power_reset");
    return QStringLiteral("pa_power_off");
}

QString stateAfter(const QString& pending, const QString& state)
{
    if (pending == QLatin1String("pa_power_on") || pending == QLatin1String("pa_power_reset"))
        return QStringLiteral("ps_powered_on");
    if (pending == QLatin1String("pa_power_suspend"))
        return QStringLiteral("ps_suspended");
    if (pending == QLatin1String("pa_power_off"))
        return QStringLiteral("ps_powered_off");
    return state;
}

void installHostHandlers(SimWorld* w, SimResponder& responder)
{
    responder.setHandler(QStringLiteral("get_virtualization_center_settings"),
                         [w](const SimRequest&) -> SimReplies {
                             SimDevice::Entries entries;
                             const QMap<QString, QString> settings = w->vcSettingMap();
                             for (auto it = settings.cbegin(); it != settings.cend(); ++it)
                                 entries.append({it.key(), it.value()});
                             return {ReplyBuilder::virtualizationCenterSettings(entries)};
                         });
    responder.setHandler(QStringLiteral("set_virtualization_center_settings"),
                         [w](const SimRequest& request) -> SimReplies {
                             QMap<QString, QString> settings = w->vcSettingMap();
                             const QMap<QString, QString> sent = request.toMap();
                             for (auto it = sent.cbegin(); it != sent.cend(); ++it)
                                 settings.insert(it.key(), it.value());
                             w->setVcSettings(settings);
                             emit w->changed(request.name);
                             SimDevice::Entries entries;
                             for (auto it = settings.cbegin(); it != settings.cend(); ++it)
                                 entries.append({it.key(), it.value()});
                             return {ReplyBuilder::virtualizationCenterSettings(entries)};
                         });
    responder.setHandler(QStringLiteral("get_virtualization_center_host_list"),
                         [w](const SimRequest&) -> SimReplies { return {hostList(w->vcHostList())}; });
    responder.setHandler(QStringLiteral("get_virtualization_center_esxisshhost_details"),
                         [w](const SimRequest& request) -> SimReplies {
                             return {hostDetails(w->vcHost(1, number(request, "id")))};
                         });
    responder.setHandler(QStringLiteral("get_virtualization_center_hostvmsinfo"),
                         [w](const SimRequest& request) -> SimReplies {
                             SimWorld::VcHost* host =
                                 w->vcHost(number(request, "host_type"), number(request, "host_id"));
                             if (!host)
                                 return {};
                             const QByteArray reply = hostVmsInfo(*host);
                             // An operation a run left pending is done by the next report.
                             for (ReplyBuilder::Machine& m : host->machines) {
                                 m.state = stateAfter(m.pending, m.state);
                                 m.pending = QStringLiteral("pa_no_action");
                             }
                             return {reply};
                         });
    responder.setHandler(QStringLiteral("set_virtualization_center_add_new_esxisshhost"),
                         [w](const SimRequest& request) -> SimReplies {
                             const QString root = QStringLiteral("virtualization_center_add_new_host_result");
                             const QString failure = w->requestFailure(request.name);
                             if (!failure.isEmpty())
                                 return {ReplyBuilder::hostResult(root, -1, -1, true, failure)};
                             QList<SimWorld::VcHost> hosts = w->vcHostList();
                             SimWorld::VcHost host;
                             for (const SimWorld::VcHost& h : hosts) {
                                 if (h.type == host.type)
                                     host.id = qMax(host.id, h.id);
                             }
                             host.id += 1;
                             host.version = QStringLiteral("VMware ESXi 7.0.3");
                             applyHostFields(host, request);
                             hosts.append(host);
                             w->setVcHosts(hosts);
                             emit w->changed(request.name);
                             return {ReplyBuilder::hostResult(root, host.type, host.id, false)};
                         });
    responder.setHandler(QStringLiteral("set_virtualization_center_edit_host"),
                         [w](const SimRequest& request) -> SimReplies {
                             const QString root = QStringLiteral("virtualization_center_edit_host_result");
                             const int type = number(request, "type");
                             const int id = number(request, "id");
                             QString failure = w->requestFailure(request.name);
                             SimWorld::VcHost* host = w->vcHost(type, id);
                             if (failure.isEmpty() && !host)
                                 failure = QStringLiteral("No such host");
                             if (!failure.isEmpty())
                                 return {ReplyBuilder::hostResult(root, type, id, true, failure)};
                             applyHostFields(*host, request);
                             emit w->changed(request.name);
                             return {ReplyBuilder::hostResult(root, type, id, false)};
                         });
    // The service answers a removal with nothing of its own.
    responder.setHandler(QStringLiteral("set_virtualization_center_remove_host"),
                         [w](const SimRequest& request) -> SimReplies {
                             QList<SimWorld::VcHost> hosts = w->vcHostList();
                             const int type = number(request, "type");
                             const int id = number(request, "id");
                             for (int i = hosts.size() - 1; i >= 0; --i) {
                                 if (hosts.at(i).type == type && hosts.at(i).id == id)
                                     hosts.removeAt(i);
                             }
                             w->setVcHosts(hosts);
                             emit w->changed(request.name);
                             return {};
                         });
    responder.setHandler(QStringLiteral("set_virtualization_center_test_esxisshhost"),
                         [w](const SimRequest& request) -> SimReplies {
                             const QString root =
                                 QStringLiteral("virtualization_center_test_esxisshhost_result");
                             QString failure = w->requestFailure(request.name);
                             const SimWorld::VcHost* host = w->vcHost(1, number(request, "id"));
                             if (failure.isEmpty())
                                 failure = host ? host->testError : QStringLiteral("No such host");
                             return {ReplyBuilder::resultPair(root, !failure.isEmpty(), failure)};
                         });
}

// The targets of an action request: one selected_items element each.
QList<ReplyBuilder::Action::Target> targetsOf(const SimRequest& request)
{
    QList<ReplyBuilder::Action::Target> targets;
    for (const SimRequest::Child& child : request.children) {
        if (child.name != QLatin1String("selected_items"))
            continue;
        ReplyBuilder::Action::Target target;
        QXmlStreamReader reader(QStringLiteral("<t>") + child.inner + QStringLiteral("</t>"));
        while (reader.readNextStartElement() || !reader.atEnd()) {
            if (!reader.isStartElement())
                continue;
            if (reader.name() == QLatin1String("host_type"))
                target.hostType = reader.readElementText().toInt();
            else if (reader.name() == QLatin1String("host_id"))
                target.hostId = reader.readElementText().toInt();
            else if (reader.name() == QLatin1String("vm_id"))
                target.vmIds.append(reader.readElementText().toInt());
        }
        targets.append(target);
    }
    return targets;
}

ReplyBuilder::Action actionOf(const SimRequest& request)
{
    ReplyBuilder::Action action;
    action.name = request.value(QStringLiteral("name"));
    action.type = request.value(QStringLiteral("action_type"));
    action.applyToAllRunningVm =
        request.value(QStringLiteral("apply_to_all_running_vm")) == QLatin1String("1");
    action.powerOffHostsAfterVmShutdown =
        request.value(QStringLiteral("power_off_selected_hosts_after_vm_shutdown")) == QLatin1String("1");
    action.targets = targetsOf(request);
    return action;
}

// The replies to the changes of the management configuration and the actions:
// a result pair each, an error (and no change) when one is set for the request.
void installActionHandlers(SimWorld* w, SimResponder& responder)
{
    const auto result = [w](const SimRequest& request, const QString& root,
                            const std::function<void()>& change) -> SimReplies {
        const QString failure = w->requestFailure(request.name);
        if (failure.isEmpty()) {
            change();
            emit w->changed(request.name);
        }
        return {ReplyBuilder::resultPair(root, !failure.isEmpty(), failure)};
    };
    responder.setHandler(
        QStringLiteral("set_virtualization_center_host_management"),
        [w, result](const SimRequest& request) -> SimReplies {
            return result(request, QStringLiteral("virtualization_center_set_host_management_result"), [&] {
                ReplyBuilder::HostManagement m;
                m.managedFromInternalVm =
                    request.value(QStringLiteral("is_managed_from_internal_vm")) == QLatin1String("1");
                m.hostType = number(request, "host_type");
                m.hostId = number(request, "host_id");
                m.vmId = number(request, "vm_id");
                m.shutdownUpsWithMasterVm =
                    request.value(QStringLiteral("shutdown_ups_with_master_vm")) == QLatin1String("1");
                w->setHostManagement(m);
            });
        });
    responder.setHandler(
        QStringLiteral("set_virtualization_center_action_list_add"),
        [w, result](const SimRequest& request) -> SimReplies {
            return result(request, QStringLiteral("virtualization_center_action_list_add_result"), [&] {
                QList<ReplyBuilder::Action> actions = w->virtualizationCenterActions();
                ReplyBuilder::Action action = actionOf(request);
                action.id = 0;
                for (const ReplyBuilder::Action& a : actions)
                    action.id = qMax(action.id, a.id);
                action.id += 1;
                actions.append(action);
                w->setVirtualizationCenterActions(actions);
            });
        });
    responder.setHandler(
        QStringLiteral("set_virtualization_center_action_list_edit"),
        [w, result](const SimRequest& request) -> SimReplies {
            return result(request, QStringLiteral("virtualization_center_action_list_edit_result"), [&] {
                QList<ReplyBuilder::Action> actions = w->virtualizationCenterActions();
                const int id = number(request, "action_id");
                for (ReplyBuilder::Action& a : actions) {
                    if (a.id == id) {
                        a = actionOf(request);
                        a.id = id;
                    }
                }
                w->setVirtualizationCenterActions(actions);
            });
        });
    responder.setHandler(
        QStringLiteral("set_virtualization_center_action_list_delete"),
        [w, result](const SimRequest& request) -> SimReplies {
            return result(request, QStringLiteral("virtualization_center_action_list_delete_result"), [&] {
                QList<ReplyBuilder::Action> actions = w->virtualizationCenterActions();
                const int id = number(request, "id");
                for (int i = actions.size() - 1; i >= 0; --i) {
                    if (actions.at(i).id == id)
                        actions.removeAt(i);
                }
                w->setVirtualizationCenterActions(actions);
            });
        });
    responder.setHandler(QStringLiteral("set_virtualization_center_action_run"),
                         [w, result](const SimRequest& request) -> SimReplies {
                             return result(
                                 request, QStringLiteral("virtualization_center_action_run_result"), [&] {
                                     QSet<int> ids;
                                     QXmlStreamReader reader(request.raw);
                                     while (!reader.atEnd()) {
                                         if (reader.readNext() == QXmlStreamReader::StartElement &&
                                             reader.name() == QLatin1String("id"))
                                             ids.insert(reader.readElementText().toInt());
                                     }
                                     QList<SimWorld::VcHost> hosts = w->vcHostList();
                                     for (const ReplyBuilder::Action& a : w->virtualizationCenterActions()) {
                                         if (!ids.contains(a.id))
                                             continue;
                                         for (const ReplyBuilder::Action::Target& t : a.targets) {
                                             for (SimWorld::VcHost& h : hosts) {
                                                 if (h.type != t.hostType || h.id != t.hostId)
                                                     continue;
                                                 for (ReplyBuilder::Machine& m : h.machines) {
                                                     if (a.applyToAllRunningVm || t.vmIds.contains(m.id))
                                                         m.pending = pendingOf(a.type);
                                                 }
                                             }
                                         }
                                     }
                                     w->setVcHosts(hosts);
                                 });
                         });
}
} // namespace

void installVirtualizationHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    responder.setHandler(QStringLiteral("get_virtualization_center_enabled"),
                         [w](const SimRequest&) -> SimReplies {
                             return {ReplyBuilder::virtualizationCenterEnabled(w->vcEnabled)};
                         });
    responder.setHandler(QStringLiteral("get_virtualization_center_version"),
                         [w](const SimRequest&) -> SimReplies {
                             return {ReplyBuilder::virtualizationCenterVersion(QStringLiteral("1"))};
                         });
    responder.setHandler(
        QStringLiteral("get_virtualization_center_host_management"),
        [w](const SimRequest&) -> SimReplies { return {ReplyBuilder::hostManagement(w->vcManagement)}; });
    responder.setHandler(
        QStringLiteral("get_virtualization_center_action_list"),
        [w](const SimRequest&) -> SimReplies { return {ReplyBuilder::actionList(w->vcActions)}; });
    responder.setHandler(QStringLiteral("set_virtualization_center_enabled"),
                         [w](const SimRequest& request) -> SimReplies {
                             w->vcEnabled = request.text == QLatin1String("1");
                             emit w->changed(request.name);
                             return {ReplyBuilder::virtualizationCenterEnabled(w->vcEnabled)};
                         });
    installHostHandlers(w, responder);
    installActionHandlers(w, responder);
}

} // namespace LxSim
