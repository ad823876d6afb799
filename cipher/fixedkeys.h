#pragma once

#include <QtGlobal>

// The three keys shared with the service. Each is put together at run time from
// two 32-bit halves so that no whole key sits in the binary as one constant.
quint64 messageCipherKey();
quint64 computerPasswordCipherKey();
quint64 smtpPasswordCipherKey();
