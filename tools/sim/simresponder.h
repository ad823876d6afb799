#pragma once

#include "simreply.h"
#include "simrequest.h"

#include <QHash>
#include <QQueue>
#include <QString>
#include <functional>

namespace LxSim {

// Decides what the stand-in answers, by request name. A table of default
// handlers (the demo world installs its own) with scripted answers on top:
// a script given for a request name replaces the handler for as long as it
// stands; a one-shot script answers only the next request of that name.
class SimResponder
{
public:
    using Handler = std::function<SimReplies(const SimRequest&)>;
    // Stands between every handled request and its handler: it may answer in
    // the handler's place or change what the handler answers.
    using Gate = std::function<SimReplies(const SimRequest&, const Handler&)>;

    void setHandler(const QString& request, Handler handler);
    void removeHandler(const QString& request);
    bool hasHandler(const QString& request) const;
    QStringList handledRequests() const;
    void setGate(Gate gate) { gateway = std::move(gate); }

    // Every later `request` is answered with `replies`, in order (an empty
    // list: no answer at all).
    void script(const QString& request, const SimReplies& replies);
    // Only the next `request` is answered with `replies`; several calls queue up.
    void scriptOnce(const QString& request, const SimReplies& replies);
    void clearScript(const QString& request);
    void clearScripts();

    // What to send for `request`; nothing for a request that did not parse or
    // that nobody handles.
    SimReplies respond(const SimRequest& request);

private:
    QHash<QString, Handler> handlers;
    QHash<QString, SimReplies> standing;
    QHash<QString, QQueue<SimReplies>> once;
    Gate gateway;
};

} // namespace LxSim
