#include "runner.h"

#include "checkedfile.h"
#include "newconfiguration.h"
#include "oldconfiguration.h"
#include "programversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QScopeGuard>
#include <QVector>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

const QString currentVersion = QLatin1String(programVersion);
// How long the lock of config.ini is waited for: its writer holds it for one write.
constexpr int lockWait = 10000;

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

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
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

    // Beside config.ini, so that the new file is renamed within one file system and a
    // run that was killed leaves nothing that the next run cannot find and remove.
    const QString workFolder = dir.filePath(QStringLiteral(".cfgshifter.tmp"));
    QString staleError;
    CheckedFile::remove(workFolder, &staleError);

    // A service that writes through the settings library holds this lock while it
    // writes the file: held from the reading to the replacing, no write of it is
    // lost in between. Where no lock can be made at all, the library cannot make
    // one either, and so cannot write.
    QLockFile lock(configPath + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWait) && lock.error() == QLockFile::LockFailedError)
        return fail(tr("Plik %1 jest właśnie zapisywany przez inny program (blokada %2) i nie zostanie "
                       "przekonwertowany.")
                        .arg(shownConfig, shown(configPath + QStringLiteral(".lock"))));

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

    // config.ini may be a link: the file it names is the one replaced.
    const QFileInfo configInfo(configPath);
    const QString targetPath = configInfo.isSymLink() ? configInfo.canonicalFilePath() : configPath;
    if (targetPath.isEmpty())
        return fail(tr("Nie można zapisać pliku %1: %2").arg(shownConfig, qt_error_string(ENOENT)));
    const QString targetFolder = QFileInfo(targetPath).canonicalPath();

    QString error = staleError;
    if (!staleError.isEmpty() || !CheckedFile::makeFolder(workFolder, &error))
        return fail(tr("Nie można utworzyć katalogu tymczasowego %1: %2").arg(shown(workFolder), error));
    const auto removeWork = qScopeGuard([&workFolder] {
        QString ignored;
        CheckedFile::remove(workFolder, &ignored);
    });
    const QString workPath = workFolder + QStringLiteral("/config.ini");
    const auto workFailure = [&workPath, &workFolder, &reader](const QString& reason) {
        // The settings library keeps the system's reason to itself: write as much
        // again, with room to spare, to learn it. The work file stays meanwhile, as
        // it was when the library failed: without it the probe could find room
        // that the library lacked.
        const qint64 size = qMax(QFileInfo(workPath).size(), qint64(reader.contents().size())) + 65536;
        const QString cause = CheckedFile::probe(workFolder, size);
        QFile::remove(workPath);
        return fail(tr("Nie można zapisać pliku tymczasowego %1: %2")
                        .arg(shown(workPath), cause.isEmpty() ? reason : cause));
    };

    std::unique_ptr<NewConfiguration> writer;
    if (route == Route::Full) {
        QMap<int, OldEvent>* events = reader.readEvents();
        QList<OldGroup>* groups = reader.readGroups();
        OldGroup* ungrouped = reader.readUngroupedComputers();
        if (!reader.errors().isEmpty())
            return fail(reader.errors().constFirst());
        writer = std::make_unique<NewConfiguration>(workPath, nullptr);
        writer->writeGeneralSection(reader.workMode(), reader.runAtBoot(), currentVersion, language);
        const OldDeviceConfig device = reader.readDevice();
        writer->writeDevice(device);
        writer->writeSmtp(reader.readSmtp());
        // The events are written as migrateEvents() would leave them for the model
        // that migrateUpsModels() gives the device.
        writer->writeMigratedNetwork(events, groups, ungrouped,
                                     NewConfiguration::mapUpsModel(device.ups_model));
        writer->migrateUpsModels();
        writer->resetUsbPaths();
    } else {
        if (!CheckedFile::create(workPath, reader.contents(), CheckedFile::Attributes(), &error))
            return fail(tr("Nie można zapisać pliku tymczasowego %1: %2").arg(shown(workPath), error));
        // Keeps the encoding in which the file was found.
        writer = std::make_unique<NewConfiguration>(workPath, reader.codec());
        if (route == Route::Events230)
            writer->migrateUpsModels();
        if (route == Route::Events230 || route == Route::Events231)
            writer->resetUsbPaths();
        if (route == Route::Events230 || route == Route::Events231 || route == Route::Events232)
            writer->migrateEvents();
        if (route == Route::RtEvents)
            writer->migrateRtEvents();
        writer->stampVersion(currentVersion, language);
    }
    if (!writer->finish(&error))
        return workFailure(error);
    const QStringList warnings = reader.warnings();
    for (const QString& warning : warnings)
        printError(warning);

    QByteArray converted;
    if (!CheckedFile::read(workPath, &converted, &error))
        return fail(tr("Nie można odczytać pliku tymczasowego %1: %2").arg(shown(workPath), error));

    // The new file is written where it will be renamed, with the mode and owner of
    // the file it replaces; the owner may always write it, so the service can too.
    const CheckedFile::Attributes found = CheckedFile::attributesOf(targetPath);
    CheckedFile::Attributes newAttributes = found;
    newAttributes.mode |= 0200;
    const bool besideWork = targetFolder == QFileInfo(dir.absolutePath()).canonicalFilePath();
    const QString stagingFolder = besideWork ? workFolder : targetFolder;
    const QString staged =
        CheckedFile::stage(stagingFolder, QStringLiteral("config.ini"), converted, newAttributes, &error);
    if (staged.isEmpty())
        return fail(tr("Nie można zapisać pliku tymczasowego %1: %2")
                        .arg(shown(stagingFolder + QStringLiteral("/config.ini")), error));
    bool placed = false;
    const auto removeStaged = qScopeGuard([&placed, &staged] {
        if (!placed)
            QFile::remove(staged);
    });
    if (!writer->sameAs(staged))
        return workFailure(tr("zapisany plik różni się od zamierzonego"));
    writer.reset();
    QFile::remove(workPath);

    // The backup holds the same passwords: it gets the same mode and owner.
    const QString stagedBackup =
        CheckedFile::stage(workFolder, QStringLiteral("config_old.ini"), reader.contents(), found, &error);
    if (stagedBackup.isEmpty() || !CheckedFile::replace(stagedBackup, backupPath, &error))
        return fail(tr("Nie można zapisać kopii %1: %2").arg(shown(backupPath), error));
    if (!CheckedFile::replace(staged, targetPath, &error))
        return fail(tr("Nie można zapisać pliku %1: %2").arg(shownConfig, error));
    placed = true;
    CheckedFile::syncFolder(dir.absolutePath());
    if (!besideWork)
        CheckedFile::syncFolder(targetFolder);
    return 0;
}

void Runner::run()
{
    QCoreApplication::exit(convert());
}

} // namespace Luminorix
