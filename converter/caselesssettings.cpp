#include "caselesssettings.h"

#include <QSettings>

namespace Converter {

struct CaselessSettings::Reading
{
    bool add(const WrittenIni::Entry& entry);

    CaselessSettings settings;
    QString lastSection;
    QString lastFolded; // the top-level name of the last key, in lower case
    bool first = true;
    // The names of a big file's many sections repeat: each is kept once.
    QSet<QString> names;
};

CaselessSettings::CaselessSettings(const QSettings& source)
{
    const QStringList keys = source.allKeys();
    for (const QString& key : keys)
        m_record.set(key.toLower(), source.value(key)); // the last spelling wins
}

bool CaselessSettings::fromEntries(const QVector<WrittenIni::Entry>& entries, CaselessSettings* result)
{
    Reading reading;
    for (const WrittenIni::Entry& entry : entries) {
        if (!reading.add(entry))
            return false;
    }
    *result = std::move(reading.settings);
    return true;
}

bool CaselessSettings::fromBytes(const QByteArray& bytes, QTextCodec* codec, CaselessSettings* result)
{
    Reading reading;
    if (!WrittenIni::visit(bytes, codec,
                           [&reading](const WrittenIni::Entry& entry) { return reading.add(entry); }))
        return false;
    *result = std::move(reading.settings);
    return true;
}

bool CaselessSettings::Reading::add(const WrittenIni::Entry& entry)
{
    const QString folded = entry.key.toLower();
    const int slash = folded.indexOf(QLatin1Char('/'));
    const QStringRef top = slash < 0 ? QStringRef() : folded.leftRef(slash);
    if (first || top != lastFolded)
        lastFolded = top.toString();
    if (first || entry.section != lastSection) {
        // A section in two places, or another spelling of one read already: the
        // library's reading decides how they merge.
        if (settings.m_record.indexOf(lastFolded) >= 0)
            return false;
        lastSection = entry.section;
        first = false;
    }
    QString key = slash < 0 ? folded : folded.mid(slash + 1);
    const auto known = names.constFind(key);
    if (known != names.constEnd())
        key = *known;
    else if (names.size() < 1024)
        names.insert(key);
    // As the library reads a value: an empty list was written as no value at all.
    const QVariant value = !entry.isList          ? QVariant(entry.text)
                           : entry.list.isEmpty() ? QVariant()
                                                  : QVariant(entry.list);
    return settings.m_record.set(lastFolded, key, value); // false on a key twice
}

void CaselessSettings::beginGroup(const QString& prefix)
{
    m_groups.append(prefix.toLower());
    m_prefix += m_groups.last() + QLatin1Char('/');
    findSection();
}

void CaselessSettings::endGroup()
{
    if (m_groups.isEmpty())
        return;
    m_prefix.chop(m_groups.takeLast().size() + 1);
    findSection();
}

void CaselessSettings::findSection()
{
    const bool one = m_groups.size() == 1 && !m_groups.constFirst().isEmpty() &&
                     !m_groups.constFirst().contains(QLatin1Char('/'));
    m_section = one ? m_record.indexOf(m_groups.constFirst()) : noSection;
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

const QVariant* CaselessSettings::find(const QString& key) const
{
    if (m_section != noSection && !key.contains(QLatin1Char('/'))) {
        if (m_section < 0)
            return nullptr;
        return KeyRecord::find(m_record.sections()[size_t(m_section)], key.toLower());
    }
    // An empty first group makes a path with a leading slash, which no key read has.
    if (m_groups.isEmpty() || !m_prefix.startsWith(QLatin1Char('/')))
        return m_record.find(path(key));
    return nullptr;
}

bool CaselessSettings::contains(const QString& key) const
{
    return find(key) != nullptr;
}

QVariant CaselessSettings::value(const QString& key, const QVariant& defaultValue) const
{
    const QVariant* found = find(key);
    return found ? *found : defaultValue;
}

int CaselessSettings::intValue(const QString& key, int defaultValue) const
{
    const QVariant* found = find(key);
    if (!found)
        return defaultValue;
    bool ok = false;
    const int number = found->toString().toInt(&ok);
    return ok ? number : 0;
}

bool CaselessSettings::hasSection(const QString& name) const
{
    return !name.isEmpty() && m_record.indexOf(name.toLower()) >= 0;
}

QList<QString> CaselessSettings::sectionNames() const
{
    QList<QString> names;
    names.reserve(int(m_record.sections().size()));
    for (const KeyRecord::Section& section : m_record.sections()) {
        if (!section.name.isEmpty())
            names.append(section.name);
    }
    return names;
}

int CaselessSettings::sectionCount() const
{
    return int(m_record.sections().size()) - (m_record.indexOf(QString()) >= 0 ? 1 : 0);
}

QHash<QString, QVariant> CaselessSettings::values() const
{
    QHash<QString, QVariant> all;
    all.reserve(m_record.size());
    for (const KeyRecord::Section& section : m_record.sections()) {
        for (const KeyRecord::Key& key : section.keys)
            all.insert(KeyRecord::fullKey(section.name, key.name), key.value);
    }
    return all;
}

} // namespace Converter
