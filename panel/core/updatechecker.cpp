#include "updatechecker.h"

#include "common/localsettings.h"
#include "link/replybounds.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamReader>

namespace {
const int httpOk = 200;
const QString installerFileName = QStringLiteral("update.exe");

int httpStatus(const QNetworkReply* reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// The announced body length, or -1 when the server did not announce one.
qint64 announcedLength(const QNetworkReply* reply)
{
    const QVariant header = reply->header(QNetworkRequest::ContentLengthHeader);
    bool ok = false;
    const qint64 length = header.toLongLong(&ok);
    return ok ? length : -1;
}

void prepare(QNetworkRequest& request, const QSslConfiguration& configuration)
{
    request.setSslConfiguration(configuration);
    // A redirect would hand us some other page as the file.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
}
} // namespace

UpdateChecker::UpdateChecker(const QString& host, QObject* parent)
    : QObject(parent), host(host), answerTimer(new QTimer(this)),
      sslConfiguration(QSslConfiguration::defaultConfiguration()), launcher(&UpdateChecker::startInstaller)
{
    descriptorRequest.setUrl(
        QUrl(QStringLiteral("https://") + host + QStringLiteral("/LX/update.xml"), QUrl::TolerantMode));
    prepare(descriptorRequest, sslConfiguration);
    prepare(installerRequest, sslConfiguration);
    connect(answerTimer, &QTimer::timeout, this, &UpdateChecker::noResponseTimeout);
}

UpdateChecker::~UpdateChecker()
{
    if (installerFile)
        installerFile->cancelWriting();
}

void UpdateChecker::setSslConfiguration(const QSslConfiguration& configuration)
{
    sslConfiguration = configuration;
    prepare(descriptorRequest, sslConfiguration);
    prepare(installerRequest, sslConfiguration);
}

void UpdateChecker::setInstallerLauncher(Launcher launcher)
{
    this->launcher = std::move(launcher);
}

void UpdateChecker::setDownloadDirectory(const QString& directory)
{
    downloadDirectory = directory;
}

void UpdateChecker::setInstallerSizeLimit(qint64 bytes)
{
    installerSizeLimit = bytes;
}

void UpdateChecker::setAnswerTimeout(int ms)
{
    answerTimeoutMs = ms;
}

QString UpdateChecker::installerName(const QString& platform)
{
    if (platform.contains(QLatin1String("Windows"), Qt::CaseInsensitive))
        return QStringLiteral("Luminorix_Professional.exe");
    static const QStringList packaged = {QStringLiteral("i386-rpm"), QStringLiteral("x86-64-rpm"),
                                         QStringLiteral("i386-deb"), QStringLiteral("x86-64-deb")};
    if (packaged.contains(platform, Qt::CaseSensitive))
        return QStringLiteral("luminorix_Professional-") + platform + QStringLiteral(".bin");
    return QString();
}

bool UpdateChecker::startInstaller(const QString& path)
{
    return QProcess::startDetached(path, QStringList());
}

QNetworkAccessManager* UpdateChecker::network()
{
    // Made on first use, so it belongs to the worker thread from the start.
    if (!manager)
        manager = new QNetworkAccessManager(this);
    return manager;
}

void UpdateChecker::checkForUpdate(bool startResponseTimer)
{
    if (!answerTimer->isActive() && startResponseTimer) {
        answerTimer->setSingleShot(true);
        answerTimer->setInterval(answerTimeoutMs);
        answerTimer->start();
    }
    QNetworkReply* reply = network()->get(descriptorRequest);
    // Bound to its own reply: the manager's finished() would also deliver installers.
    connect(reply, &QNetworkReply::finished, this, [this, reply] { descriptorVersionIsReady(reply); });
    const auto guardSize = [reply] {
        if (announcedLength(reply) > descriptorSizeLimit || reply->bytesAvailable() > descriptorSizeLimit)
            reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, guardSize);
    connect(reply, &QNetworkReply::readyRead, this, guardSize);
}

void UpdateChecker::descriptorVersionIsReady(QNetworkReply* reply)
{
    reply->deleteLater();
    QByteArray body;
    bool usable = reply->error() == QNetworkReply::NoError && httpStatus(reply) == httpOk;
    if (usable) {
        body = reply->read(descriptorSizeLimit + 1);
        usable = body.size() <= descriptorSizeLimit;
    }
    if (!usable) {
        // Asked by the user: say so now instead of when the answer time runs out.
        if (answerTimer->isActive()) {
            answerTimer->stop();
            emit networkUnavailable();
        }
        return;
    }

    const QStringList versions = descriptorVersions(body);
    for (const QString& offered : versions) {
        version = offered;
        emit updateAvailable(answerTimer->isActive(), version);
    }
    answerTimer->stop();
}

QStringList UpdateChecker::descriptorVersions(QByteArray body)
{
    const int nul = body.indexOf('\0');
    if (nul >= 0)
        body.truncate(nul);
    QStringList versions;
    const QString text = QString::fromUtf8(body);
    // The same shape as a service reply: some of QXmlStreamReader's steps grow with
    // the square of what lies outside it, even within the size limit.
    if (!Luminorix::withinReplyBounds(text))
        return versions;
    QXmlStreamReader reader(text);
    reader.readNextStartElement();
    while (!reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("versionNumber")) {
            reader.readNext();
            versions.append(reader.text().toString());
        }
        reader.readNextStartElement();
    }
    return versions;
}

void UpdateChecker::noResponseTimeout()
{
    emit networkUnavailable();
}

void UpdateChecker::startDownloadingNewVersion()
{
    // One download at a time; the running one goes on.
    if (currentDownload)
        return;

    const QString platform = LocalSettings().platform();
    const QString name = installerName(platform);
    if (name.isEmpty()) {
        emit updateDownloadError(tr("Brak instalatora dla platformy \"%1\"").arg(platform));
        return;
    }

    const QString folder = downloadDirectory.isEmpty() ? QDir::currentPath() : downloadDirectory;
    // A chosen folder such as the user's downloads may not exist yet; a failure
    // shows when the file is opened.
    QDir().mkpath(folder);
    const QString path = QDir(folder).absoluteFilePath(installerFileName);
    auto* file = new QSaveFile(path, this);
    if (!file->open(QIODevice::WriteOnly)) {
        emit updateDownloadError(tr("Nie można zapisać pliku %1: %2").arg(path, file->errorString()));
        delete file;
        return;
    }
    installerFile = file;
    installerWritten = 0;
    downloadFailure.clear();
    downloadCancelled = false;

    installerRequest.setUrl(
        QUrl(QStringLiteral("https://") + host + QStringLiteral("/LX/") + name, QUrl::TolerantMode));
    currentDownload = network()->get(installerRequest);
    connect(currentDownload, &QNetworkReply::metaDataChanged, this, &UpdateChecker::installerHeadersArrived);
    connect(currentDownload, &QNetworkReply::readyRead, this, &UpdateChecker::installerDataArrived);
    connect(currentDownload, &QNetworkReply::downloadProgress, this, &UpdateChecker::downloadProgress);
    connect(currentDownload, &QNetworkReply::finished, this, &UpdateChecker::installerDownloadFinished);
}

void UpdateChecker::cancelDownloadingNewVersion()
{
    if (!currentDownload)
        return;
    downloadCancelled = true;
    // The finish handler runs inside abort() and drops the unfinished file.
    currentDownload->abort();
}

void UpdateChecker::downloadProgress(qlonglong received, qlonglong total)
{
    if (total <= 0)
        return;
    emit updateDownloadProgress(int(qBound<qlonglong>(0, received * 100 / total, 100)));
}

void UpdateChecker::failDownload(const QString& text)
{
    if (downloadFailure.isEmpty())
        downloadFailure = text;
    // A reply that already failed finishes by itself; aborting it again confuses it.
    if (currentDownload->error() == QNetworkReply::NoError)
        currentDownload->abort();
}

void UpdateChecker::installerHeadersArrived()
{
    if (sender() != currentDownload || !currentDownload)
        return;
    const int status = httpStatus(currentDownload);
    if (status != 0 && status != httpOk) {
        // Not aborted here: the reply reports its own error right after this
        // signal. The body that follows is dropped unread.
        downloadFailure = tr("Serwer zwrócił kod HTTP %1 zamiast instalatora").arg(status);
        return;
    }
    if (announcedLength(currentDownload) > installerSizeLimit)
        failDownload(tr("Instalator jest większy niż dopuszczalne %1 bajtów").arg(installerSizeLimit));
}

void UpdateChecker::installerDataArrived()
{
    if (sender() != currentDownload || !currentDownload || !installerFile)
        return;
    if (!downloadFailure.isEmpty()) {
        currentDownload->readAll();
        return;
    }
    const int status = httpStatus(currentDownload);
    if (status != httpOk) {
        failDownload(tr("Serwer zwrócił kod HTTP %1 zamiast instalatora").arg(status));
        return;
    }
    const QByteArray data = currentDownload->readAll();
    if (installerWritten + data.size() > installerSizeLimit) {
        failDownload(tr("Instalator jest większy niż dopuszczalne %1 bajtów").arg(installerSizeLimit));
        return;
    }
    if (installerFile->write(data) != data.size()) {
        failDownload(tr("Nie można zapisać pliku %1: %2")
                         .arg(installerFile->fileName(), installerFile->errorString()));
        return;
    }
    installerWritten += data.size();
}

QString UpdateChecker::finishInstaller(QNetworkReply* reply)
{
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    const int status = httpStatus(reply);
    if (status != httpOk)
        return tr("Serwer zwrócił kod HTTP %1 zamiast instalatora").arg(status);

    const QByteArray rest = reply->readAll();
    if (installerWritten + rest.size() > installerSizeLimit)
        return tr("Instalator jest większy niż dopuszczalne %1 bajtów").arg(installerSizeLimit);
    if (installerFile->write(rest) != rest.size())
        return tr("Nie można zapisać pliku %1: %2")
            .arg(installerFile->fileName(), installerFile->errorString());
    installerWritten += rest.size();

    const qint64 announced = announcedLength(reply);
    if (announced >= 0 && announced != installerWritten)
        return tr("Pobrano %1 z %2 bajtów instalatora").arg(installerWritten).arg(announced);

    const QString path = installerFile->fileName();
    if (!installerFile->commit())
        return tr("Nie można zapisać pliku %1: %2").arg(path, installerFile->errorString());
#ifndef Q_OS_WIN
    if (!QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner))
        return tr("Nie można nadać plikowi %1 prawa wykonywania").arg(path);
#endif
    if (!launcher || !launcher(path))
        return tr("Nie można uruchomić instalatora %1").arg(path);
    return QString();
}

void UpdateChecker::installerDownloadFinished()
{
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    if (reply != currentDownload)
        return;
    currentDownload = nullptr;

    QString failure;
    if (!downloadCancelled)
        failure = downloadFailure.isEmpty() ? finishInstaller(reply) : downloadFailure;
    // Uncommitted: the temporary file goes, an older update.exe stays as it was.
    delete installerFile;
    installerFile = nullptr;

    if (downloadCancelled)
        return;
    if (failure.isEmpty())
        emit updateDownloadFinished();
    else
        emit updateDownloadError(failure);
}
