#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One measurement of the extended information view: a device-state key, its
// label (translated) and the unit appended to its value.
struct ExtendedParameterRow
{
    ExtendedParameterRow(QString key, QString label, QString unit);

    QString key;
    QString label;
    QString unit;
};

// The 92 measurements in display order. Labels are translated in the context
// "QTranslator"; a generator set names its mains input differently.
QList<ExtendedParameterRow> extendedParameterTable(bool isGenerator);

// The 83 keys whose presence makes the view worth opening: every row but the
// last nine (nameplate, network card and module texts).
const QStringList& extendedParameterKeys();
// Whether `parameters` holds one of those keys, whatever its value.
bool hasExtendedParameterKeys(const QMap<QString, QString>& parameters);
