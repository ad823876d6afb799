#pragma once

#include <QList>
#include <QString>

// One settable device parameter as the configuration dialog shows it: the key of
// the service's configuration map, its label and unit, how it is edited.
struct UpsParameterDescriptor
{
    // How the value string reads and goes back (see ParameterValue). Any other
    // number is edited like LineEditKind.
    enum EditorKind
    {
        LineEditKind = 0,
        CheckBoxKind = 1,
        RadioGroupKind = 2,
        ComboBoxKind = 3
    };

    UpsParameterDescriptor(QString key, QString label, QString unit, int kind, bool visible, bool wide);

    QString key;
    QString label;
    QString unit;
    int kind;
    // Hidden line-edit and combo rows keep their cell and their value.
    bool visible;
    // A line edit 120 px instead of 60, a combo box 240 instead of 120.
    bool wide;
};

// The 167 parameters in the dialog's order, labels translated in the context
// "UPSConfigurationWindow". Keys are sent back exactly as written here, the
// service's own misspellings included.
QList<UpsParameterDescriptor> upsParameterCatalogue();
