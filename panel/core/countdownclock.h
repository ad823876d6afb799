#pragma once

#include "countdownlist.h"

#include <QList>
#include <QObject>
#include <QPair>

class QTimer;

// The shutdown countdowns the service announces, counted down here once a second
// between its messages; what is shown is the smallest time left.
class CountdownClock : public QObject
{
    Q_OBJECT

public:
    explicit CountdownClock(QObject* parent = nullptr);

    // A message of the service: (countdown id, seconds) entries. An empty one ends
    // every countdown; a negative time ends that id's and the message with it.
    void take(const QList<QPair<int, int>>& list);
    // One second passes; at zero every countdown ends.
    void tick();
    void cancel();

signals:
    void secondsLeft(int seconds);
    void cancelled();

private:
    QTimer* timer;
    CountdownList countdowns;
};
