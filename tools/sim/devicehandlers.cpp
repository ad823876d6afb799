#include "devicehandlers.h"

#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

namespace LxSim {

namespace {
// The stand-in's parallel-capable family: the units a virtual UPS is made of.
bool runsInParallel(const QString& model)
{
    return model.startsWith(QLatin1String("HarrierRT_6_10"));
}

// A unit joining the parallel bus takes the lowest address no other unit has.
void placeOnParallelBus(SimDevice& d, const QList<SimDevice>& devices)
{
    d.parallel_unit = runsInParallel(d.model_name);
    if (!d.parallel_unit) {
        d.unit_address.clear();
        return;
    }
    if (!d.unit_address.isEmpty())
        return;
    QStringList taken;
    for (const SimDevice& other : devices) {
        if (other.id != d.id && other.parallel_unit)
            taken << other.unit_address;
    }
    int address = 1;
    while (taken.contains(QString::number(address)))
        ++address;
    d.unit_address = QString::number(address);
}
} // namespace

void installDeviceHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    responder.setHandler(QStringLiteral("set_ups_configuration"),
                         [w](const SimRequest& request) -> SimReplies {
                             SimDevice* d = w->currentDevice(request);
                             if (!d)
                                 return {};
                             for (const SimRequest::Child& c : request.children)
                                 d->configuration.insert(c.name, c.text);
                             emit w->changed(request.name);
                             return {};
                         });
    responder.setHandler(QStringLiteral("set_new_ups"), [w](const SimRequest& request) -> SimReplies {
        SimDevice d;
        d.applyRecord(request);
        d.applyLogSettings(request);
        // Identifiers are the service's to give.
        d.id = w->nextFreeId();
        d.fillDefaults();
        placeOnParallelBus(d, w->deviceList);
        w->deviceList.append(d);
        emit w->changed(request.name);
        return {ReplyBuilder::modelList(w->deviceList)};
    });
    responder.setHandler(QStringLiteral("change_ups"), [w](const SimRequest& request) -> SimReplies {
        SimDevice* d = w->device(request.value(QStringLiteral("id")));
        if (!d)
            return {};
        const QString oldModel = d->model_name;
        const QString oldCommunication = d->communication;
        d->applyRecord(request);
        if (d->model_name != oldModel || d->communication != oldCommunication)
            d->fillDefaults();
        if (d->model_name != oldModel)
            placeOnParallelBus(*d, w->deviceList);
        // The panel agreed that the device's events go back to the defaults.
        if (request.value(QStringLiteral("reset_events_request")) == QLatin1String("1")) {
            w->groupsByUps.remove(d->id);
            w->eventsByUps.remove(d->id);
        }
        emit w->changed(request.name);
        return {ReplyBuilder::modelList(w->deviceList)};
    });
    responder.setHandler(QStringLiteral("change_log_config"), [w](const SimRequest& request) -> SimReplies {
        SimDevice* d = w->device(request.value(QStringLiteral("id")));
        if (!d)
            return {};
        d->applyLogSettings(request);
        emit w->changed(request.name);
        return {ReplyBuilder::modelList(w->deviceList)};
    });
    responder.setHandler(QStringLiteral("remove_ups"), [w](const SimRequest& request) -> SimReplies {
        const QString id = request.value(QStringLiteral("id"));
        bool removed = false;
        for (int i = 0; i < w->deviceList.size(); ++i) {
            if (w->deviceList[i].id == id) {
                w->deviceList.removeAt(i);
                removed = true;
                break;
            }
        }
        if (!removed)
            return {};
        // A removed unit is no longer a member of any virtual UPS.
        for (SimDevice& d : w->deviceList)
            d.phy_ids.removeAll(id);
        w->groupsByUps.remove(id);
        w->eventsByUps.remove(id);
        emit w->changed(request.name);
        return {ReplyBuilder::modelList(w->deviceList)};
    });
}

} // namespace LxSim
