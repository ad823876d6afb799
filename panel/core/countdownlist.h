#pragma once

#include <QList>
#include <QPair>

// Pending shutdown countdowns as (countdown id, remaining seconds), counted
// down by the main window itself once per second. Ids are unique.
class CountdownList
{
public:
    CountdownList() = default;

    void clear();
    void removeById(int id);
    // A countdown already running keeps its own count.
    void findOrAdd(QPair<int, int> entry);
    // One second passes for every entry; returns the smallest remaining time,
    // or 0 for an empty list.
    int tick();

    const QList<QPair<int, int>>& list() const { return entries; }
    bool isEmpty() const { return entries.isEmpty(); }

private:
    QList<QPair<int, int>> entries;
};
