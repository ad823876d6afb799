#pragma once

#include <QDialog>

class AnswerWait;
class DialogRelay;
namespace Luminorix {
class UpsSocketController;
}
namespace Ui {
class LogiInWindow;
}

// Administrator login. The service only hands out the digest of its password;
// the typed password is hashed and compared here, and nothing typed is sent.
class LogiInWindow : public QDialog
{
    Q_OBJECT

public:
    LogiInWindow(Luminorix::UpsSocketController* controller, QWidget* parent = nullptr);
    ~LogiInWindow() override;

signals:
    void getPassword();
    void enableAdminButtons();

public slots:
    // Asks the service for the digest; the dialog stays open for the answer.
    void accept() override;
    void comparePasswords(QString pass);
    void noResponseTimeout();
    void displayHint();

private:
    Ui::LogiInWindow* ui;
    AnswerWait* answerWait;
    Luminorix::UpsSocketController* controller;
};

// The dialog's links to the service controller: the digest request and the digest.
// Its enableAdminButtons() is the opener's to connect.
void connectToService(LogiInWindow* dialog, Luminorix::UpsSocketController* controller,
                      const DialogRelay& relay);
