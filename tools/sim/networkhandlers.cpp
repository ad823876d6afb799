#include "networkhandlers.h"

#include "helpers.h"
#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

namespace LxSim {

void installNetworkHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    responder.setHandler(QStringLiteral("get_netclient_pass"), [w](const SimRequest& request) -> SimReplies {
        const QString address = request.value(QStringLiteral("netclient_address"));
        return {ReplyBuilder::netclientPassword(hashPassword(w->netclientPasswords.value(address)))};
    });
    responder.setHandler(QStringLiteral("change_netclient_password"),
                         [w](const SimRequest& request) -> SimReplies {
                             w->netclientPasswords.insert(request.value(QStringLiteral("netclient_address")),
                                                          request.value(QStringLiteral("password")));
                             emit w->changed(request.name);
                             return {ReplyBuilder::netclientPasswordChanged()};
                         });
    responder.setHandler(
        QStringLiteral("get_network_configuration"), [w](const SimRequest& request) -> SimReplies {
            // Sent back as the panel stored them: the reply trees are the request trees.
            const QString id = request.value(QStringLiteral("id"));
            const QString idElement =
                QStringLiteral("<ups_id>%1</ups_id>").arg(QString::fromUtf8(ReplyBuilder::escape(id)));
            return {QByteArray("<groups>") + w->groupsByUps.value(id, idElement).toUtf8() + "</groups>",
                    QByteArray("<events>") + w->eventsByUps.value(id, idElement).toUtf8() + "</events>",
                    QByteArray("<all_computers>") + w->computers.toUtf8() + "</all_computers>"};
        });
    responder.setHandler(QStringLiteral("groups"), [w](const SimRequest& request) -> SimReplies {
        w->groupsByUps.insert(request.value(QStringLiteral("ups_id")), request.payload());
        emit w->changed(request.name);
        return {};
    });
    responder.setHandler(QStringLiteral("events"), [w](const SimRequest& request) -> SimReplies {
        w->eventsByUps.insert(request.value(QStringLiteral("ups_id")), request.payload());
        emit w->changed(request.name);
        return {};
    });
    responder.setHandler(QStringLiteral("all_computers"), [w](const SimRequest& request) -> SimReplies {
        w->computers = request.payload();
        emit w->changed(request.name);
        return {};
    });
}

} // namespace LxSim
