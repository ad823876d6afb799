#include "parametervalue.h"

namespace {
const QChar separator(QLatin1Char(';'));

QStringList items(const QString& value)
{
    return value.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}
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
    return items(value).constFirst();
}

QStringList ParameterValue::choices(const QString& value)
{
    return items(value).mid(1);
}

QString ParameterValue::withCurrent(const QString& value, const QString& current)
{
    QStringList all = items(value);
    all[0] = current;
    return all.join(separator);
}
