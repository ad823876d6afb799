#pragma once

#include <QString>

// Replies of one poll cycle at a realistic size, shared by the reader tests and
// the link benchmark so both look at the same bytes.
namespace PollReplies {
// A device state of 100 parameters, some of them three-phase triples. Each round
// after 0 changes a few of the values, as the device's readings drift.
QString deviceState(int round = 0);
// A status list of `devices` devices, the first the master. Each round after 0
// moves one device's status on, the next device in turn.
QString statusList(int devices = 16, int round = 0);
} // namespace PollReplies
