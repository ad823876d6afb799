#pragma once

namespace LxSim {

class SimResponder;
class SimWorld;

// Networked computers, their groups and events, and the net-client passwords.
// Adds the rows of these requests to the responder's table, answered from `world`.
void installNetworkHandlers(SimWorld& world, SimResponder& responder);

} // namespace LxSim
