#include "updatecheckerthread.h"

#include "updatechecker.h"

#include <QStandardPaths>
#include <QThread>

UpdateCheckerThread::UpdateCheckerThread() : updateChecker(new UpdateChecker)
{
#ifndef Q_OS_WIN
    // The program's folder (often /usr/bin) is not the user's to write.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    updateChecker->setDownloadDirectory(folder);
#endif
    thread = new QThread;
    thread->setObjectName(QStringLiteral("UpdateChecker"));
    QObject::connect(thread, &QThread::finished, updateChecker, &QObject::deleteLater);
    updateChecker->moveToThread(thread);
    thread->start(QThread::InheritPriority);
}

UpdateCheckerThread::~UpdateCheckerThread()
{
    // A launch that never returns must not keep the panel from quitting: past the
    // limit the thread is left to end, and its object to go, by themselves.
    constexpr unsigned long checkerStopLimitMs = 5000;
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->quit();
    if (thread->wait(checkerStopLimitMs))
        delete thread;
}
