#include "answerwait.h"

#include <QTimer>

AnswerWait::AnswerWait(QObject* parent, int timeoutMs, const char* objectName)
    : QObject(parent), timer(new QTimer(this))
{
    setObjectName(QString::fromLatin1(objectName));
    timer->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Timer"));
    timer->setSingleShot(true);
    timer->setInterval(timeoutMs);
    connect(timer, &QTimer::timeout, this, &AnswerWait::expired);
}

void AnswerWait::start()
{
    timer->start();
}

void AnswerWait::stop()
{
    timer->stop();
}

bool AnswerWait::isWaiting() const
{
    return timer->isActive();
}

int AnswerWait::timeoutMs() const
{
    return timer->interval();
}

void AnswerWait::expireNow()
{
    timer->stop();
    emit expired();
}
