#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace Converter {

// Keys with their values, kept section by section in the order first set.
// A big new file has many small sections of the same few key names: a name
// given as a literal, and a value taken from the old file, then cost no
// allocation of their own, where a table of every full key costs a node and
// a text for each.
class KeyRecord
{
public:
    struct Key
    {
        QString name; // within the section
        QVariant value;
    };
    struct Section
    {
        QString name; // empty for the general section
        std::vector<Key> keys;
        QHash<QString, int> index; // a key's place, once there are many keys
    };

    // A full key as the library keeps it, "section/key" or a key of the general
    // section alone, is split at its first slash. True when the key is new.
    bool set(const QString& fullKey, const QVariant& value);
    // The same for a key of a section named without a slash.
    bool set(const QString& section, const QString& key, const QVariant& value);

    const QVariant* find(const QString& fullKey) const;
    QVariant value(const QString& fullKey) const; // no value when there is no such key
    static const QVariant* find(const Section& section, const QString& key);
    const Section* section(const QString& name) const;
    int indexOf(const QString& section) const; // -1 when there is none

    const std::vector<Section>& sections() const { return m_sections; }
    int size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    // Whether every full key set is one the library stores under exactly that name.
    bool isPlain() const { return m_plain; }
    QStringList fullKeys() const; // in no order
    void clear();

    static QString fullKey(const QString& section, const QString& key);
    // Whether fullKey is key of section, without a text of it on the way.
    static bool isKeyOf(const QString& fullKey, const QString& section, const QString& key);

private:
    static int place(const Section& section, const QString& key);

    std::vector<Section> m_sections;
    QHash<QString, int> m_index; // a section's place by its name
    int m_last = -1;             // the section set last: the next key is most likely its
    int m_size = 0;
    bool m_plain = true;
};

} // namespace Converter
