#pragma once

#include "link/adminsession.h"

#include <QCoreApplication>
#include <QPointer>
#include <functional>

namespace Luminorix {
class UpsSocketController;
}

// The administrator session a dialog was opened or a question asked in. What it
// sends goes out in that session only: once the session has ended the link
// refuses it, and the user is told so over a dialog left as it was.
class SessionStamp
{
    Q_DECLARE_TR_FUNCTIONS(SessionStamp)

public:
    // Stamps no session: nothing it sends goes out.
    SessionStamp() = default;
    // Stamps the session running now, if any.
    explicit SessionStamp(Luminorix::UpsSocketController* controller);

    bool isCurrent() const;
    // The same, and when the session has ended the user is told. For a dialog
    // whose opener sends what it accepted: it stays open instead.
    bool confirmCurrent() const;
    // Runs `requests` as requests of the stamped session; when it has ended,
    // nothing is sent, the user is told, and the result is false.
    bool send(const std::function<void()>& requests) const;
    // A new password the service confirmed, kept only while the session lasts.
    bool changeDigest(const QString& digest) const;
    // Tells the user that the session the request belonged to has ended.
    static void tellEnded();

private:
    QPointer<Luminorix::UpsSocketController> controller;
    Luminorix::AdminSession::Stamp stamp = 0;
};
