#include "countdownlist.h"

#include <algorithm>

void CountdownList::clear()
{
    entries.clear();
}

void CountdownList::removeById(int id)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).first == id) {
            entries.removeAt(i);
            return;
        }
    }
}

void CountdownList::findOrAdd(QPair<int, int> entry)
{
    for (const QPair<int, int>& existing : qAsConst(entries)) {
        if (existing.first == entry.first)
            return;
    }
    entries.append(entry);
}

int CountdownList::tick()
{
    if (entries.isEmpty())
        return 0;
    int smallest = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const int left = --entries[i].second;
        smallest = i == 0 ? left : std::min(smallest, left);
    }
    return smallest;
}
