#pragma once
// A UPS configuration reply that fills every parameter of the dialog, shared by
// the dialog's own benchmark and the hostile replies built on it.
#include "panel/ups/upsparameterdescriptor.h"

#include <QMap>
#include <QString>

namespace Bench {

// Every catalogued key with a value of its kind: combos and radio rows with four choices.
inline QMap<QString, QString> fullUpsConfiguration()
{
    QMap<QString, QString> map;
    int i = 0;
    for (const UpsParameterDescriptor& d : upsParameterCatalogue()) {
        switch (d.kind) {
        case UpsParameterDescriptor::CheckBoxKind:
            map.insert(d.key, QString::number(i % 2));
            break;
        case UpsParameterDescriptor::RadioGroupKind:
        case UpsParameterDescriptor::ComboBoxKind:
            map.insert(d.key, QStringLiteral("%1;%1;%2;%3;%4").arg(i).arg(i + 1).arg(i + 2).arg(i + 3));
            break;
        default:
            map.insert(d.key, QString::number(100 + i));
            break;
        }
        ++i;
    }
    return map;
}

} // namespace Bench
