#include "vcrig.h"

#include <QtTest>

VcRig::VcRig()
{
    controller.setPassword(rig.world.adminDigest());
}

bool VcRig::start()
{
    if (!rig.listen() || !rig.connect(controller))
        return false;
    rig.server.clearRequests();
    return true;
}

bool VcRig::settle()
{
    if (!rig.waitForAllSent(controller))
        return false;
    rig.server.clearRequests();
    return true;
}

QList<LxSim::SimRequest> VcRig::requests(const QString& name) const
{
    return rig.requests(name);
}

bool VcRig::waitFor(const QString& name, int wanted) const
{
    return QTest::qWaitFor([&] { return count(name) >= wanted; }, 20000);
}

QString VcRig::request(const QString& name, const QString& inner) const
{
    return QStringLiteral("<%1><pass>%2</pass>%3</%1>").arg(name, rig.world.adminDigest(), inner);
}

QString VcRig::mapRequest(const QString& name, const QList<QPair<QString, QString>>& entries) const
{
    QString inner;
    for (const auto& e : entries)
        inner += QStringLiteral("<%1>%2</%1>\n").arg(e.first, e.second);
    return request(name, inner);
}

QStringList VcRig::names() const
{
    QStringList out;
    for (const LxSim::SimRequest& r : rig.server.requests())
        out.append(r.name);
    return out;
}
