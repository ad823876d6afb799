#pragma once

#include <QString>

namespace LxTest {
// A loopback port that nothing listens on (it was free a moment ago).
quint16 closedLoopbackPort();
// The same as "127.0.0.1:<port>", as a host setting.
QString closedLoopbackHost();
} // namespace LxTest
