#pragma once

namespace LxSim {

class SimResponder;
class SimWorld;

// The UPS logs: pages of the parameters, messages and compensation logs of the
// client's current device, paged with "first", "newer" and "older" from a
// position kept per client and log, which clear_logs_cache drops. The log
// settings themselves travel with change_log_config (devicehandlers).
void installLogHandlers(SimWorld& world, SimResponder& responder);

} // namespace LxSim
