#pragma once

#include <QString>
#include <QVector>

// Lower-case hex MD5 of the UTF-8 text: the only form in which the
// administrator password is held or sent.
QString hashPassword(const QString& text);

// Replaces & (first, so later entities stay intact), ", ', < and > by entities.
QString escapeXml(const QString& text);

// Blocks the calling thread without processing events. A negative time is
// taken as 0.
void waitMilliseconds(int ms);

// Sorts `ids` ascending and returns the first gap in 0, 1, 2, ..., or the
// count when there is none.
int firstFreeId(QVector<int>& ids);

// "°C", the unit of every temperature shown.
const QString& degreeCelsiusUnit();
