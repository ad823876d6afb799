#pragma once

#include <QObject>

class QTimer;

// The single-shot "no answer from the service" wait that dialogs keep while a
// request is out. It lives as long as its dialog and is only ever stopped, never
// deleted, so nothing is freed inside its own timeout.
//
//     wait = new AnswerWait(this, 5000, "answerWait");
//     connect(wait, &AnswerWait::expired, this, &X::noAnswer);
//     wait->start(); emit request();       // on the answer: wait->stop();
class AnswerWait : public QObject
{
    Q_OBJECT

public:
    AnswerWait(QObject* parent, int timeoutMs, const char* objectName);

    // (Re)starts the wait from now.
    void start();
    void stop();
    bool isWaiting() const;
    int timeoutMs() const;

public slots:
    // Ends the wait as if the time had run out (tests call it instead of waiting).
    void expireNow();

signals:
    void expired();

private:
    QTimer* timer;
};
