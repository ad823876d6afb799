#pragma once

#include "keyrecord.h"
#include "writtenini.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QSettings;
class QTextCodec;

namespace Converter {

// Read-only copy of a settings file whose look-ups ignore letter case, as the
// INI format does on Windows: the old layout spells one key in several ways
// ("Groups/groups_count", "groups/groups_count").
class CaselessSettings
{
public:
    CaselessSettings() = default;
    // Copies every key of the source. Of keys that differ only in letter case the
    // one the source lists last wins.
    explicit CaselessSettings(const QSettings& source);
    // The same from a file read in one pass, when that reading is surely the
    // library's: false on a key twice or in two spellings, or a
    // section in two places; the caller then asks the library.
    static bool fromEntries(const QVector<WrittenIni::Entry>& entries, CaselessSettings* result);
    // The same straight from the bytes, without a list of every entry on the way.
    static bool fromBytes(const QByteArray& bytes, QTextCodec* codec, CaselessSettings* result);

    void beginGroup(const QString& prefix);
    void endGroup();

    bool contains(const QString& key) const;
    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const;
    // A text that is not a decimal int, an out-of-range one included, reads as 0.
    int intValue(const QString& key, int defaultValue = 0) const;

    // Whether a top-level section of that name holds at least one key.
    bool hasSection(const QString& name) const;
    // Top-level section names in lower case, in no particular order.
    QList<QString> sectionNames() const;
    int sectionCount() const;
    // Every key in lower case with its value.
    QHash<QString, QVariant> values() const;

private:
    // What fromEntries() and fromBytes() share: one entry after another.
    struct Reading;

    QString path(const QString& key) const;
    const QVariant* find(const QString& key) const;
    void findSection();

    // Sections and keys in lower case; the general section has no name.
    KeyRecord m_record;
    QStringList m_groups;
    QString m_prefix; // the groups joined, in lower case, with a trailing "/"
    // The record's section of the one plain group entered, -1 when it has none;
    // most look-ups go there, without a full key on the way.
    static const int noSection = -2; // not in one plain group
    int m_section = noSection;
};

} // namespace Converter
