#pragma once

#include <QByteArray>
#include <QList>

namespace LxSim {

// One frame the stand-in sends: its plain text (any bytes, so tests can send
// broken XML) and how long to hold it back.
struct SimReply
{
    SimReply() = default;
    SimReply(const QByteArray& text, int delayMs = 0) : text(text), delayMs(delayMs) {}
    SimReply(const char* text, int delayMs = 0) : text(text), delayMs(delayMs) {}

    QByteArray text;
    int delayMs = 0;
};

using SimReplies = QList<SimReply>;

} // namespace LxSim
