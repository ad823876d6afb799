#pragma once

namespace LxSim {

class SimResponder;
class SimWorld;

// Administrator password, application settings and the test mail.
// Adds the rows of these requests to the responder's table, answered from `world`.
void installSettingsHandlers(SimWorld& world, SimResponder& responder);

} // namespace LxSim
