#include "nativeeventfilter.h"

#ifdef Q_OS_WIN
#include "endofsession.h"

#include <windows.h>

bool NativeEventFilter::nativeEventFilter(const QByteArray& eventType, void* message, long* result)
{
    // Other event types carry other structures; only this one is a MSG.
    if (eventType != "windows_generic_MSG" || !message)
        return false;
    const auto* msg = static_cast<const MSG*>(message);
    SessionMessage kind = SessionMessage::Other;
    if (msg->message == WM_QUERYENDSESSION)
        kind = SessionMessage::QueryEnd;
    else if (msg->message == WM_ENDSESSION)
        kind = SessionMessage::End;
    const SessionAnswer answer = answerSessionMessage(kind, window);
    if (answer.answered && result)
        *result = answer.result;
    return false;
}
#endif
