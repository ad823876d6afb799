#include "servicerig.h"

#include <QSignalSpy>
#include <QtTest>

ServiceRig::Timing ServiceRig::quietTiming()
{
    Timing t;
    t.reconnectMs = 600000;
    t.pollMs = 600000;
    t.startupPauseMs = 0;
    t.answerMs = 600000;
    t.silenceMs = 600000;
    return t;
}

ServiceRig::Timing ServiceRig::shortTiming()
{
    Timing t;
    t.reconnectMs = 100;
    t.pollMs = 40;
    t.startupPauseMs = 0;
    // The stand-in answers; a loaded machine must not make it look silent.
    t.answerMs = 600000;
    t.silenceMs = 600000;
    return t;
}

ServiceRig::ServiceRig()
{
    world.setDriftInterval(0);
}

ServiceRig::~ServiceRig()
{
    server.stop();
}

bool ServiceRig::listen(bool answering)
{
    if (answering)
        world.install(server.responder());
    return server.listen(QHostAddress::LocalHost, 0);
}

void ServiceRig::attach(Luminorix::UpsSocketController& controller, const Timing& timing) const
{
    controller.setHost(QStringLiteral("127.0.0.1"));
    controller.setPort(server.port());
    controller.setTiming(timing);
}

bool ServiceRig::connect(Luminorix::UpsSocketController& controller) const
{
    attach(controller, quietTiming());
    QSignalSpy configuration(&controller, &Luminorix::UpsSocketController::upsConfiguration);
    controller.startReconnecting();
    return QTest::qWaitFor([&] { return !configuration.isEmpty(); }, 20000);
}

void ServiceRig::logIn(Luminorix::UpsSocketController& controller) const
{
    controller.setPassword(world.adminDigest());
}

bool ServiceRig::waitForRequests(int count) const
{
    return QTest::qWaitFor([&] { return server.requests().size() >= count; }, 20000);
}

bool ServiceRig::waitForAllSent(Luminorix::UpsSocketController& controller)
{
    // Only the main window listens to the version, and it is asked for at every start.
    const QString fence = QStringLiteral("get_service_version");
    const int before = server.requests().size();
    controller.getServiceVersion();
    int at = -1;
    const bool arrived = QTest::qWaitFor(
        [&] {
            const QList<LxSim::SimRequest> log = server.requests();
            for (int i = qMin(before, log.size()); i < log.size() && at < 0; ++i) {
                if (log.at(i).name == fence)
                    at = i;
            }
            return at >= 0;
        },
        20000);
    if (arrived)
        server.forgetRequest(at);
    return arrived;
}

bool ServiceRig::waitForClients(int count) const
{
    return QTest::qWaitFor([&] { return server.clientCount() == count; }, 20000);
}

QList<LxSim::SimRequest> ServiceRig::requests(const QString& name) const
{
    QList<LxSim::SimRequest> found;
    for (const LxSim::SimRequest& request : server.requests()) {
        if (request.name == name)
            found.append(request);
    }
    return found;
}
