#pragma once

#include <QObject>
#include <QString>

namespace Luminorix {

// The administrator's session with the service: begun by a log-in, ended by a
// log-out, a lost connection or a change of host. Each beginning opens a new
// epoch, so what was stamped in one session is never current in a later one.
class AdminSession : public QObject
{
    Q_OBJECT

public:
    using Stamp = quint64;

    explicit AdminSession(QObject* parent = nullptr);

    void begin(const QString& digest);
    void end();
    bool isActive() const;
    QString digest() const;
    // The running session's stamp; without a session, one that is never current.
    Stamp stamp() const;
    bool isCurrent(Stamp stamp) const;
    // The service took a new password within the session `stamp` names: later
    // requests carry it. False, and nothing changes, once that session ended.
    bool changeDigest(Stamp stamp, const QString& digest);

signals:
    void begun();
    void ended();

private:
    Stamp m_epoch = 0;
    bool m_active = false;
    QString m_digest;
};

} // namespace Luminorix
