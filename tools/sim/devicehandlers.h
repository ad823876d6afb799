#pragma once

namespace LxSim {

class SimResponder;
class SimWorld;

// UPS device configuration: adding, changing and removing devices and setting their parameters.
// Adds the rows of these requests to the responder's table, answered from `world`.
void installDeviceHandlers(SimWorld& world, SimResponder& responder);

} // namespace LxSim
