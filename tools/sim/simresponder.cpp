#include "simresponder.h"

namespace LxSim {

void SimResponder::setHandler(const QString& request, Handler handler)
{
    handlers.insert(request, std::move(handler));
}

void SimResponder::removeHandler(const QString& request)
{
    handlers.remove(request);
}

bool SimResponder::hasHandler(const QString& request) const
{
    return handlers.contains(request);
}

QStringList SimResponder::handledRequests() const
{
    QStringList names = handlers.keys();
    names.sort();
    return names;
}

void SimResponder::script(const QString& request, const SimReplies& replies)
{
    standing.insert(request, replies);
}

void SimResponder::scriptOnce(const QString& request, const SimReplies& replies)
{
    once[request].enqueue(replies);
}

void SimResponder::clearScript(const QString& request)
{
    standing.remove(request);
    once.remove(request);
}

void SimResponder::clearScripts()
{
    standing.clear();
    once.clear();
}

SimReplies SimResponder::respond(const SimRequest& request)
{
    if (!request.wellFormed)
        return {};
    auto queued = once.find(request.name);
    if (queued != once.end() && !queued->isEmpty()) {
        const SimReplies replies = queued->dequeue();
        if (queued->isEmpty())
            once.erase(queued);
        return replies;
    }
    const auto scripted = standing.constFind(request.name);
    if (scripted != standing.constEnd())
        return scripted.value();
    const auto handler = handlers.constFind(request.name);
    if (handler == handlers.constEnd())
        return {};
    return gateway ? gateway(request, handler.value()) : handler.value()(request);
}

} // namespace LxSim
