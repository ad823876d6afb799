#include "parametervalue.h"

// A value may be as long as the reply that carried it: each reading looks at
// what it needs and no more, never splitting the whole value.
namespace {
const QChar separator(QLatin1Char(';'));
} // namespace

bool ParameterValue::isOn(const QString& value)
{
    return value.toInt(nullptr, 10) != 0;
}

QString ParameterValue::fromCheckBox(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

QString ParameterValue::currentItem(const QString& value)
{
    return value.left(value.indexOf(separator));
}

QStringList ParameterValue::choices(const QString& value, int limit)
{
    QStringList items;
    int from = value.indexOf(separator);
    while (from >= 0 && (limit < 0 || items.size() < limit)) {
        const int next = value.indexOf(separator, from + 1);
        items.append(value.mid(from + 1, next < 0 ? -1 : next - from - 1));
        from = next;
    }
    return items;
}

QString ParameterValue::withCurrent(const QString& value, const QString& current)
{
    const int end = value.indexOf(separator);
    return end < 0 ? current : current + value.midRef(end);
}
