#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QSharedPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace LxTest {

// What a helper saw of the box it answered.
struct SeenBox
{
    bool seen = false;
    QString windowTitle;
    QString text;
    QString className;
};

// Answers the next dialog that opens: a modal one (QApplication::activeModalWidget)
// or a new visible top-level QMessageBox (the application's boxes are non-modal).
// `answer` gets the widget and must close it. If nothing opens within timeoutMs
// the current test fails; the poll stops then, so a missed box cannot hang a test
// that goes on (the ModalWatchdog below guards the other direction).
QSharedPointer<SeenBox> answerNextDialog(std::function<void(QWidget*)> answer, int timeoutMs = 5000);

// Presses `button` (found by its standard role, never by text) on the next message box.
QSharedPointer<SeenBox> answerNextMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok,
                                             int timeoutMs = 5000);

// Visible top-level message boxes, newest last.
QList<QMessageBox*> visibleMessageBoxes();

// Closes every visible top-level message box; returns how many there were.
int closeAllMessageBoxes();

// Title and text of a box the application showed.
struct ShownBox
{
    QString title;
    QString text;
    bool operator==(const ShownBox& other) const { return title == other.title && text == other.text; }
};

// The visible top-level message boxes, oldest first, which are then closed.
QList<ShownBox> takeMessageBoxes();

// While alive, a modal widget that stays open longer than limitMs is rejected and
// fails the running test, so a box nobody expected does not hang the suite.
class ModalWatchdog
{
public:
    explicit ModalWatchdog(int limitMs = 10000);
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

private:
    struct Impl;
    Impl* d;
};

} // namespace LxTest
