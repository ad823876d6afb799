#pragma once

#include "link/upssocketcontroller.h"
#include "tests/support/servicerig.h"
#include "tools/sim/simrequest.h"

#include <QList>
#include <QString>

// The stand-in service with the virtualization centre's default world (two
// ESXi hosts and a host of another type) and a controller connected to it,
// logged in as the administrator. The tabs under test are built on `controller`.
class VcRig
{
public:
    VcRig();
    // Listens, connects and forgets the start-up requests; false when the link did not come up.
    bool start();

    // Waits until the stand-in holds every request sent so far (a window just
    // closed may still have some on the way), then forgets them all.
    bool settle();

    // The requests of one name that the stand-in received, oldest first.
    QList<LxSim::SimRequest> requests(const QString& name) const;
    int count(const QString& name) const { return requests(name).size(); }
    // Waits until `count` requests of that name have arrived.
    bool waitFor(const QString& name, int count = 1) const;
    // The whole text of a request as the panel sends it: `inner` follows `pass`.
    QString request(const QString& name, const QString& inner = QString()) const;
    // The map form: one line per entry, as the controller writes it.
    QString mapRequest(const QString& name, const QList<QPair<QString, QString>>& entries) const;
    // The names of the requests received so far, in order.
    QStringList names() const;

    ServiceRig rig;
    Luminorix::UpsSocketController controller;
};
