#include "caselesssettings.h"

#include <QSettings>

namespace Converter {

struct CaselessSettings::Reading
{
    explicit Reading(int entries);
    bool add(const WrittenIni::Entry& entry);

    CaselessSettings settings;
    QSet<QString> seen; // sections as written
    QString lastSection;
    QString lastFolded; // its top-level name in lower case
    bool first = true;
};

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
    Reading reading(entries.size());
    for (const WrittenIni::Entry& entry : entries) {
        if (!reading.add(entry))
            return false;
    }
    *result = std::move(reading.settings);
    return true;
}

bool CaselessSettings::fromBytes(const QByteArray& bytes, QTextCodec* codec, CaselessSettings* result)
{
    Reading reading(bytes.count('\n') + 1);
    if (!WrittenIni::visit(bytes, codec,
                           [&reading](const WrittenIni::Entry& entry) { return reading.add(entry); }))
        return false;
    *result = std::move(reading.settings);
    return true;
}

CaselessSettings::Reading::Reading(int entries)
{
    settings.m_values.reserve(entries);
}

bool CaselessSettings::Reading::add(const WrittenIni::Entry& entry)
{
    if (first || entry.section != lastSection) {
        if (seen.contains(entry.section))
            return false;
        seen.insert(entry.section);
        lastSection = entry.section;
        first = false;
    }
    const QString folded = entry.key.toLower();
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
    // The keys of a section come one after another.
    const int slash = folded.indexOf(QLatin1Char('/'));
    if (slash > 0 && folded.leftRef(slash) != lastFolded) {
        lastFolded = folded.left(slash);
        settings.m_sections.insert(lastFolded);
    }
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
    // One buffer, lowered in place; the prefix is in lower case already.
    QString folded;
    folded.reserve(m_prefix.size() + key.size());
    folded += m_prefix;
    folded += key;
    return std::move(folded).toLower();
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
