#include "settingshandlers.h"

#include "common/helpers.h"
#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

namespace LxSim {

namespace {
SimReplies testMailReports(SimWorld::SmtpTestOutcome outcome, const SimRequest& request,
                           const QString& failure)
{
    if (outcome == SimWorld::SmtpTestOutcome::Silence && failure.isEmpty())
        return {};
    const QString server = request.value(QStringLiteral("smtp2_server"));
    const QString port = request.value(QStringLiteral("smtp2_port"));
    const SimReply testing =
        ReplyBuilder::smtpTestStatus(1, {QStringLiteral("Connecting to %1:%2").arg(server, port)});
    if (outcome == SimWorld::SmtpTestOutcome::Success && failure.isEmpty()) {
        const QString sender = request.value(QStringLiteral("smtp2_sender_address"));
        return {testing,
                SimReply(ReplyBuilder::smtpTestStatus(
                             100, {QStringLiteral("250 2.0.0 OK: test message sent to %1").arg(sender)}),
                         SimWorld::smtpTestReportDelayMs)};
    }
    const QString reason =
        failure.isEmpty() ? QStringLiteral("535 5.7.8 Authentication credentials invalid") : failure;
    return {testing, SimReply(ReplyBuilder::smtpTestStatus(3, {reason}), SimWorld::smtpTestReportDelayMs)};
}
} // namespace

void installSettingsHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    responder.setHandler(QStringLiteral("get_password"), [w](const SimRequest&) -> SimReplies {
        return {ReplyBuilder::password(w->adminPasswordDigest)};
    });
    responder.setHandler(QStringLiteral("change_password"), [w](const SimRequest& request) -> SimReplies {
        w->adminPasswordDigest = hashPassword(request.value(QStringLiteral("new_password")));
        emit w->changed(request.name);
        return {ReplyBuilder::adminPasswordChanged()};
    });
    responder.setHandler(
        QStringLiteral("get_application_configuration"), [w](const SimRequest&) -> SimReplies {
            return {ReplyBuilder::flat(QStringLiteral("application_configuration"), w->appConfiguration)};
        });
    responder.setHandler(QStringLiteral("application_configuration"),
                         [w](const SimRequest& request) -> SimReplies {
                             for (auto& entry : w->appConfiguration) {
                                 const QStringList sent = request.values(entry.first);
                                 if (!sent.isEmpty())
                                     entry.second = sent.last();
                             }
                             emit w->changed(request.name);
                             return {};
                         });
    responder.setHandler(QStringLiteral("smtp2_send_test_mail"),
                         [w](const SimRequest& request) -> SimReplies {
                             return testMailReports(w->smtpOutcome, request, w->requestFailure(request.name));
                         });
}

} // namespace LxSim
