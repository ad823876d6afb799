#include "virtualizationhandlers.h"

#include "replybuilder.h"
#include "simrequest.h"
#include "simresponder.h"
#include "simworld.h"

namespace LxSim {

void installVirtualizationHandlers(SimWorld& world, SimResponder& responder)
{
    SimWorld* w = &world;
    responder.setHandler(QStringLiteral("get_virtualization_center_enabled"),
                         [w](const SimRequest&) -> SimReplies {
                             return {ReplyBuilder::virtualizationCenterEnabled(w->vcEnabled)};
                         });
    responder.setHandler(QStringLiteral("get_virtualization_center_version"),
                         [](const SimRequest&) -> SimReplies {
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
}

} // namespace LxSim
