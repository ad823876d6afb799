#pragma once

#include <QByteArray>
#include <QList>
#include <QSignalSpy>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

// Spies on every signal that an object's class declares itself, to tell
// which fired and with what.
class SignalRecorder
{
public:
    // Signals named in `ignored` (connection-state signals, say) are not watched.
    explicit SignalRecorder(QObject& object, const QStringList& ignored = {});

    // "name:count" of every signal that fired, in declaration order.
    QStringList fired() const;
    // Emissions of all watched signals.
    int total() const;
    // The arguments of the first or last emission of `name`; empty when it did not fire.
    QList<QVariant> arguments(const QByteArray& name) const;
    QList<QVariant> lastArguments(const QByteArray& name) const;
    void clear();

private:
    const QSignalSpy* spy(const QByteArray& name) const;

    std::vector<QByteArray> m_names;
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};
