#include "signalcounter.h"

#include <QMetaMethod>

SignalCounter::SignalCounter(QObject* object, const QStringList& ignored)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal ||
            ignored.contains(QString::fromLatin1(method.name())))
            continue;
        // QSignalSpy takes the SIGNAL() form: a '2' before the signature.
        const QByteArray signature = "2" + method.methodSignature();
        spies.push_back(std::make_unique<QSignalSpy>(object, signature.constData()));
        names.append(QString::fromLatin1(method.name()));
    }
}

int SignalCounter::total() const
{
    int sum = 0;
    for (const auto& spy : spies)
        sum += spy->count();
    return sum;
}

QStringList SignalCounter::fired() const
{
    QStringList out;
    for (size_t i = 0; i < spies.size(); ++i) {
        if (spies[i]->count() > 0)
            out.append(QStringLiteral("%1 x%2").arg(names[int(i)]).arg(spies[i]->count()));
    }
    return out;
}

QList<QVariant> SignalCounter::lastCall(const QString& name) const
{
    const int i = names.indexOf(name);
    if (i < 0 || spies[size_t(i)]->isEmpty())
        return {};
    return spies[size_t(i)]->last();
}

void SignalCounter::clear()
{
    for (auto& spy : spies)
        spy->clear();
}
