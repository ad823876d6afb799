#include "signalrecorder.h"

#include "upssocketcontroller.h"

#include <QMetaMethod>

SignalRecorder::SignalRecorder(Luminorix::UpsSocketController& controller)
{
    const QMetaObject& meta = Luminorix::UpsSocketController::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        m_names.push_back(method.name());
        m_spies.emplace_back(new QSignalSpy(&controller, QByteArray("2") + method.methodSignature()));
    }
}

QStringList SignalRecorder::fired() const
{
    QStringList out;
    for (size_t i = 0; i < m_spies.size(); ++i) {
        if (m_spies[i]->count())
            out << QString::fromLatin1(m_names[i]) + QLatin1Char(':') + QString::number(m_spies[i]->count());
    }
    return out;
}

QList<QVariant> SignalRecorder::arguments(const QByteArray& name) const
{
    for (size_t i = 0; i < m_spies.size(); ++i) {
        if (m_names[i] == name && m_spies[i]->count())
            return m_spies[i]->first();
    }
    return {};
}
