#pragma once

#include <QString>

// One row of the UPS model catalogue: a model reached over one interface.
class UpsModelEntry
{
public:
    UpsModelEntry(const QString& identifier, const QString& modelName, const QString& interfaceName);

    // What the service stores in Ups::model_name.
    const QString& identifier() const { return m_identifier; }
    // "Model (interface)", or the model name alone for the virtual UPS.
    const QString& label() const { return m_label; }
    const QString& upperCaseName() const { return m_upperCaseName; }
    // "SNMP", "USB", "RS232", or empty for the virtual UPS.
    const QString& interfaceName() const { return m_interfaceName; }

private:
    QString m_identifier;
    QString m_label;
    QString m_upperCaseName;
    QString m_interfaceName;
};
