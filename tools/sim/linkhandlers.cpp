#include "linkhandlers.h"

#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

namespace LxSim {

void installLinkHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    // Start-up series.
    responder.setHandler(QStringLiteral("get_ups_model_list"), [w](const SimRequest&) -> SimReplies {
        return {ReplyBuilder::modelList(w->deviceList)};
    });
    responder.setHandler(QStringLiteral("get_available_ports"), [w](const SimRequest&) -> SimReplies {
        return {ReplyBuilder::availablePorts(w->ports())};
    });
    responder.setHandler(QStringLiteral("get_debugging_status"), [w](const SimRequest&) -> SimReplies {
        return {ReplyBuilder::debugging(w->debugging)};
    });
    responder.setHandler(QStringLiteral("get_service_version"), [w](const SimRequest&) -> SimReplies {
        return {ReplyBuilder::serviceVersion(w->serviceVersionText)};
    });
    responder.setHandler(QStringLiteral("get_shutdown_timers"), [w](const SimRequest&) -> SimReplies {
        return {ReplyBuilder::showCountdown(w->shutdownTimers)};
    });

    // Poll.
    responder.setHandler(
        QStringLiteral("get_ups_configuration"), [w](const SimRequest& request) -> SimReplies {
            SimDevice::Entries entries;
            if (const SimDevice* d = w->currentDevice(request)) {
                for (auto it = d->configuration.constBegin(); it != d->configuration.constEnd(); ++it)
                    entries.append({it.key(), it.value()});
            }
            return {ReplyBuilder::configuration(entries, w->parameterLayout)};
        });
    responder.setHandler(QStringLiteral("get_ups_current_status_list"), [w](const SimRequest&) -> SimReplies {
        w->churnStatuses();
        return {ReplyBuilder::statusList(w->deviceList)};
    });
    responder.setHandler(
        QStringLiteral("get_ups_device_state"), [w](const SimRequest& request) -> SimReplies {
            const SimDevice* d = w->currentDevice(request);
            if (!d)
                return {ReplyBuilder::deviceState({}, false, false, w->parameterLayout)};
            return {ReplyBuilder::deviceState(d->deviceState(), d->connected, true, w->parameterLayout)};
        });

    // Which device the state and the configuration are about, per client.
    responder.setHandler(QStringLiteral("change_device_on_interface"),
                         [w](const SimRequest& request) -> SimReplies {
                             const QString id = request.value(QStringLiteral("id"));
                             if (w->device(id))
                                 w->selections.insert(request.connection, id);
                             return {};
                         });
}

} // namespace LxSim
