#pragma once

#include "iniwriter.h"
#include "keyrecord.h"
#include "olddeviceconfig.h"
#include "oldevent.h"
#include "oldgroup.h"
#include "oldsmtpconfig.h"
#include "writtenini.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QSettings;
class QTextCodec;

namespace Converter {
class Action;
}

namespace Luminorix {

// Writes a configuration file in the current layout and brings the 2.3 layouts
// up to date in place. Works on a file of its own; the caller puts it in place.
class NewConfiguration : public QObject
{
    Q_OBJECT

public:
    // Opens the settings file at filePath, read with codec (none: the library's default).
    NewConfiguration(const QString& filePath, QTextCodec* codec, QObject* parent = nullptr);
    ~NewConfiguration() override;

    void writeGeneralSection(const QString& workMode, bool runAtBoot, const QString& version,
                             const QString& language);
    void writeDevice(const OldDeviceConfig& device);
    void writeSmtp(const OldSmtpConfig& smtp);
    void stampVersion(const QString& version, const QString& language);
    // Regroups computers that own events and consumes the events it writes.
    void writeNetwork(QMap<int, OldEvent>* events, QList<OldGroup>* groups, OldGroup* ungrouped);
    // The same, with the events already as migrateEvents() leaves them for a
    // device of that (mapped) model: a new file then needs no migration pass,
    // which costs a look-up of every key it touches.
    void writeMigratedNetwork(QMap<int, OldEvent>* events, QList<OldGroup>* groups, OldGroup* ungrouped,
                              const QString& model);

    void migrateUpsModels();
    void resetUsbPaths();
    void migrateEvents();
    void migrateRtEvents();

    // Writes the file; false with the reason when that failed. A file that did not
    // exist is not made durable: it is a work file that the caller reads back.
    bool finish(QString* error);
    // Whether the settings file at path, read afresh, holds every key of this one
    // with the same value and nothing else. The library reports a write that
    // failed while closing as a success; this is how such a file is caught.
    // path must be one the library has not read yet: it keeps what it read by path.
    bool sameAs(const QString& path) const;

    static QString mapUpsModel(const QString& model);
    static bool isExtendedModel(const QString& model);
    // Empty, or display name, start condition and end condition.
    static QStringList defaultEventDefinition(const QString& model, const QString& key, int number);
    static QStringList defaultRtEventDefinition(const QString& model, const QString& key, int number);

private:
    void writeEvents(const OldEvent& event, int& n, int parent);
    void writeEvent(const OldEvent& event, const Converter::Action& action, int n, int parent);
    void applyDefinition(const QStringList& keys, const QStringList& definition);
    // settings->setValue() and remove(), keeping the record.
    void put(const QString& key, const QVariant& value);
    void drop(const QString& key);
    // Whether the file's bytes, read in one pass, are every key of the store with its value.
    bool holdsTheSame(const QByteArray& bytes) const;

    // Key access in the current section that ignores letter case, as on Windows;
    // keys is the section's list of stored keys.
    static QStringList storedKeys(const QStringList& keys, const QString& key);
    QVariant foldedValue(const QStringList& keys, const QString& key,
                         const QVariant& defaultValue = QVariant()) const;
    void setFoldedValue(const QStringList& keys, const QString& key, const QVariant& value);
    void removeFolded(const QStringList& keys, const QString& key);

    // Top-level sections in the store's order; listing them costs a pass over
    // every key, and the migrations add none.
    QStringList sections();
    QStringList unorderedSections(); // the same in no order
    // beginGroup() on a top-level section that is about to get keys.
    void enterSection(const QString& name);
    // Device sections and, per device number, its event sections, in the store's order.
    QStringList deviceSections();
    QMap<QString, QStringList> eventSectionsByDevice();

    // What migrateEvents() makes of an event key for migratedModel; worked out
    // once per key instead of once per event section.
    struct MigratedEvent
    {
        bool defined = false;
        QString name;          // of owner 0
        bool numbered = false; // other owners follow the name with " (n)"
        QStringList expressionIn;
        QStringList expressionOut;
    };
    const MigratedEvent& migratedEvent(const QString& key);

    // The library's store; none while the file is fresh.
    void openStore();
    // Hands what was kept so far to the library, which goes on from there.
    void leaveFresh();
    // The library's own group and key access, kept here while fresh.
    void beginGroup(const QString& name);
    void endGroup();
    QStringList childKeys() const;
    QVariant storedValue(const QString& key) const;
    QStringList allKeys() const;
    // Writes a fresh file; false with error empty when the library must write it.
    bool writeFresh(QString* error);

    QString filePath;
    QTextCodec* codec;
    QSettings* settings = nullptr;
    // A file that began empty, while only plain sections and keys were written
    // and nothing removed: record then holds it all.
    bool fresh = false;
    QString group; // the section entered while fresh
    // Set while writeMigratedNetwork() runs.
    const QString* migratedModel = nullptr;
    QHash<QString, MigratedEvent> migratedEvents;
    QSet<QString> sectionCache;
    bool sectionCacheValid = false;
    // Every key written into a file that began empty, with its value as meant:
    // the check of the written file asks this instead of the store, whose look-ups
    // cost a search among every key.
    Converter::KeyRecord record;
    bool recordValid = false;
    // The record's keys in the order the fresh file has them; empty once either changed.
    QVector<Converter::IniWriter::Written> writtenOrder;
};

} // namespace Luminorix
