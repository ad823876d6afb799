#include "simscript.h"

#include <QRegularExpression>

namespace LxSim {

const QString SimScript::defaultFailure = QStringLiteral("Refused by the stand-in");

bool SimScript::parseFail(const QString& text, QString* request, QString* errorText)
{
    const int equals = text.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? text : text.left(equals);
    if (!SimWorld::handledRequests().contains(name))
        return false;
    const QString given = equals < 0 ? QString() : text.mid(equals + 1);
    *request = name;
    *errorText = given.isEmpty() ? defaultFailure : given;
    return true;
}

bool SimScript::parseDelay(const QString& text, QString* request, int* ms)
{
    static const QRegularExpression form(QStringLiteral("^(\\w+)=(\\d+)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || !SimWorld::handledRequests().contains(match.captured(1)))
        return false;
    bool ok = false;
    const int value = match.captured(2).toInt(&ok);
    if (!ok)
        return false;
    *request = match.captured(1);
    *ms = value;
    return true;
}

QString SimScript::refusalForms()
{
    QStringList results;
    QStringList administrative;
    for (const QString& name : SimWorld::handledRequests()) {
        if (SimWorld::refusalOf(name) == SimWorld::Refusal::ErrorResult)
            results << name;
        else if (SimWorld::refusalOf(name) == SimWorld::Refusal::WrongPassword)
            administrative << name;
    }
    return QStringLiteral("Its result reports TEXT and nothing changes: %1. Refused as with a wrong "
                          "administrator password (nothing changes, nothing "
                          "is answered): %2. "
                          "Any other request has no refusal of its own: it goes unanswered.")
        .arg(results.join(QStringLiteral(", ")), administrative.join(QStringLiteral(", ")));
}

bool SimScript::parseHostGrid(const QString& text, int* hosts, int* machines)
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

QList<SimWorld::VcHost> SimScript::hostGrid(int hosts, int machines)
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

QString SimScript::apply(SimWorld& world, const QStringList& fails, const QStringList& delays,
                         const QString& hostGridText)
{
    for (const QString& text : fails) {
        QString request;
        QString errorText;
        if (!parseFail(text, &request, &errorText))
            return QStringLiteral("--fail %1: expected REQUEST[=TEXT] with REQUEST one of %2")
                .arg(text, SimWorld::handledRequests().join(QStringLiteral(", ")));
        world.failRequest(request, errorText);
    }
    for (const QString& text : delays) {
        QString request;
        int ms = 0;
        if (!parseDelay(text, &request, &ms))
            return QStringLiteral("--delay %1: expected REQUEST=MS with REQUEST one of %2, e.g. "
                                  "get_ups_device_state=3000")
                .arg(text, SimWorld::handledRequests().join(QStringLiteral(", ")));
        world.delayRequest(request, ms);
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
