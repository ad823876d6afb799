#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QDialogButtonBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMovie;
class QTextEdit;
class AnswerWait;
class DialogRelay;
class QVBoxLayout;
namespace Luminorix {
class UpsSocketController;
}

// Follows one test mail the service sends: the service's progress reports
// arrive through displayTestStatus; ten seconds without a real report count as
// silence.
class SmtpTestWindow : public QDialog
{
    Q_OBJECT

public:
    explicit SmtpTestWindow(QWidget* parent = nullptr);
    ~SmtpTestWindow() override;

    void displayTestStatus(int status, QStringList messages);
    // 2 busy, 1 error, 3 success, anything else blank.
    void setStatusView(int viewState, QString text);

private slots:
    void accept() override;
    void noCommunicationTimeout();

private:
    QVBoxLayout* mainLayout;
    QHBoxLayout* statusLayout;
    QLabel* statusIconLabel;
    QLabel* statusTextLabel;
    QGroupBox* messagesGroup;
    QTextEdit* messagesEdit;
    QHBoxLayout* buttonLayout;
    QDialogButtonBox* buttonBox;
    AnswerWait* noCommunicationWait;
    QPixmap okPixmap;
    QPixmap errorPixmap;
    QMovie* busyMovie;
    bool firstMessage = true;
};

// The service's reports of the test mail, as the window forwards them.
void connectToService(SmtpTestWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
