#pragma once

#include <QList>
#include <QMap>
#include <QString>

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
    // Polish source text, translated in the context "UPSConfigurationWindow".
    const char* text;

    bool operator==(const ConfigurationSaveCheck& other) const;
};

// The boxes in the order they are shown for a change of `key` to `value` on a
// device of `modelName`; a refusal is always the last. Empty: Save goes straight on.
// A command flag (EPO, the battery test, the wear-counter reset) that `outgoing`
// carries as "1" gets its box too, changed or not: the device runs the command
// again whenever the flag arrives.
QList<ConfigurationSaveCheck> configurationSaveChecks(const QString& modelName, const QString& key,
                                                      const QString& value,
                                                      const QMap<QString, QString>& outgoing = {});
