#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A box that Save of the configuration dialog shows before the configuration
// goes out. Which ones depends on the device model and the changed parameter.
struct ConfigurationSaveCheck
{
    enum Box
    {
        Note,            // information, then Save goes on
        Question,        // Yes goes on, No stops Save
        WarningQuestion, // the same, as a warning
        Notice,          // warning, then Save goes on
        Refusal          // warning; Save stops
    };

    Box box;
    // Polish source text, translated in the context "UPSConfigurationWindow"; with
    // `parameters` its %1 takes their labels.
    const char* text;
    // The keys whose labels the box lists, in catalogue order.
    QStringList parameters = {};

    bool operator==(const ConfigurationSaveCheck& other) const;
};

// The boxes in the order they are shown for a change of `key` to `value` on a
// device of `modelName`; a refusal is always the last. Empty: Save goes straight on.
// The whole configuration goes out, and the device runs a command whenever its flag
// arrives on: every command flag that `outgoing` carries on asks, changed or not,
// with its own question where the model has one, the others in one question
// that lists them.
QList<ConfigurationSaveCheck> configurationSaveChecks(const QString& modelName, const QString& key,
                                                      const QString& value,
                                                      const QMap<QString, QString>& outgoing = {});

// The parameters that make the device do something once rather than hold a
// setting, in catalogue order.
const QStringList& commandFlagKeys();
