#pragma once

namespace LxSim {

class SimResponder;
class SimWorld;

// The service link's own rows: the start-up series, the poll and the choice of the device it reports.
// Adds the rows of these requests to the responder's table, answered from `world`.
void installLinkHandlers(SimWorld& world, SimResponder& responder);

} // namespace LxSim
