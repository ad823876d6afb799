#pragma once

#include "link/upssocketcontroller.h"
#include "tools/sim/simserver.h"
#include "tools/sim/simworld.h"

// The stand-in service on a free loopback port, and the panel's link pointed
// at it with short timings: the one set-up of every test that talks to the
// service over TCP.
class ServiceRig
{
public:
    using Timing = Luminorix::UpsSocketController::Timing;

    // Intervals that no test outlasts: a test drives ticks and retries by
    // calling the slots, with no timer beside it that could fire too.
    static Timing quietTiming();
    // Live but short intervals, for tests that let the link run by itself.
    static Timing shortTiming();

    ServiceRig();
    ~ServiceRig();
    ServiceRig(const ServiceRig&) = delete;
    ServiceRig& operator=(const ServiceRig&) = delete;

    // Answers from `world` (unless `answering` is false: the stand-in then
    // logs requests and answers nothing), on 127.0.0.1 and a free port.
    bool listen(bool answering = true);
    // Points `controller` at the stand-in with `timing`; it connects once it
    // starts reconnecting.
    void attach(Luminorix::UpsSocketController& controller, const Timing& timing) const;
    // Attaches with quiet timing, connects, and waits for the answers to the
    // start-up series and the first tick (the configuration comes last).
    bool connect(Luminorix::UpsSocketController& controller) const;
    // Begins the administrator's session on `controller` with the stand-in's
    // password, as a log-in does: an administrator dialog opens within one.
    void logIn(Luminorix::UpsSocketController& controller) const;

    // Waits until the stand-in has logged `count` requests, or has `count`
    // clients connected; false when that does not come in a generous while.
    bool waitForRequests(int count) const;
    // Waits until everything `controller` has sent so far has arrived: a request
    // sent now comes in behind it, since the link keeps its requests in order,
    // and is forgotten again. False when it does not come in a generous while.
    bool waitForAllSent(Luminorix::UpsSocketController& controller);
    bool waitForClients(int count) const;
    // The requests named `name` the stand-in has logged so far, oldest first.
    QList<LxSim::SimRequest> requests(const QString& name) const;

    LxSim::SimServer server;
    LxSim::SimWorld world;
};
