#include "networkhandlers.h"

#include "common/helpers.h"
#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

#include <QRegularExpression>

namespace LxSim {

namespace {
// The computers as the panel stored them, less the one whose id is `id`.
QString withoutComputer(const QString& computers, int id)
{
    static const QRegularExpression entry(QStringLiteral("<computer>.*?</computer>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression idElement(
        QStringLiteral("<computer_configId>\\s*(-?\\d+)\\s*</computer_configId>"));
    QString kept;
    QRegularExpressionMatchIterator it = entry.globalMatch(computers);
    while (it.hasNext()) {
        const QString one = it.next().captured(0);
        const QRegularExpressionMatch found = idElement.match(one);
        if (!found.hasMatch() || found.captured(1).toInt() != id)
            kept += one;
    }
    return kept;
}
} // namespace

void installNetworkHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    responder.setHandler(QStringLiteral("get_netclient_pass"), [w](const SimRequest& request) -> SimReplies {
        if (w->netclientSilent)
            return {};
        if (!w->fixedNetclientDigest.isEmpty())
            return {ReplyBuilder::netclientPassword(w->fixedNetclientDigest)};
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
            SimReplies replies;
            for (const QString& name : w->networkReplies) {
                QString body;
                if (name == QLatin1String("groups"))
                    body = w->groupsByUps.value(id, idElement);
                else if (name == QLatin1String("events"))
                    body = w->eventsByUps.value(id, idElement);
                else if (name == QLatin1String("all_computers"))
                    body = w->computers;
                else
                    continue;
                replies.append(QStringLiteral("<%1>%2</%1>").arg(name, body).toUtf8());
            }
            return replies;
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
    // The service forgets the computer at once; the groups that named it are
    // the panel's to send again.
    responder.setHandler(QStringLiteral("remove_computer"), [w](const SimRequest& request) -> SimReplies {
        w->computers = withoutComputer(w->computers, request.value(QStringLiteral("id")).toInt());
        emit w->changed(request.name);
        return {};
    });
}

} // namespace LxSim
