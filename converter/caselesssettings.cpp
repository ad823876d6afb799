#include "caselesssettings.h"

#include <QSettings>

namespace Converter {

CaselessSettings::CaselessSettings(const QSettings& source)
{
    const QStringList keys = source.allKeys();
    m_values.reserve(keys.size());
    QString section; // the keys of a section come one after another
    for (const QString& key : keys) {
        const QString folded = key.toLower();
        m_values.insert(folded, source.value(key));
        const int slash = folded.indexOf(QLatin1Char('/'));
        if (slash > 0 && folded.leftRef(slash) != section) {
            section = folded.left(slash);
            m_sections.insert(section);
        }
    }
}

void CaselessSettings::beginGroup(const QString& prefix)
{
    m_groups.append(prefix.toLower());
    m_prefix += m_groups.last() + QLatin1Char('/');
}

void CaselessSettings::endGroup()
{
    if (m_groups.isEmpty())
        return;
    m_prefix.chop(m_groups.takeLast().size() + 1);
}

QString CaselessSettings::path(const QString& key) const
{
    return m_prefix + key.toLower();
}

bool CaselessSettings::contains(const QString& key) const
{
    return m_values.contains(path(key));
}

QVariant CaselessSettings::value(const QString& key, const QVariant& defaultValue) const
{
    const auto it = m_values.constFind(path(key));
    return it == m_values.constEnd() ? defaultValue : it.value();
}

int CaselessSettings::intValue(const QString& key, int defaultValue) const
{
    const auto it = m_values.constFind(path(key));
    if (it == m_values.constEnd())
        return defaultValue;
    bool ok = false;
    const int number = it.value().toString().toInt(&ok);
    return ok ? number : 0;
}

bool CaselessSettings::hasSection(const QString& name) const
{
    return m_sections.contains(name.toLower());
}

} // namespace Converter
