#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal delivered by the event loop: the handler
// only writes the signal number into a pipe, which is all a handler may safely do.
// One instance per process; elsewhere than on Unix it never emits.
class UnixSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    bool isWatching() const { return notifier != nullptr; }

signals:
    void terminationRequested(int signalNumber);

private slots:
    void readPipe();

private:
    QSocketNotifier* notifier = nullptr;
};
