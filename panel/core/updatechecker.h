#pragma once

#include "makerhost.h"

#include <QNetworkRequest>
#include <QObject>
#include <QSslConfiguration>
#include <QString>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;
class QTimer;

// Asks the maker's web site for the current version and fetches the installer.
// Lives in a worker thread of its own: the GUI thread reaches it only through
// queued calls of the public slots, and hears back through the signals.
// Everything goes over HTTPS with the certificate verified.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    // Starts the downloaded installer; false when it could not be started.
    using Launcher = std::function<bool(const QString& path)>;

    // `host` may carry a port ("127.0.0.1:8443"); tests point it at a local server.
    explicit UpdateChecker(const QString& host = makerWebHost(), QObject* parent = nullptr);
    ~UpdateChecker() override;

    // Set these before the checker moves to its thread.
    // TLS settings of both requests (tests trust their own authority here).
    void setSslConfiguration(const QSslConfiguration& configuration);
    // Replaces the detached start of the installer (startInstaller).
    void setInstallerLauncher(Launcher launcher);
    // Folder that receives "update.exe"; empty (the default) is the working directory.
    void setDownloadDirectory(const QString& directory);
    // Largest installer accepted, in bytes.
    void setInstallerSizeLimit(qint64 bytes);
    // How long a check asked by the user waits for the site before calling it unreachable.
    void setAnswerTimeout(int ms);

    // The installer file for a `platform` value of the local settings; empty
    // when the value names no installer.
    static QString installerName(const QString& platform);
    // The texts of every `versionNumber` element of a descriptor body, in
    // document order; the body counts up to its first NUL byte.
    static QStringList descriptorVersions(QByteArray body);
    // The default launcher: starts `path` detached from this process. It forks, so
    // a test calls it only from a process with no other thread.
    static bool startInstaller(const QString& path);

    static constexpr int defaultAnswerTimeoutMs = 5000;
    static constexpr qint64 descriptorSizeLimit = 64 * 1024;
    static constexpr qint64 defaultInstallerSizeLimit = 512LL * 1024 * 1024;

signals:
    void updateAvailable(bool displayUnavailableUpdateWindow, QString ver);
    void updateDownloadProgress(int);
    void updateDownloadFinished();
    void networkUnavailable();
    void updateDownloadError(QString);

public slots:
    void checkForUpdate(bool startResponseTimer);
    void startDownloadingNewVersion();
    void cancelDownloadingNewVersion();

private slots:
    void descriptorVersionIsReady(QNetworkReply* reply);
    void downloadProgress(qlonglong received, qlonglong total);
    void installerDownloadFinished();
    void noResponseTimeout();
    void installerDataArrived();
    void installerHeadersArrived();

private:
    QNetworkAccessManager* network();
    // Ends the current download with `text`; the reply's finish reports it.
    void failDownload(const QString& text);
    QString finishInstaller(QNetworkReply* reply);

    QString host;
    QNetworkAccessManager* manager = nullptr;
    QNetworkReply* currentDownload = nullptr;
    QNetworkRequest descriptorRequest;
    QNetworkRequest installerRequest;
    QTimer* answerTimer;
    QString version;

    QSslConfiguration sslConfiguration;
    Launcher launcher;
    QString downloadDirectory;
    qint64 installerSizeLimit = defaultInstallerSizeLimit;
    int answerTimeoutMs = defaultAnswerTimeoutMs;
    QSaveFile* installerFile = nullptr;
    qint64 installerWritten = 0;
    QString downloadFailure;
    bool downloadCancelled = false;
};
