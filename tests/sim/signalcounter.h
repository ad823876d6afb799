#pragma once

#include <QSignalSpy>
#include <QStringList>
#include <memory>
#include <vector>

// Watches every signal a class declares itself and says which fired.
class SignalCounter
{
public:
    // Signals named in `ignored` (for example connection-state signals) are not watched.
    SignalCounter(QObject* object, const QStringList& ignored);

    int total() const;
    // "name xN" for each signal that fired.
    QStringList fired() const;
    // The arguments of the last emission of `name`; empty when it did not fire.
    QList<QVariant> lastCall(const QString& name) const;
    void clear();

private:
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QStringList names;
};
