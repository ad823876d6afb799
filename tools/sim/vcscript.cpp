#include "vcscript.h"

#include <QRegularExpression>

namespace LxSim {

const QString VcScript::defaultFailure = QStringLiteral("Refused by the stand-in");

QStringList VcScript::failableRequests()
{
    return {QStringLiteral("set_virtualization_center_add_new_esxisshhost"),
            QStringLiteral("set_virtualization_center_edit_host"),
            QStringLiteral("set_virtualization_center_test_esxisshhost"),
            QStringLiteral("set_virtualization_center_host_management"),
            QStringLiteral("set_virtualization_center_action_list_add"),
            QStringLiteral("set_virtualization_center_action_list_edit"),
            QStringLiteral("set_virtualization_center_action_list_delete"),
            QStringLiteral("set_virtualization_center_action_run")};
}

bool VcScript::parseFail(const QString& text, QString* request, QString* errorText)
{
    const int equals = text.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? text : text.left(equals);
    if (!failableRequests().contains(name))
        return false;
    const QString given = equals < 0 ? QString() : text.mid(equals + 1);
    *request = name;
    *errorText = given.isEmpty() ? defaultFailure : given;
    return true;
}

bool VcScript::parseDelay(const QString& text, QString* request, int* ms)
{
    static const QRegularExpression form(QStringLiteral("^([gs]et_virtualization_center_\\w+)=(\\d+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const int value = match.captured(2).toInt(&ok);
    if (!ok)
        return false;
    *request = match.captured(1);
    *ms = value;
    return true;
}

bool VcScript::parseHostGrid(const QString& text, int* hosts, int* machines)
{
    static const QRegularExpression form(QStringLiteral("^(\\d+)[x\u00d7](\\d+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    bool hostsOk = false;
    bool machinesOk = false;
    const int n = match.captured(1).toInt(&hostsOk);
    const int m = match.captured(2).toInt(&machinesOk);
    // The service numbers hosts and machines in ints; a grid beyond ten million
    // rows would only exhaust the memory.
    if (!hostsOk || !machinesOk || qint64(n) * qMax(1, m) > 10000000)
        return false;
    *hosts = n;
    *machines = m;
    return true;
}

QList<SimWorld::VcHost> VcScript::hostGrid(int hosts, int machines)
{
    QList<SimWorld::VcHost> out;
    out.reserve(hosts);
    QList<ReplyBuilder::Machine> vms;
    vms.reserve(machines);
    for (int m = 1; m <= machines; ++m)
        vms.append(ReplyBuilder::Machine{m, QStringLiteral("VM %1").arg(m)});
    for (int h = 1; h <= hosts; ++h) {
        SimWorld::VcHost host;
        host.id = h;
        host.name = QStringLiteral("Host %1").arg(h);
        host.address = QStringLiteral("host-%1.lab.local").arg(h);
        host.userName = QStringLiteral("root");
        host.version = QStringLiteral("7.0");
        host.machines = vms; // shared until written
        out.append(host);
    }
    return out;
}

QString VcScript::apply(SimWorld& world, const QStringList& fails, const QStringList& delays,
                        const QString& hostGridText)
{
    for (const QString& text : fails) {
        QString request;
        QString errorText;
        if (!parseFail(text, &request, &errorText))
            return QStringLiteral("--fail %1: expected REQUEST[=TEXT] with REQUEST one of %2")
                .arg(text, failableRequests().join(QStringLiteral(", ")));
        world.failVcRequest(request, errorText);
    }
    for (const QString& text : delays) {
        QString request;
        int ms = 0;
        if (!parseDelay(text, &request, &ms))
            return QStringLiteral(
                       "--delay %1: expected REQUEST=MS, e.g. get_virtualization_center_host_list=3000")
                .arg(text);
        world.delayVcRequest(request, ms);
    }
    if (!hostGridText.isEmpty()) {
        int hosts = 0;
        int machines = 0;
        if (!parseHostGrid(hostGridText, &hosts, &machines))
            return QStringLiteral(
                       "--vc-hosts %1: expected N\u00d7M or NxM (hosts by machines), e.g. 100000x0")
                .arg(hostGridText);
        world.setVcHosts(hostGrid(hosts, machines));
    }
    return QString();
}

} // namespace LxSim
