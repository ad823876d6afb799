#pragma once

#include <QString>

// Replies of one poll cycle at a realistic size, shared by the reader tests and
// the link benchmark so both look at the same bytes.
namespace PollReplies {
// A device state of 100 parameters, some of them three-phase triples.
QString deviceState();
// A status list of 16 devices, the first the master.
QString statusList();
} // namespace PollReplies
