#pragma once

#include <QByteArray>
#include <QList>
#include <QSignalSpy>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace Luminorix {
class UpsSocketController;
}

// Spies on every signal of one controller.
class SignalRecorder
{
public:
    explicit SignalRecorder(Luminorix::UpsSocketController& controller);

    // "name:count" of every signal that fired, in declaration order.
    QStringList fired() const;
    // The arguments of the first emission of `name`.
    QList<QVariant> arguments(const QByteArray& name) const;

private:
    std::vector<QByteArray> m_names;
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};
