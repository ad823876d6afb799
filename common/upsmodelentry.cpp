#include "upsmodelentry.h"

#include "upsmodelcatalogue.h"

UpsModelEntry::UpsModelEntry(const QString& identifier, const QString& modelName,
                             const QString& interfaceName)
    : m_identifier(identifier), m_upperCaseName(modelName.toUpper()), m_interfaceName(interfaceName)
{
    if (isVirtualDeviceModel(identifier))
        m_label = modelName;
    else
        m_label = modelName + QLatin1String(" (") + interfaceName + QLatin1Char(')');
}
