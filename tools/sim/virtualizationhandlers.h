#pragma once

namespace LxSim {

class SimResponder;
class SimWorld;

// The virtualization centre.
// Adds the rows of these requests to the responder's table, answered from `world`.
void installVirtualizationHandlers(SimWorld& world, SimResponder& responder);

} // namespace LxSim
