// The installer's real, detached start. It forks, and a child forked beside other
// threads may stay stuck in a lock one of them held at the fork (the sanitizers'
// allocator among them), so it runs alone: no QtTest (its watchdog is a thread), no
// application object, and a check that this process has a single thread.
#include "panel/core/updatechecker.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {
int failures = 0;

void check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    if (!ok)
        ++failures;
}

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

bool writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size())
        return false;
    file.close();
    return file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

// Written by the installer once it runs.
bool appears(const QString& path)
{
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll() == "ran\n")
            return true;
        QThread::msleep(20);
    }
    return false;
}
} // namespace

int main()
{
    check(threadCount() == 1, "a single thread before the start");

    QTemporaryDir folder;
    check(folder.isValid(), "a temporary folder");
    const QString installer = folder.filePath(QStringLiteral("update.exe"));
    const QString marker = folder.filePath(QStringLiteral("ran"));
    check(writeScript(installer, "#!/bin/sh\necho ran > \"$(dirname \"$0\")/ran.new\"\n"
                                 "mv \"$(dirname \"$0\")/ran.new\" \"$(dirname \"$0\")/ran\"\n"),
          "an installer script");

    check(UpdateChecker::startInstaller(installer), "the installer starts");
    check(appears(marker), "the installer ran");
    check(!UpdateChecker::startInstaller(folder.filePath(QStringLiteral("missing.exe"))),
          "a missing installer does not start");

    std::printf("%d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
