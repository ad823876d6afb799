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

bool CaselessSettings::fromEntries(const QVector<WrittenIni::Entry>& entries, CaselessSettings* result)
{
    CaselessSettings settings;
    settings.m_values.reserve(entries.size());
    QSet<QString> seen; // sections as written
    QString folded;
    for (int i = 0; i < entries.size(); ++i) {
        const WrittenIni::Entry& entry = entries.at(i);
        if (i == 0 || entry.section != entries.at(i - 1).section) {
            if (seen.contains(entry.section))
                return false;
            seen.insert(entry.section);
        }
        folded = entry.key.toLower();
        const auto it = settings.m_values.find(folded);
        if (it != settings.m_values.end())
            return false;
        // As the library reads a value: an empty list was written as no value at all.
        if (!entry.isList)
            settings.m_values.insert(folded, entry.text);
        else if (entry.list.isEmpty())
            settings.m_values.insert(folded, QVariant());
        else
            settings.m_values.insert(folded, entry.list);
        const int slash = folded.indexOf(QLatin1Char('/'));
        if (slash > 0)
            settings.m_sections.insert(folded.left(slash));
    }
    *result = std::move(settings);
    return true;
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
