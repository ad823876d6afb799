#include "keyrecord.h"

#include "iniwriter.h"

namespace {

// A section of our own has a handful of keys: a look along them beats a table.
const int searchedKeys = 16;

// A section's own key is plain when its full key is; the general section's has no slash.
bool isPlainKeyOf(const QString& section, const QString& key)
{
    return Converter::IniWriter::isPlainKey(key) && (!section.isEmpty() || !key.contains(QLatin1Char('/')));
}

} // namespace

namespace Converter {

int KeyRecord::place(const Section& section, const QString& key)
{
    if (section.keys.size() > size_t(searchedKeys))
        return section.index.value(key, -1);
    for (size_t i = 0; i < section.keys.size(); ++i) {
        if (section.keys[i].name == key)
            return int(i);
    }
    return -1;
}

bool KeyRecord::set(const QString& fullKey, const QVariant& value)
{
    const int slash = fullKey.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return set(QString(), fullKey, value);
    // A leading slash would land among the general section's keys.
    if (slash == 0)
        m_plain = false;
    return set(fullKey.left(slash), fullKey.mid(slash + 1), value);
}

bool KeyRecord::set(const QString& sectionName, const QString& key, const QVariant& value)
{
    if (sectionName.contains(QLatin1Char('/')))
        return set(fullKey(sectionName, key), value);
    if (!isPlainKeyOf(sectionName, key))
        m_plain = false;
    if (m_last < 0 || m_sections[size_t(m_last)].name != sectionName) {
        const auto found = m_index.constFind(sectionName);
        if (found != m_index.constEnd()) {
            m_last = *found;
        } else {
            m_last = int(m_sections.size());
            m_index.insert(sectionName, m_last);
            m_sections.push_back({sectionName, {}, {}});
            m_sections.back().keys.reserve(8);
        }
    }
    Section& section = m_sections[size_t(m_last)];
    const int at = place(section, key);
    if (at >= 0) {
        section.keys[size_t(at)].value = value;
        return false;
    }
    section.keys.push_back({key, value});
    if (section.keys.size() > size_t(searchedKeys)) {
        if (section.index.isEmpty()) {
            for (size_t i = 0; i < section.keys.size(); ++i)
                section.index.insert(section.keys[i].name, int(i));
        } else {
            section.index.insert(key, int(section.keys.size() - 1));
        }
    }
    ++m_size;
    return true;
}

const KeyRecord::Section* KeyRecord::section(const QString& name) const
{
    const int at = indexOf(name);
    return at < 0 ? nullptr : &m_sections[size_t(at)];
}

int KeyRecord::indexOf(const QString& name) const
{
    return m_index.value(name, -1);
}

const QVariant* KeyRecord::find(const Section& section, const QString& key)
{
    const int at = place(section, key);
    return at < 0 ? nullptr : &section.keys[size_t(at)].value;
}

const QVariant* KeyRecord::find(const QString& full) const
{
    const int slash = full.indexOf(QLatin1Char('/'));
    const Section* found = section(slash < 0 ? QString() : full.left(slash));
    return found ? find(*found, slash < 0 ? full : full.mid(slash + 1)) : nullptr;
}

QVariant KeyRecord::value(const QString& full) const
{
    const QVariant* found = find(full);
    return found ? *found : QVariant();
}

QStringList KeyRecord::fullKeys() const
{
    QStringList keys;
    keys.reserve(m_size);
    for (const Section& section : m_sections) {
        for (const Key& key : section.keys)
            keys.append(fullKey(section.name, key.name));
    }
    return keys;
}

void KeyRecord::clear()
{
    m_sections.clear();
    m_index.clear();
    m_last = -1;
    m_size = 0;
    m_plain = true;
}

QString KeyRecord::fullKey(const QString& section, const QString& key)
{
    if (section.isEmpty())
        return key;
    QString full;
    full.reserve(section.size() + 1 + key.size());
    full += section;
    full += QLatin1Char('/');
    full += key;
    return full;
}

bool KeyRecord::isKeyOf(const QString& full, const QString& section, const QString& key)
{
    if (section.isEmpty())
        return full == key;
    return full.size() == section.size() + 1 + key.size() && full.startsWith(section) &&
           full.at(section.size()) == QLatin1Char('/') && full.endsWith(key);
}

} // namespace Converter
