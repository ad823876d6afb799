#include "unixsignalwatcher.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int pipeFds[2] = {-1, -1};
struct sigaction previousTerm;
struct sigaction previousInt;

void writeSignalNumber(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending request; dropping this one loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}
} // namespace
#endif

UnixSignalWatcher::UnixSignalWatcher(QObject* parent) : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (pipeFds[0] >= 0)
        return;
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeFds[0] = pipeFds[1] = -1;
        return;
    }
    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previousTerm);
    ::sigaction(SIGINT, &action, &previousInt);
    notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::readPipe);
#endif
}

UnixSignalWatcher::~UnixSignalWatcher()
{
#ifdef Q_OS_UNIX
    if (!notifier)
        return;
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    ::sigaction(SIGINT, &previousInt, nullptr);
    delete notifier;
    notifier = nullptr;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
#endif
}

void UnixSignalWatcher::readPipe()
{
#ifdef Q_OS_UNIX
    unsigned char byte = 0;
    while (::read(pipeFds[0], &byte, 1) == 1)
        emit terminationRequested(byte);
#endif
}
