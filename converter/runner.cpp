#include "runner.h"

#include "newconfiguration.h"
#include "oldconfiguration.h"
#include "programversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QVector>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString currentVersion = QLatin1String(programVersion);

void printError(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

int fail(const QString& line)
{
    printError(line);
    return 1;
}

// Dotted decimal numbers; false when the text is anything else.
bool parseVersion(const QString& text, QVector<int>* parts)
{
    const QStringList items = text.split(QLatin1Char('.'));
    for (const QString& item : items) {
        if (item.isEmpty() || item.size() > 9)
            return false;
        for (const QChar c : item) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        parts->append(item.toInt());
    }
    return true;
}

int compareVersions(QVector<int> a, QVector<int> b)
{
    const int size = qMax(a.size(), b.size());
    a.resize(size);
    b.resize(size);
    for (int i = 0; i < size; ++i) {
        if (a.at(i) != b.at(i))
            return a.at(i) < b.at(i) ? -1 : 1;
    }
    return 0;
}

// Replaces path with bytes in one rename, so that a reader sees the old file or
// the new one, never a part. The new file keeps the owner of like, where allowed.
bool replaceFile(const QString& path, const QByteArray& bytes, const QFileInfo& like, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
#ifdef Q_OS_UNIX
    // A service running under its own account must still be able to write its file.
    if (like.exists() && ::fchown(file.handle(), like.ownerId(), like.groupId()) != 0) {
        // Only the superuser may give a file away; anyone else keeps it.
    }
#else
    Q_UNUSED(like);
#endif
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool readFile(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

namespace Luminorix {

Runner::Runner(QObject* parent) : QObject(parent) {}

Runner::Route Runner::routeFor(const QString& version)
{
    if (version == currentVersion)
        return Route::Current;
    static const char* const stampOnly[] = {"2.5.1", "2.5.0", "2.4.6", "2.4.5", "2.4.4", "2.4.3",
                                            "2.4.2", "2.4.1", "2.4.0", "2.3.4", "2.3.3"};
    for (const char* release : stampOnly) {
        if (version == QLatin1String(release))
            return Route::Stamp;
    }
    if (version == QLatin1String("2.3.5"))
        return Route::RtEvents;
    if (version == QLatin1String("2.3.2"))
        return Route::Events232;
    if (version == QLatin1String("2.3.1"))
        return Route::Events231;
    if (version == QLatin1String("2.3.0"))
        return Route::Events230;
    if (version.isEmpty())
        return Route::Full;
    QVector<int> parts;
    if (!parseVersion(version, &parts))
        return Route::Unknown;
    // Reading a later layout as the old one would empty it.
    if (compareVersions(parts, {2, 3, 0}) < 0)
        return Route::Full;
    QVector<int> current;
    parseVersion(currentVersion, &current);
    if (compareVersions(parts, current) > 0)
        return Route::Newer;
    return Route::Unknown;
}

int Runner::convert()
{
    const QDir dir(directory.isEmpty() ? QCoreApplication::applicationDirPath() : directory);
    const QString configPath = dir.filePath(QStringLiteral("config.ini"));
    const QString backupPath = dir.filePath(QStringLiteral("config_old.ini"));
    const QString shownConfig = QDir::toNativeSeparators(configPath);

    // Read in place; nothing is touched until the new file is complete.
    OldConfiguration reader(configPath);
    if (!reader.damage().isEmpty())
        return fail(reader.damage());
    const QString version = reader.version();
    const Route route = routeFor(version);
    if (route == Route::Current)
        return 0;
    if (route == Route::Newer)
        return fail(tr("Plik %1 pochodzi z nowszej wersji programu (%2) i nie zostanie przekonwertowany.")
                        .arg(shownConfig, version));
    if (route == Route::Unknown)
        return fail(tr("Plik %1 ma nieznaną wersję \"%2\" i nie zostanie przekonwertowany.")
                        .arg(shownConfig, version));

    QTemporaryDir work;
    if (!work.isValid())
        return fail(tr("Nie można utworzyć katalogu tymczasowego: %1").arg(work.errorString()));
    const QString workPath = work.filePath(QStringLiteral("config.ini"));
    QString error;

    if (route == Route::Full) {
        QMap<int, OldEvent>* events = reader.readEvents();
        QList<OldGroup>* groups = reader.readGroups();
        OldGroup* ungrouped = reader.readUngroupedComputers();
        if (!reader.errors().isEmpty())
            return fail(reader.errors().constFirst());
        NewConfiguration writer(workPath, nullptr);
        writer.writeGeneralSection(reader.workMode(), reader.runAtBoot(), currentVersion, language);
        const OldDeviceConfig device = reader.readDevice();
        writer.writeDevice(device);
        writer.writeSmtp(reader.readSmtp());
        // The events are written as migrateEvents() would leave them for the model
        // that migrateUpsModels() gives the device.
        writer.writeMigratedNetwork(events, groups, ungrouped,
                                    NewConfiguration::mapUpsModel(device.ups_model));
        writer.migrateUpsModels();
        writer.resetUsbPaths();
        if (!writer.finish(&error))
            return fail(tr("Nie można zapisać pliku tymczasowego %1: %2").arg(workPath, error));
    } else {
        if (!writeFile(workPath, reader.contents(), &error))
            return fail(tr("Nie można zapisać pliku tymczasowego %1: %2").arg(workPath, error));
        // Keeps the encoding in which the file was found.
        NewConfiguration writer(workPath, reader.codec());
        if (route == Route::Events230)
            writer.migrateUpsModels();
        if (route == Route::Events230 || route == Route::Events231)
            writer.resetUsbPaths();
        if (route == Route::Events230 || route == Route::Events231 || route == Route::Events232)
            writer.migrateEvents();
        if (route == Route::RtEvents)
            writer.migrateRtEvents();
        writer.stampVersion(currentVersion, language);
        if (!writer.finish(&error))
            return fail(tr("Nie można zapisać pliku tymczasowego %1: %2").arg(workPath, error));
    }
    const QStringList warnings = reader.warnings();
    for (const QString& warning : warnings)
        printError(warning);

    QByteArray converted;
    if (!readFile(workPath, &converted, &error))
        return fail(tr("Nie można odczytać pliku tymczasowego %1: %2").arg(workPath, error));

    const QFileInfo found(configPath);
    if (!replaceFile(backupPath, reader.contents(), found, &error))
        return fail(tr("Nie można zapisać kopii %1: %2").arg(QDir::toNativeSeparators(backupPath), error));

    // Owner write only, the rest of the mode as it was; on Windows this clears the read-only flag.
    const QFileDevice::Permissions userFlags =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    const QFileDevice::Permissions mode = QFile::permissions(configPath) & ~userFlags;
    const bool madeWritable = !(mode & QFileDevice::WriteOwner);
    if (madeWritable && !QFile::setPermissions(configPath, mode | QFileDevice::WriteOwner))
        return fail(tr("Nie można zezwolić na zapis pliku %1.").arg(shownConfig));
    if (!replaceFile(configPath, converted, found, &error)) {
        if (madeWritable)
            QFile::setPermissions(configPath, mode);
        return fail(tr("Nie można zapisać pliku %1: %2").arg(shownConfig, error));
    }
    return 0;
}

void Runner::run()
{
    QCoreApplication::exit(convert());
}

} // namespace Luminorix
