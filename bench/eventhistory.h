#pragma once
// An event history as the service sends it, shared by the history's own
// benchmark and its hostile size in bench_hostile.
#include <QString>

namespace Bench {

// `records` records "code;month;day;hour;minute;second|", each differing from
// the one before it; another `shift` changes every record's code and second.
inline QString eventHistory(int records, int shift)
{
    QString events;
    events.reserve(records * 16);
    for (int i = 0; i < records; ++i)
        events += QStringLiteral("%1;%2;%3;%4;%5;%6|")
                      .arg(48 + (i + shift) % 34)
                      .arg(1 + i % 12)
                      .arg(1 + i % 28)
                      .arg(i % 24)
                      .arg(i % 60)
                      .arg((i + shift) % 60);
    return events;
}

} // namespace Bench
