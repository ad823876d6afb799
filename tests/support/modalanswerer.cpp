#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <QtTest>

namespace LxTest {

namespace {
QSet<QWidget*> currentBoxes()
{
    QSet<QWidget*> set;
    for (QMessageBox* box : visibleMessageBoxes())
        set.insert(box);
    return set;
}

void fillSeen(SeenBox& seen, QWidget* w)
{
    seen.seen = true;
    seen.windowTitle = w->windowTitle();
    seen.className = QString::fromLatin1(w->metaObject()->className());
    if (auto* box = qobject_cast<QMessageBox*>(w))
        seen.text = box->text();
}
} // namespace

QList<QMessageBox*> visibleMessageBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            if (box->isVisible())
                boxes.append(box);
        }
    }
    return boxes;
}

int closeAllMessageBoxes()
{
    const QList<QMessageBox*> boxes = visibleMessageBoxes();
    for (QMessageBox* box : boxes)
        box->done(QMessageBox::Ok);
    return boxes.size();
}

QList<ShownBox> takeMessageBoxes()
{
    QList<ShownBox> shown;
    for (QMessageBox* box : visibleMessageBoxes())
        shown.append({box->windowTitle(), box->text()});
    closeAllMessageBoxes();
    return shown;
}

QSharedPointer<SeenBox> answerNextDialog(std::function<void(QWidget*)> answer, int timeoutMs)
{
    auto seen = QSharedPointer<SeenBox>::create();
    const QSet<QWidget*> before = currentBoxes();
    const QPointer<QWidget> modalBefore = QApplication::activeModalWidget();
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    const QByteArray testName = QTest::currentTestFunction() ? QTest::currentTestFunction() : "";
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [=]() {
        QWidget* found = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != modalBefore)
            found = modal;
        if (!found) {
            for (QMessageBox* box : visibleMessageBoxes()) {
                if (!before.contains(box))
                    found = box;
            }
        }
        if (found) {
            timer->stop();
            fillSeen(*seen, found);
            answer(found);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            if (QTest::currentTestFunction() && testName == QTest::currentTestFunction())
                QTest::qFail("expected a dialog, none opened", __FILE__, __LINE__);
        }
        if (!timer->isActive()) {
            delete clock;
            timer->deleteLater();
        }
    });
    timer->start();
    return seen;
}

QSharedPointer<SeenBox> answerNextMessageBox(QMessageBox::StandardButton button, int timeoutMs)
{
    return answerNextDialog(
        [button](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QAbstractButton* b = box ? box->button(button) : nullptr;
            if (b)
                b->click();
            else if (auto* dlg = qobject_cast<QDialog*>(w))
                dlg->reject();
            else
                w->close();
        },
        timeoutMs);
}

struct ModalWatchdog::Impl
{
    QTimer timer;
    QPointer<QWidget> watched;
    QElapsedTimer since;
};

ModalWatchdog::ModalWatchdog(int limitMs) : d(new Impl)
{
    d->timer.setInterval(50);
    QObject::connect(&d->timer, &QTimer::timeout, [this, limitMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != d->watched) {
            d->watched = modal;
            d->since.start();
            return;
        }
        if (modal && d->since.elapsed() > limitMs) {
            const QString what =
                QStringLiteral("modal '%1' (%2) left open")
                    .arg(modal->windowTitle(), QString::fromLatin1(modal->metaObject()->className()));
            if (auto* dlg = qobject_cast<QDialog*>(modal))
                dlg->reject();
            else
                modal->close();
            d->watched = nullptr;
            if (QTest::currentTestFunction())
                QTest::qFail(qPrintable(what), __FILE__, __LINE__);
        }
    });
    d->timer.start();
}

ModalWatchdog::~ModalWatchdog()
{
    delete d;
}

} // namespace LxTest
