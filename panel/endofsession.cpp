#include "endofsession.h"

#include "luminorixwindow.h"

SessionAnswer answerSessionMessage(SessionMessage message, LuminorixWindow* window)
{
    SessionAnswer answer;
    switch (message) {
    case SessionMessage::QueryEnd:
        if (window) {
            window->showMinimized();
            window->show();
            window->activateWindow();
            window->raise();
            window->reallyClose();
        }
        answer.answered = true;
        answer.result = 1;
        break;
    case SessionMessage::End:
        answer.answered = true;
        answer.result = 1;
        break;
    case SessionMessage::Other:
        break;
    }
    return answer;
}
