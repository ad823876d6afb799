#include "checkedfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDir>
#include <QFileInfo>
#endif

namespace {

QString differs()
{
    return QCoreApplication::translate("Luminorix::Runner", "zapisany plik różni się od zamierzonego");
}

QString uniqueName(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + name + QLatin1Char('.') +
           QString::number(QRandomGenerator::global()->generate() & 0xffffff, 16);
}

#ifdef Q_OS_UNIX

QString systemError(int code)
{
    return qt_error_string(code);
}

bool failWith(QString* error, int code = errno)
{
    *error = systemError(code);
    return false;
}

// Owner and group where this process may give them; group bits are dropped
// when the group could not be given, so no other group gains access.
bool giveAttributes(int fd, const Luminorix::CheckedFile::Attributes& attributes, QString* error)
{
    if (!attributes.known)
        return true;
    unsigned mode = attributes.mode & 0777;
    if (::fchown(fd, attributes.owner, attributes.group) != 0 &&
        ::fchown(fd, uid_t(-1), attributes.group) != 0) {
        // Only the superuser may give a file away; anyone else keeps it.
    }
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return failWith(error);
    if (info.st_gid != attributes.group)
        mode &= ~0070u;
    if (::fchmod(fd, mode) != 0)
        return failWith(error);
    return true;
}

bool writeAll(int fd, const QByteArray& bytes, QString* error)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return failWith(error);
        }
        if (written == 0)
            return failWith(error, EIO);
        data += written;
        left -= written;
    }
    return true;
}

bool makeDurable(int fd, QString* error)
{
    // Some file systems report a full disk only here. EINVAL: this file cannot be synced at all.
    if (::fsync(fd) != 0 && errno != EINVAL)
        return failWith(error);
    return true;
}

bool hasSize(int fd, qint64 size, QString* error)
{
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return failWith(error);
    if (qint64(info.st_size) != size) {
        *error = differs();
        return false;
    }
    return true;
}

// -1 with errno when path exists or cannot be created.
int openNew(const QString& path)
{
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool fill(int fd, const QString& path, const QByteArray& bytes,
          const Luminorix::CheckedFile::Attributes& attributes, QString* error)
{
    bool ok = giveAttributes(fd, attributes, error) && writeAll(fd, bytes, error) && makeDurable(fd, error) &&
              hasSize(fd, bytes.size(), error);
    if (::close(fd) != 0 && ok)
        ok = failWith(error);
    if (ok) {
        QByteArray back;
        ok = Luminorix::CheckedFile::read(path, &back, error);
        if (ok && back != bytes) {
            *error = differs();
            ok = false;
        }
    }
    if (!ok)
        ::unlink(QFile::encodeName(path).constData());
    return ok;
}

bool removeTree(const QByteArray& path, int depth, QString* error)
{
    struct stat info;
    if (::lstat(path.constData(), &info) != 0)
        return errno == ENOENT || failWith(error);
    if (!S_ISDIR(info.st_mode)) {
        if (::unlink(path.constData()) != 0 && errno != ENOENT)
            return failWith(error);
        return true;
    }
    if (depth > 32)
        return failWith(error, ELOOP);
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return failWith(error);
    bool ok = true;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        if (!removeTree(path + '/' + name, depth + 1, error)) {
            ok = false;
            break;
        }
    }
    ::closedir(dir);
    if (ok && ::rmdir(path.constData()) != 0)
        return failWith(error);
    return ok;
}

#endif

} // namespace

namespace Luminorix {

#ifdef Q_OS_UNIX

CheckedFile::Attributes CheckedFile::attributesOf(const QString& path)
{
    Attributes attributes;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        attributes.known = true;
        attributes.mode = info.st_mode & 0777;
        attributes.owner = info.st_uid;
        attributes.group = info.st_gid;
    }
    return attributes;
}

bool CheckedFile::create(const QString& path, const QByteArray& bytes, const Attributes& attributes,
                         QString* error)
{
    const int fd = openNew(path);
    if (fd < 0)
        return failWith(error);
    return fill(fd, path, bytes, attributes, error);
}

QString CheckedFile::stage(const QString& folder, const QString& name, const QByteArray& bytes,
                           const Attributes& attributes, QString* error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = uniqueName(folder, name);
        const int fd = openNew(path);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            failWith(error);
            return QString();
        }
        return fill(fd, path, bytes, attributes, error) ? path : QString();
    }
    failWith(error, EEXIST);
    return QString();
}

bool CheckedFile::read(const QString& path, QByteArray* bytes, QString* error)
{
    int fd;
    do {
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return failWith(error);
    bytes->clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int code = errno;
            ::close(fd);
            return failWith(error, code);
        }
        if (got == 0)
            break;
        bytes->append(buffer, int(got));
    }
    ::close(fd);
    return true;
}

bool CheckedFile::replace(const QString& from, const QString& to, QString* error)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return failWith(error);
    return true;
}

bool CheckedFile::makeFolder(const QString& path, QString* error)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0)
        return failWith(error);
    return true;
}

bool CheckedFile::remove(const QString& path, QString* error)
{
    return removeTree(QFile::encodeName(path), 0, error);
}

QString CheckedFile::probe(const QString& folder, qint64 size)
{
    const QString path = uniqueName(folder, QStringLiteral("probe"));
    const int fd = openNew(path);
    if (fd < 0)
        return systemError(errno);
    QString error;
    const QByteArray block(65536, '\0');
    bool ok = true;
    for (qint64 left = size; ok && left > 0; left -= block.size())
        ok = writeAll(fd, left < block.size() ? block.left(int(left)) : block, &error);
    ok = ok && makeDurable(fd, &error);
    ::close(fd);
    ::unlink(QFile::encodeName(path).constData());
    return ok ? QString() : error;
}

void CheckedFile::syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

#else

// Other systems: the same steps through Qt, unbuffered so that every write reports.

CheckedFile::Attributes CheckedFile::attributesOf(const QString& path)
{
    Attributes attributes;
    attributes.known = QFileInfo::exists(path);
    return attributes;
}

bool CheckedFile::create(const QString& path, const QByteArray& bytes, const Attributes&, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    bool ok = file.write(bytes) == bytes.size() && file.flush() && file.size() == bytes.size();
    if (!ok)
        *error = file.error() != QFileDevice::NoError ? file.errorString() : differs();
    file.close();
    QByteArray back;
    if (ok && (!read(path, &back, error) || back != bytes)) {
        if (back != bytes)
            *error = differs();
        ok = false;
    }
    if (!ok)
        QFile::remove(path);
    return ok;
}

QString CheckedFile::stage(const QString& folder, const QString& name, const QByteArray& bytes,
                           const Attributes& attributes, QString* error)
{
    const QString path = uniqueName(folder, name);
    return create(path, bytes, attributes, error) ? path : QString();
}

bool CheckedFile::read(const QString& path, QByteArray* bytes, QString* error)
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

bool CheckedFile::replace(const QString& from, const QString& to, QString* error)
{
    QFile file(from);
    if ((QFileInfo(to).isSymLink() || QFileInfo::exists(to)) && !QFile::remove(to)) {
        *error = QFile(to).errorString();
        return false;
    }
    if (!file.rename(to)) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool CheckedFile::makeFolder(const QString& path, QString* error)
{
    if (QFileInfo::exists(path) || !QDir().mkdir(path)) {
        *error = qt_error_string();
        return false;
    }
    return true;
}

bool CheckedFile::remove(const QString& path, QString*)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return !info.exists() && !info.isSymLink() ? true : QFile::remove(path);
}

QString CheckedFile::probe(const QString& folder, qint64 size)
{
    QString error;
    const QString path =
        stage(folder, QStringLiteral("probe"), QByteArray(int(size), '\0'), Attributes(), &error);
    QFile::remove(path);
    return error;
}

void CheckedFile::syncFolder(const QString&) {}

#endif

} // namespace Luminorix
