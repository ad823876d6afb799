#include "countdownclock.h"

#include "common/named.h"

#include <QTimer>

CountdownClock::CountdownClock(QObject* parent)
    : QObject(parent), timer(named(new QTimer(this), "clockTimer"))
{
    connect(timer, &QTimer::timeout, this, &CountdownClock::tick);
}

void CountdownClock::take(const QList<QPair<int, int>>& list)
{
    if (list.isEmpty()) {
        cancel();
        return;
    }
    for (const QPair<int, int>& entry : list) {
        if (entry.second < 0) {
            // A cancellation ends the message: what follows it is not looked at.
            countdowns.removeById(entry.first);
            return;
        }
        countdowns.findOrAdd(entry);
    }
    tick();
    timer->start(1000);
}

void CountdownClock::tick()
{
    const int seconds = countdowns.tick();
    if (seconds <= 0) {
        cancel();
        return;
    }
    emit secondsLeft(seconds);
}

void CountdownClock::cancel()
{
    timer->stop();
    emit cancelled();
    countdowns.clear();
}
