#include "signalrecorder.h"

#include <QMetaMethod>

SignalRecorder::SignalRecorder(QObject& object, const QStringList& ignored)
{
    const QMetaObject* meta = object.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal ||
            ignored.contains(QString::fromLatin1(method.name())))
            continue;
        m_names.push_back(method.name());
        // QSignalSpy takes the SIGNAL() form: a '2' before the signature.
        m_spies.emplace_back(new QSignalSpy(&object, QByteArray("2") + method.methodSignature()));
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

int SignalRecorder::total() const
{
    int sum = 0;
    for (const auto& s : m_spies)
        sum += s->count();
    return sum;
}

const QSignalSpy* SignalRecorder::spy(const QByteArray& name) const
{
    for (size_t i = 0; i < m_spies.size(); ++i) {
        if (m_names[i] == name)
            return m_spies[i].get();
    }
    return nullptr;
}

QList<QVariant> SignalRecorder::arguments(const QByteArray& name) const
{
    const QSignalSpy* s = spy(name);
    return s && !s->isEmpty() ? s->first() : QList<QVariant>();
}

QList<QVariant> SignalRecorder::lastArguments(const QByteArray& name) const
{
    const QSignalSpy* s = spy(name);
    return s && !s->isEmpty() ? s->last() : QList<QVariant>();
}

void SignalRecorder::clear()
{
    for (auto& s : m_spies)
        s->clear();
}
